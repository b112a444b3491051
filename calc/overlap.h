#pragma once

#include "calc/datevalue.h"
#include "calc/totals.h"
#include <QString>
#include <QVector>
#include <optional>

// Hours rows that together claim more than a day's 24 hours.
//
// Each row counts at its daily average over its own span: its total (the same figure as its total
// cell) divided by the span's days. For "Day" that is the time given, for "Week" a seventh of it,
// and for "Month" the time given times the months the total counts, divided by the span's days.
// Over a span of one month this is the time given divided by that month's days; over many months
// it is the same share of every day, so the figure does not jump between long and short months
// (which would name single Februaries), and the daily figures add up to the row's total.
//
// A span covers its days from the start day up to, not including, the end day, as the totals
// count them: rows that end and start on the same day do not overlap.

struct DailyLoad {
    DateValue from = 0; // first day
    DateValue to = 0;   // day after the last
    double minutesPerDay = 0;
};

struct Overload {
    DateValue from = 0; // first day over 24 hours
    DateValue to = 0;   // the day the sum changes again (the end date of the rows, as typed)
    double minutesPerDay = 0;
};

// The load of an hours row, from the breakdown of its total; nullopt when the span holds no day.
std::optional<DailyLoad> dailyLoad(const TotalBreakdown &hours);
// The first stretch of days over 24 hours with one sum; nullopt when there is none. An excess
// below half a minute a day is not reported: it comes of dividing weekly minutes by 7, and would
// read as "24 hours".
std::optional<Overload> firstOverload(const QVector<DailyLoad> &loads);
// "From 9/1/2005 to 6/30/2019 your activities add up to 26 hours 15 minutes a day."
QString overloadMessage(const Overload &overload);
