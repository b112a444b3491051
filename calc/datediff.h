#pragma once

#include "calc/datevalue.h"
#include <QString>

// The span between two date values in several units at once.
struct TDateDiff {
    int years = 0;
    int months = 0;
    int days = 0;
    double totalHours = 0;
    double totalMonths = 0;
    double totalDays = 0;
};

// Same result whatever the order of the two arguments.
TDateDiff computedatediff(DateValue first, DateValue second);
// "35 years 3 months 12 days " (every item followed by a blank; zero or negative items left out).
QString ymd(const TDateDiff &span);
