#pragma once

#include "calc/lookahead.h"
#include "calc/totals.h"
#include <QString>

// Texts that tell the user how a figure was reached or how a typed text was read, in the
// regional settings in force. None of them throws.

// Whole minutes in words: "26 hours 15 minutes", "1 hour", "45 minutes", "0 hours".
QString durationWords(double minutes);
// How a row total was counted, with the row's own figures:
// "8 hours a day × 13,126 days (1/1/1990 to today) = 105,008 hours; 16.94% of the 620,063 hours you
// have been alive", "Once: $24,500".
QString totalExplanation(const TotalBreakdown &b);
// What a row comes to by the look-ahead age, from its projected breakdown:
// "By age 80 at this pace: 222,656 hours; 31.75% of the 701,280 hours you will have been alive";
// for an age already reached, "By age 30: 594 hours; ... you had been alive".
QString projectionSentence(const TotalBreakdown &b, const LookAhead &ahead);
// The explanation of a row from its cell texts (amount is the duration for hours). A row that
// cannot be read says which text failed; a total cell that differs from a fresh count (counted
// on an earlier day, or with other reference values) says so. With a look-ahead, a row still
// going on today ("Now", or an end after today) ends with its projectionSentence.
QString explainRow(TableKind kind, const QString &amount, const QString &per, const QString &start, const QString &end,
                   const QString &shownTotal, double hoursAlive, qint64 income,
                   const std::optional<LookAhead> &ahead = std::nullopt);
// How the age and the hours alive of the age line were counted; the error's text for a birth
// date that is not a date.
QString ageExplanation(const QString &birthText);
// What the lifetime income stands for and what is measured against it.
QString incomeExplanation(qint64 income);
// How a birth date was read when that is worth a second look (the year was completed, or the
// day lies after today): "Read as April 17, 2078 — in the future. Type the year with four digits."
// Empty otherwise, and for a text that is not a date (the strict conversion reports that).
QString birthDateReading(const QString &birthText);
// A row whose end date, or start date, lies after today counts time not yet lived.
bool countsTimeNotYetLived(const QString &start, const QString &end);
