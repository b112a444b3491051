#pragma once

#include <QString>

struct LocaleSettings;

// Number texts of totals and shares, with the locale's separators and currency placement.
// Rounding: the value is taken to 18 significant decimal digits, then rounded half away
// from zero at the last shown place (4.5 -> 5, 0.125 -> 0.13, 2.5 -> 3).

// "%.0n": whole number with thousands separators: 308,918
QString formatWhole(double value);
// "%.0m": currency without decimals, with symbol and placement: $1,235
QString formatMoneyWhole(double value);
// " (%.2n%%)": blank, "(", two decimals with thousands separators, "%", ")": " (12.35%)"
QString formatShare(double value);
// A value with the given number of decimals and thousands separators, rounded as above.
QString formatNumber(double value, int decimals);
// Currency amount with the given decimals ("$1,234.50"), as the money amount field shows it.
QString formatMoney(double value, int decimals);
// The same two under a given record instead of the one in force (texts written elsewhere).
QString formatNumber(double value, int decimals, const LocaleSettings &locale);
QString formatMoney(double value, int decimals, const LocaleSettings &locale);
