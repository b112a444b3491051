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
