#include "calc/periodtext.h"

#include "app/localesettings.h"
#include "calc/conversionerror.h"

#include <charconv>
#include <limits>

namespace {
const QString kDay = QStringLiteral("Day");
const QString kWeek = QStringLiteral("Week");
const QString kMonth = QStringLiteral("Month");
const QString kYear = QStringLiteral("Year");
const QString kOnce = QStringLiteral("Once");

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

QString pluralSuffix(int n)
{
    return n == 1 ? QString() : QStringLiteral("s");
}

QString digitsOnly(const QString &text)
{
    const QChar decimal = LocaleSettings::current().decimalSeparator;
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == decimal)
            out.append(c);
    }
    return out;
}

QString durationText(int hours, int minutes)
{
    if (hours == 0 && minutes == 0)
        return QStringLiteral("0 Hr 0 Min");
    const QString minutePart = minutes == 1 ? QStringLiteral("1 Min") : QStringLiteral("%1 Mins").arg(minutes);
    if (minutes == 0)
        return hours == 1 ? QStringLiteral("1 Hr") : QStringLiteral("%1 Hrs").arg(hours);
    if (hours == 0)
        return minutePart;
    return (hours == 1 ? QStringLiteral("1 Hr ") : QStringLiteral("%1 Hrs ").arg(hours)) + minutePart;
}

QString periodFromChoice(bool day, bool week)
{
    if (day)
        return kDay;
    return week ? kWeek : kMonth;
}

QString periodName(int index)
{
    switch (index) {
    case 0:
        return kDay;
    case 1:
        return kWeek;
    case 2:
        return kMonth;
    case 3:
        return kYear;
    default:
        return kOnce;
    }
}

int periodIndex(const QString &text)
{
    if (text == kDay)
        return 0;
    if (text == kWeek)
        return 1;
    if (text == kMonth)
        return 2;
    if (text == kYear)
        return 3;
    return 4;
}

bool isDay(const QString &text)
{
    return text.contains(kDay);
}

bool isWeek(const QString &text)
{
    return text.contains(kWeek);
}

bool isMonth(const QString &text)
{
    return text.contains(kMonth);
}

bool isYear(const QString &text)
{
    return text.contains(kYear);
}

bool isOnce(const QString &text)
{
    return text.contains(kOnce);
}

QString wordAt(const QString &text, int n)
{
    QString word;
    if (n <= 1) {
        const qsizetype blank = text.indexOf(QLatin1Char(' '));
        word = blank < 0 ? text : text.left(blank);
    } else {
        // Every single blank starts a new word, so two blanks in a row leave an empty word.
        int counter = 1;
        for (QChar c : text) {
            if (c == QLatin1Char(' '))
                ++counter;
            else if (counter == n)
                word.append(c);
        }
    }
    qsizetype start = 0;
    qsizetype end = word.size();
    while (start < end && word[start].unicode() <= 32)
        ++start;
    while (end > start && word[end - 1].unicode() <= 32)
        --end;
    return word.mid(start, end - start);
}

int hoursOf(const QString &duration)
{
    if (!duration.contains(QLatin1String("Hr")))
        return 0;
    return strToInt(wordAt(duration, 1));
}

int minutesOf(const QString &duration)
{
    if (!duration.contains(QLatin1String("Min")))
        return 0;
    return strToInt(wordAt(duration, duration.contains(QLatin1String("Hr")) ? 3 : 1));
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
