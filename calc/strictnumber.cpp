#include "calc/strictnumber.h"

#include "calc/conversionerror.h"
#include "calc/localesettings.h"

#include <charconv>

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ');
}

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

// Blanks, sign, then decimal digits or "$" (or "0x" when allowed) and hex digits, nothing after,
// within the signed 32-bit range.
bool parseInteger(QStringView text, bool allow0x, int &value)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    int base = 10;
    if (i < n && text[i] == QLatin1Char('$')) {
        base = 16;
        ++i;
    } else if (allow0x && i + 1 < n && text[i] == QLatin1Char('0') &&
               (text[i + 1] == QLatin1Char('x') || text[i + 1] == QLatin1Char('X'))) {
        base = 16;
        i += 2;
    }
    if (i >= n)
        return false;
    // The magnitude may reach 2^31 for the most negative value.
    const qint64 limit = negative ? qint64(1) << 31 : (qint64(1) << 31) - 1;
    qint64 magnitude = 0;
    for (; i < n; ++i) {
        const int digit = hexValue(text[i]);
        if (digit < 0 || digit >= base)
            return false;
        magnitude = magnitude * base + digit;
        if (magnitude > limit)
            return false;
    }
    value = int(negative ? -magnitude : magnitude);
    return true;
}
} // namespace

bool parseIntegerText(QStringView text, bool allow0x, int &value)
{
    return parseInteger(text, allow0x, value);
}

bool tryStrToInt(const QString &text, int &value)
{
    return parseInteger(text, true, value);
}

int strToInt(const QString &text)
{
    int value = 0;
    if (!tryStrToInt(text, value))
        throw ConversionError::invalidInteger(text);
    return value;
}

bool tryStrToFloat(const QString &text, double &value)
{
    const QChar decimal = LocaleSettings::current().decimalSeparator;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && isBlank(text[i]))
        ++i;
    qsizetype end = n;
    while (end > i && isBlank(text[end - 1]))
        --end;

    // Copy into plain ASCII with "." as the decimal point, checking the shape on the way:
    // sign, digits, one decimal separator, digits (at least one digit in all), optional exponent.
    char buffer[512];
    if (end - i >= qsizetype(sizeof buffer))
        return false;
    int len = 0;
    if (i < end && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        if (text[i] == QLatin1Char('-'))
            buffer[len++] = '-';
        ++i;
    }
    int mantissaDigits = 0;
    bool seenDecimal = false;
    for (; i < end; ++i) {
        const QChar c = text[i];
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            buffer[len++] = char(c.unicode());
            ++mantissaDigits;
        } else if (c == decimal && !seenDecimal) {
            buffer[len++] = '.';
            seenDecimal = true;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0)
        return false;
    if (i < end && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        buffer[len++] = 'e';
        ++i;
        if (i < end && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
            buffer[len++] = char(text[i++].unicode());
        int exponentDigits = 0;
        for (; i < end && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i) {
            buffer[len++] = char(text[i].unicode());
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return false;
    }
    if (i != end)
        return false;
    double result = 0;
    const auto [ptr, ec] = std::from_chars(buffer, buffer + len, result);
    if (ec != std::errc() || ptr != buffer + len)
        return false;
    value = result;
    return true;
}

double strToFloat(const QString &text)
{
    double value = 0;
    if (!tryStrToFloat(text, value))
        throw ConversionError::invalidFloat(text);
    return value;
}
