#include "calc/numbertext.h"

#include "app/localesettings.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace
{
// The digits of |value| rounded half away from zero at `decimals` places, decided on the value
// taken to 18 significant digits. Returns the integer digits and the fraction digits.
void roundedDigits(double value, int decimals, QString &integerPart, QString &fractionPart, bool &isZero)
{
    // Exactly 18 significant digits: d.ddddddddddddddddde±x. Like "%.17e" the conversion is exact
    // and rounds ties to even, but without printf's multi-precision arithmetic, which made this
    // the larger part of every row total.
    char buffer[64];
    const auto converted =
        std::to_chars(buffer, buffer + sizeof buffer - 1, std::fabs(value), std::chars_format::scientific, 17);
    *converted.ptr = '\0';
    char digits[18];
    int count = 0;
    const char *p = buffer;
    for (; *p && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9')
            digits[count++] = *p;
    }
    const int exponent = *p == 'e' ? std::atoi(p + 1) : 0;

    // Position of the decimal point within digits[]: after (exponent + 1) digits.
    // Build the digit string from 10^(exponent) down to 10^(-decimals), with leading zeros as needed.
    const int pointPos = exponent + 1;
    const int keep = pointPos + decimals; // digits of digits[] that survive rounding
    // Work buffer: one spare leading digit for a carry, integer digits, fraction digits.
    const int intDigits = pointPos > 0 ? pointPos : 1;
    const int total = 1 + intDigits + decimals;
    std::string work(std::size_t(total), '0');
    // Index in work of digit k of digits[] (k = 0 is 10^exponent).
    const int offset = 1 + intDigits - pointPos;
    for (int k = 0; k < count && k < keep; ++k) {
        if (offset + k >= 0)
            work[std::size_t(offset + k)] = digits[k];
    }
    if (keep >= 0 && keep < count && digits[keep] >= '5') {
        int i = total - 1;
        while (i >= 0) {
            if (work[std::size_t(i)] == '9') {
                work[std::size_t(i)] = '0';
                --i;
            } else {
                ++work[std::size_t(i)];
                break;
            }
        }
    }
    std::size_t first = 0;
    while (first + 1 < std::size_t(1 + intDigits) && work[first] == '0')
        ++first;
    integerPart = QString::fromLatin1(work.data() + first, qsizetype(std::size_t(1 + intDigits) - first));
    fractionPart = QString::fromLatin1(work.data() + 1 + intDigits, decimals);
    isZero = work.find_first_not_of('0') == std::string::npos;
}

QString groupThousands(const QString &digits, QChar separator)
{
    const qsizetype n = digits.size();
    QString out;
    out.reserve(n + n / 3);
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out.append(separator);
        out.append(digits[i]);
    }
    return out;
}

QString specialText(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

// Unsigned amount text and whether the value is negative after rounding.
QString unsignedNumber(double value, int decimals, bool &negative)
{
    if (decimals < 0)
        decimals = 0;
    const LocaleSettings &locale = LocaleSettings::current();
    QString integerPart;
    QString fractionPart;
    bool isZero = true;
    roundedDigits(value, decimals, integerPart, fractionPart, isZero);
    negative = value < 0 && !isZero;
    QString text = groupThousands(integerPart, locale.thousandsSeparator);
    if (decimals > 0) {
        text.append(locale.decimalSeparator);
        text.append(fractionPart);
    }
    return text;
}
} // namespace

QString formatNumber(double value, int decimals)
{
    if (!std::isfinite(value))
        return specialText(value);
    bool negative = false;
    const QString text = unsignedNumber(value, decimals, negative);
    return negative ? QLatin1Char('-') + text : text;
}

QString formatMoney(double value, int decimals)
{
    if (!std::isfinite(value))
        return specialText(value);
    bool negative = false;
    const QString amount = unsignedNumber(value, decimals, negative);
    const LocaleSettings &locale = LocaleSettings::current();
    QString text;
    switch (locale.currencyPlacement) {
    case CurrencyPlacement::Before:
        text = locale.currencySymbol + amount;
        break;
    case CurrencyPlacement::After:
        text = amount + locale.currencySymbol;
        break;
    case CurrencyPlacement::BeforeWithBlank:
        text = locale.currencySymbol.isEmpty() ? amount : locale.currencySymbol + QLatin1Char(' ') + amount;
        break;
    case CurrencyPlacement::AfterWithBlank:
        text = locale.currencySymbol.isEmpty() ? amount : amount + QLatin1Char(' ') + locale.currencySymbol;
        break;
    }
    return negative ? QLatin1Char('-') + text : text;
}

QString formatWhole(double value)
{
    return formatNumber(value, 0);
}

QString formatMoneyWhole(double value)
{
    return formatMoney(value, 0);
}

QString formatShare(double value)
{
    return QStringLiteral(" (") + formatNumber(value, 2) + QStringLiteral("%)");
}
