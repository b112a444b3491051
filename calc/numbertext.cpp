#include "calc/numbertext.h"

#include "calc/localesettings.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {
// The digits of |value| rounded half away from zero at `decimals` places, decided on the value
// taken to 18 significant digits. `work` holds a spare leading digit for a carry, the integer
// digits and the fraction digits; `first` is the first integer digit to show and `point` the
// position of the decimal point in `work`.
void roundedDigits(double value, int decimals, std::string &work, std::size_t &first, std::size_t &point, bool &isZero)
{
    // Exactly 18 significant digits: d.ddddddddddddddddde±x. Like "%.17e" the conversion is exact
    // and rounds ties to even.
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
    const int intDigits = pointPos > 0 ? pointPos : 1;
    const int total = 1 + intDigits + decimals;
    work.assign(std::size_t(total), '0');
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
    point = std::size_t(1 + intDigits);
    first = 0;
    while (first + 1 < point && work[first] == '0')
        ++first;
    isZero = work.find_first_not_of('0') == std::string::npos;
}

QString specialText(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

// Unsigned amount text and whether the value is negative after rounding.
QString unsignedNumber(double value, int decimals, const LocaleSettings &locale, bool &negative)
{
    if (decimals < 0)
        decimals = 0;
    std::string work;
    std::size_t first = 0;
    std::size_t point = 0;
    bool isZero = true;
    roundedDigits(value, decimals, work, first, point, isZero);
    negative = value < 0 && !isZero;

    const QLatin1String integer(work.data() + first, qsizetype(point - first));
    QString text;
    for (qsizetype i = 0; i < integer.size(); ++i) {
        if (i > 0 && (integer.size() - i) % 3 == 0)
            text += locale.thousandsSeparator;
        text += integer[i];
    }
    if (decimals > 0) {
        text += locale.decimalSeparator;
        text += QLatin1String(work.data() + point, qsizetype(work.size() - point));
    }
    return text;
}
} // namespace

QString formatNumber(double value, int decimals)
{
    return formatNumber(value, decimals, LocaleSettings::current());
}

QString formatNumber(double value, int decimals, const LocaleSettings &locale)
{
    if (!std::isfinite(value))
        return specialText(value);
    bool negative = false;
    const QString text = unsignedNumber(value, decimals, locale, negative);
    return negative ? QLatin1Char('-') + text : text;
}

QString formatMoney(double value, int decimals)
{
    return formatMoney(value, decimals, LocaleSettings::current());
}

QString formatMoney(double value, int decimals, const LocaleSettings &locale)
{
    if (!std::isfinite(value))
        return specialText(value);
    bool negative = false;
    const QString amount = unsignedNumber(value, decimals, locale, negative);
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

namespace {
bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isSpaceMark(QChar c)
{
    return c == QLatin1Char(' ') || c == QChar(0x00A0) || c == QChar(0x202F);
}

bool isApostrophe(QChar c)
{
    return c == QLatin1Char('\'') || c == QChar(0x2019);
}

// Whether `c` is written for the mark `mark`.
bool sameMark(QChar c, QChar mark)
{
    return c == mark || (isSpaceMark(mark) && isSpaceMark(c)) || (isApostrophe(mark) && isApostrophe(c));
}

QStringView trimmedSpaces(QStringView t)
{
    while (!t.isEmpty() && isSpaceMark(t.front()))
        t = t.sliced(1);
    while (!t.isEmpty() && isSpaceMark(t.back()))
        t.chop(1);
    return t;
}

// `t` without the currency symbol at either end, and a blank beside it; unchanged when it is not
// there. Programs of one region differ in where they put it ("CHF 1'250.50", "1'250.50 CHF").
QStringView withoutSymbol(QStringView t, const QString &symbol)
{
    if (t.startsWith(symbol))
        return trimmedSpaces(t.sliced(symbol.size()));
    if (t.endsWith(symbol))
        return trimmedSpaces(t.first(t.size() - symbol.size()));
    return t;
}

qsizetype digitRun(QStringView t, qsizetype from)
{
    qsizetype to = from;
    while (to < t.size() && isDigit(t[to]))
        ++to;
    return to - from;
}
} // namespace

std::optional<AmountText> readAmount(const QString &text, AmountKind kind, const LocaleSettings &locale)
{
    const QChar thousands = locale.thousandsSeparator;
    const QChar decimal = locale.decimalSeparator;
    if (sameMark(decimal, thousands))
        return std::nullopt; // "1,250" could be either
    QStringView t = trimmedSpaces(text);
    const bool negative = t.startsWith(QLatin1Char('-'));
    if (negative)
        t = t.sliced(1);
    if (kind == AmountKind::Money && !locale.currencySymbol.isEmpty())
        t = withoutSymbol(t, locale.currencySymbol);

    QString number;
    qsizetype i = digitRun(t, 0);
    if (i == 0)
        return std::nullopt;
    number += t.first(i);
    const qsizetype leading = i;
    while (i < t.size() && sameMark(t[i], thousands)) {
        if (leading > 3 || digitRun(t, i + 1) != 3)
            return std::nullopt;
        number += t.sliced(i + 1, 3);
        i += 4;
    }
    int decimals = 0;
    if (i < t.size() && t[i] == decimal) {
        decimals = int(digitRun(t, i + 1));
        if (decimals == 0)
            return std::nullopt;
        number += QLatin1Char('.');
        number += t.sliced(i + 1, decimals);
        i += 1 + decimals;
    }
    bool ok = false;
    const double value = number.toDouble(&ok); // QString::toDouble reads "." whatever the locale
    if (i != t.size() || !ok || !std::isfinite(value))
        return std::nullopt;
    qsizetype zeros = 0;
    while (zeros + 1 < number.size() && number[zeros] == QLatin1Char('0') && isDigit(number[zeros + 1]))
        ++zeros;
    number.remove(0, zeros);
    if (negative && value != 0)
        number.prepend(QLatin1Char('-'));
    return AmountText{number, negative ? -value : value, decimals};
}
