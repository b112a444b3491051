#pragma once

#include "calc/overlap.h"
#include <optional>

class ActivityModel;

// Checks for figures that cannot be true, for the windows to warn about. Rows that cannot be
// read are left out: the totals report them.

// The first stretch of days on which the hours table's rows add up to more than 24 hours.
std::optional<Overload> hoursOverlap(const ActivityModel &hours);
// The sum of the money table's totals as a percentage of the lifetime income (0 without an
// income); over 100 means more is spent than earned.
double incomeShareSum(const ActivityModel &money, qint64 income);

// The warnings the window shows for them, empty when all is well: "From 1/2/2024 to 1/3/2024 your
// activities add up to 48 hours a day.", "Your money activities add up to 500.00% of your
// lifetime income."
QString overlapWarning(const ActivityModel &hours);
QString incomeWarning(const ActivityModel &money, qint64 income);
