#pragma once

#include "calc/datevalue.h"
#include "calc/tablekind.h"
#include "calc/totals.h"
#include <QString>
#include <QStringList>
#include <optional>

// Looking ahead: what a row that is still going on comes to by an age the user chooses, at the
// pace of today. Rows with an end date are unchanged by it.

constexpr int DefaultLookAheadAge = 80;
constexpr int MaxLookAheadAge = 120;

// The day a person born on `birth` turns `age`, at midnight: a 29 February birthday falls on
// 28 February in a common year.
DateValue birthdayAt(DateValue birth, int age);
// Whole years lived by `now`; negative for a birth date after it.
int wholeYearsOld(DateValue birth, DateValue now);
// The lowest age worth looking ahead to: one year above the age in whole years, at least 1.
int lowestLookAheadAge(DateValue birth, DateValue now);
// `wanted` within lowestLookAheadAge to MaxLookAheadAge.
int boundedLookAheadAge(int wanted, DateValue birth, DateValue now);

struct LookAhead {
    int age = DefaultLookAheadAge;
    DateValue day = 0;     // the day the user turns `age`, at midnight
    double hoursAlive = 0; // whole hours from birth to that day
};
// No look-ahead for a birth-date text that is not a date.
std::optional<LookAhead> lookAheadOf(const QString &birthText, int age);

// The row's total by the look-ahead day, from its cell texts (amount is the duration for hours):
// "Now" is read as that day, hours shares are of the hours alive by then, money shares of the
// income. Conversions are strict, as for the totals.
TotalBreakdown projectedBreakdown(TableKind kind, const QStringList &cells, const LookAhead &ahead, qint64 income);
// The total cell text a row would show by the look-ahead day; a row with an end date keeps the
// text it shows.
QString projectedTotalText(TableKind kind, const QStringList &cells, const LookAhead &ahead, qint64 income);
