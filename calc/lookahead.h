#pragma once

#include "calc/datevalue.h"
#include "calc/tablekind.h"
#include "calc/totals.h"
#include <QString>
#include <QStringList>
#include <optional>

// Looking ahead, or back: what the rows come to by an age the user chooses. Every row counts up
// to the day the user turns that age, whether it lies ahead of today or behind it.

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

// The row's total by the look-ahead day, from its cell texts (amount is the duration for hours),
// the one figure every "by age" total shows: the row counts from its start up to the earlier of
// its end ("Now": that day) and that day; a row that starts after that day counts 0, so a "Once"
// row counts its amount when its date is on or before it. Hours shares are of the hours alive by
// then, money shares of the income. Conversions are strict, as for the totals.
TotalBreakdown projectedBreakdown(TableKind kind, const QStringList &cells, const LookAhead &ahead, qint64 income);
// The total cell text of that breakdown.
QString projectedTotalText(TableKind kind, const QStringList &cells, const LookAhead &ahead, qint64 income);
// A row still going on today: its end is "Now" or a date after today.
bool goesOnPastToday(const QString &endText);
// "By age 50 at this pace" while the day lies after today, else "By age 30": what those rows held.
QString byAgeWords(const LookAhead &ahead);
// The age line of that day, as ageLine gives today's: "Age: 50 years  Hours: 438,288".
QString byAgeLine(const LookAhead &ahead);
