#pragma once

#include "calc/datediff.h"
#include "calc/datevalue.h"
#include "calc/tablekind.h"
#include <QString>

// Lifetime totals from the cell texts of one activity row. Conversions are strict and throw
// ConversionError; nothing here catches them.

// The unit a row's periods were counted in; None for a period word the table does not know.
enum class PeriodBasis { None, Days, Weeks, Months, Years, Once };

// One row total with the figures it was made of, so that the cell text and its explanation
// can never disagree.
struct TotalBreakdown {
    TableKind kind = TableKind::Hours;
    PeriodBasis basis = PeriodBasis::None;
    QString per;        // the Per cell as it stands
    double rate = 0;    // minutes (hours table), amount or count per period
    double periods = 0; // days, weeks (days / 7), months, the span's years; 1 for once; 0 for None
    TDateDiff span;     // from `from` to `to`
    DateValue from = 0;
    DateValue to = 0;
    bool toIsNow = false;
    double total = 0;     // hours, amount or count
    double share = 0;     // percent of `reference`; the cell shows it when above 0
    double reference = 0; // hours alive or lifetime income as given (0 when not known)
};

TotalBreakdown hourBreakdown(const QString &duration, const QString &per, const QString &start, const QString &end,
                             double hoursAlive);
TotalBreakdown moneyBreakdown(const QString &amount, const QString &per, const QString &start, const QString &end,
                              bool isMoney, qint64 income);
// The same with "Now" read as `now`: what a row that is still going on comes to by another day.
TotalBreakdown hourBreakdownAt(DateValue now, const QString &duration, const QString &per, const QString &start,
                               const QString &end, double hoursAlive);
TotalBreakdown moneyBreakdownAt(DateValue now, const QString &amount, const QString &per, const QString &start,
                                const QString &end, bool isMoney, qint64 income);
// The total cell text of a breakdown: "1,235 (0.40%)", "$52,000 (20.80%)", "1,560".
QString totalText(const TotalBreakdown &b);

// Total cell text of an hours row: "1,235 (0.40%)".
QString hourTotalText(const QString &duration, const QString &per, const QString &start, const QString &end,
                      double hoursAlive);
// Total cell text of a money (isMoney) or frequency row: "$52,000 (20.80%)", "1,560".
QString moneyTotalText(const QString &amount, const QString &per, const QString &start, const QString &end,
                       bool isMoney, qint64 income);
// Numeric value of a total cell: the text before " (", digitsOnly, strict real conversion.
double totalCellValue(const QString &cell);
// The same, false instead of an error for a cell without a number.
bool tryTotalCellValue(const QString &cell, double &value);
// "Age: " + ymd + " Hours: " + whole hours alive, from the birth-date text (strict). An age with
// no year, month or day to show (under a day, or one day across a month's end) reads "0 days", "1 day".
QString ageLine(const QString &birthText);
// "Lifetime income: " + the income field's text.
QString incomeLine(const QString &incomeText);
