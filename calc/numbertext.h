#pragma once

#include <QString>
#include <optional>

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

enum class AmountKind {
    Money, // currency amount with decimals: "$1,250.00"
    Count  // whole number: "1,560"
};
struct AmountText {
    QString digits; // "-1250.00": sign, digits without leading zeros, "." and the decimals as written
    double value = 0;
    int decimals = 0;
};
// The inverse of formatMoney and formatNumber under `locale`: an optional "-", the currency symbol
// at either end (money only, and it may be left out), digits grouped by threes or not at all, and
// optionally the decimal separator with at least one digit; blanks around it. Grouping marks that
// regions write alike read alike: a plain, no-break or narrow no-break space where the region
// groups with a space, a straight or typographic apostrophe where it groups with one. None when
// the text does not read so, or when the region's two separators are one character.
std::optional<AmountText> readAmount(const QString &text, AmountKind kind, const LocaleSettings &locale);
