#pragma once

#include "calc/datevalue.h"
#include <QString>

// Lifetime totals from the cell texts of one activity row. Conversions are strict and throw
// ConversionError; nothing here catches them.

// Total cell text of an hours row: "1,235 (0.40%)".
QString hourTotalText(const QString &duration, const QString &per, const QString &start, const QString &end,
                      double hoursAlive);
// Total cell text of a money (isMoney) or frequency row: "$52,000 (20.80%)", "1,560".
QString moneyTotalText(const QString &amount, const QString &per, const QString &start, const QString &end,
                       bool isMoney, qint64 income);
// Numeric value of a total cell: the text before " (", digitsOnly, strict real conversion.
double totalCellValue(const QString &cell);
// "Age: " + ymd + " Hours: " + whole hours alive, from the birth-date text (strict).
QString ageLine(const QString &birthText);
// "Lifetime income: " + the income field's text.
QString incomeLine(const QString &incomeText);
