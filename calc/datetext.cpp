#include "calc/datetext.h"

#include "calc/clock.h"
#include "calc/conversionerror.h"
#include "calc/localesettings.h"

#include <QCoreApplication>

namespace {
void appendNumber(QString &out, int value, int minDigits)
{
    char buffer[16];
    int len = 0;
    unsigned v = value < 0 ? unsigned(-qint64(value)) : unsigned(value);
    do {
        buffer[len++] = char('0' + v % 10);
        v /= 10;
    } while (v != 0);
    while (len < minDigits)
        buffer[len++] = '0';
    if (value < 0)
        out.append(QLatin1Char('-'));
    while (len > 0)
        out.append(QLatin1Char(buffer[--len]));
}

qsizetype runLength(const QString &pattern, qsizetype i)
{
    const QChar c = pattern[i].toLower();
    qsizetype j = i;
    while (j < pattern.size() && pattern[j].toLower() == c)
        ++j;
    return j - i;
}

enum class DateOrder { MDY, DMY, YMD };

DateOrder dateOrder(const QString &pattern)
{
    for (QChar c : pattern) {
        const QChar lower = c.toLower();
        if (lower == QLatin1Char('d'))
            return DateOrder::DMY;
        if (lower == QLatin1Char('m'))
            return DateOrder::MDY;
        if (lower == QLatin1Char('y'))
            return DateOrder::YMD;
    }
    return DateOrder::MDY;
}

struct Scanner {
    const QChar *p;
    const QChar *end;

    void skipBlanks()
    {
        while (p < end && *p == QLatin1Char(' '))
            ++p;
    }
    // Blanks, then digits while one follows and the value so far is below 1000.
    bool number(int &value)
    {
        skipBlanks();
        const QChar *start = p;
        int n = 0;
        while (p < end && n < 1000 && p->unicode() >= '0' && p->unicode() <= '9') {
            n = n * 10 + (p->unicode() - '0');
            ++p;
        }
        value = n;
        return p != start;
    }
    bool separator(QChar sep)
    {
        skipBlanks();
        if (p < end && *p == sep) {
            ++p;
            return true;
        }
        return false;
    }
};
} // namespace

QString shortDateText(DateValue v)
{
    return shortDateText(v, LocaleSettings::current());
}

QString shortDateText(DateValue v, const LocaleSettings &locale)
{
    const QString &pattern = locale.shortDatePattern;
    int year = 0, month = 0, day = 0;
    decodeDate(v, year, month, day);
    QString out;
    out.reserve(pattern.size() + 4);
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar lower = pattern[i].toLower();
        if (lower == QLatin1Char('d') || lower == QLatin1Char('m') || lower == QLatin1Char('y')) {
            const qsizetype run = runLength(pattern, i);
            i += run;
            if (lower == QLatin1Char('d'))
                appendNumber(out, day, run >= 2 ? 2 : 1);
            else if (lower == QLatin1Char('m'))
                appendNumber(out, month, run >= 2 ? 2 : 1);
            else
                // Always four digits: a two-digit year would read back in the current century.
                appendNumber(out, year, 4);
            continue;
        }
        out.append(pattern[i] == QLatin1Char('/') ? locale.dateSeparator : pattern[i]);
        ++i;
    }
    return out;
}

bool tryStrToDate(const QString &text, DateValue &value)
{
    return tryStrToDate(text, value, LocaleSettings::current());
}

namespace {
// `completed`: the year was left out or typed below 100, and the current year or century filled in.
bool parseDate(const QString &text, DateValue &value, const LocaleSettings &locale, bool &completed)
{
    const QChar sep = locale.dateSeparator;
    const DateOrder order = dateOrder(locale.shortDatePattern);
    Scanner s{text.constData(), text.constData() + text.size()};

    int n1 = 0, n2 = 0, n3 = 0;
    if (!s.number(n1) || !s.separator(sep) || !s.number(n2))
        return false;
    int year = 0, month = 0, day = 0;
    if (s.separator(sep)) {
        if (!s.number(n3))
            return false;
        switch (order) {
        case DateOrder::MDY:
            month = n1, day = n2, year = n3;
            break;
        case DateOrder::DMY:
            day = n1, month = n2, year = n3;
            break;
        case DateOrder::YMD:
            year = n1, month = n2, day = n3;
            break;
        }
        completed = year < 100;
        if (completed) {
            int currentYear = 0, m = 0, d = 0;
            decodeDate(Clock::now(), currentYear, m, d);
            year += currentYear / 100 * 100;
        }
    } else {
        completed = true;
        int currentYear = 0, m = 0, d = 0;
        decodeDate(Clock::now(), currentYear, m, d);
        year = currentYear;
        if (order == DateOrder::DMY)
            day = n1, month = n2;
        else
            month = n1, day = n2;
    }
    s.separator(sep);
    s.skipBlanks();
    if (s.p != s.end || !isValidYmd(year, month, day))
        return false;
    value = encodeDate(year, month, day);
    return true;
}
} // namespace

bool tryStrToDate(const QString &text, DateValue &value, const LocaleSettings &locale)
{
    bool completed = false;
    return parseDate(text, value, locale, completed);
}

bool yearCompleted(const QString &text)
{
    DateValue value = 0;
    bool completed = false;
    return parseDate(text, value, LocaleSettings::current(), completed) && completed;
}

DateValue strToDate(const QString &text)
{
    DateValue value = 0;
    if (!tryStrToDate(text, value))
        throw ConversionError::invalidDate(text);
    return value;
}

QString longTimeText(DateValue v)
{
    const LocaleSettings &locale = LocaleSettings::current();
    const QString &format = locale.longTimeFormat;
    int hour = 0, minute = 0, second = 0, msec = 0;
    decodeTime(v, hour, minute, second, msec);
    const bool twelveHour = format.contains(QLatin1String("AMPM"), Qt::CaseInsensitive);
    int shownHour = hour;
    if (twelveHour) {
        shownHour = hour % 12;
        if (shownHour == 0)
            shownHour = 12;
    }
    QString out;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        const QChar lower = c.toLower();
        if (format.mid(i, 4).compare(QLatin1String("AMPM"), Qt::CaseInsensitive) == 0) {
            out.append(hour < 12 ? locale.amText : locale.pmText);
            i += 4;
        } else if (lower == QLatin1Char('h') || lower == QLatin1Char('n') || lower == QLatin1Char('m') ||
                   lower == QLatin1Char('s')) {
            const qsizetype run = runLength(format, i);
            i += run;
            const int value = lower == QLatin1Char('h') ? shownHour : lower == QLatin1Char('s') ? second : minute;
            appendNumber(out, value, run >= 2 ? 2 : 1);
        } else {
            out.append(c == QLatin1Char(':') ? locale.timeSeparator : c);
            ++i;
        }
    }
    return out;
}

QString longMonthName(int month)
{
    const QStringList &names = LocaleSettings::current().longMonthNames;
    if (month >= 1 && month <= names.size())
        return names.at(month - 1);
    static const char *const english[12] = {"January", "February", "March",     "April",   "May",      "June",
                                            "July",    "August",   "September", "October", "November", "December"};
    return month >= 1 && month <= 12 ? QString::fromLatin1(english[month - 1]) : QString();
}

QString longDateText(DateValue v)
{
    int year = 0, month = 0, day = 0;
    decodeDate(v, year, month, day);
    const QString name = longMonthName(month);
    switch (dateOrder(LocaleSettings::current().shortDatePattern)) {
    case DateOrder::DMY:
        return QStringLiteral("%1 %2 %3").arg(day).arg(name).arg(year);
    case DateOrder::YMD:
        return QStringLiteral("%1 %2 %3").arg(year).arg(name).arg(day);
    case DateOrder::MDY:
        break;
    }
    return QStringLiteral("%1 %2, %3").arg(name).arg(day).arg(year);
}

QString shortDatePatternText(const LocaleSettings &locale)
{
    const QString &pattern = locale.shortDatePattern;
    // The letters in the user's language, as "TT.MM.JJJJ" reads in German.
    const QString day =
        QCoreApplication::translate("DateText", "d", "the letter for the day in a date form such as dd/mm/yyyy");
    const QString month =
        QCoreApplication::translate("DateText", "m", "the letter for the month in a date form such as dd/mm/yyyy");
    const QString year =
        QCoreApplication::translate("DateText", "y", "the letter for the year in a date form such as dd/mm/yyyy");
    QString out;
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar lower = pattern[i].toLower();
        if (lower == QLatin1Char('d') || lower == QLatin1Char('m') || lower == QLatin1Char('y')) {
            const qsizetype run = runLength(pattern, i);
            i += run;
            // The year as the program writes it; four digits are always read as they stand.
            if (lower == QLatin1Char('y'))
                out += year.repeated(4);
            else
                out += (lower == QLatin1Char('d') ? day : month).repeated(run >= 2 ? 2 : 1);
            continue;
        }
        out.append(pattern[i] == QLatin1Char('/') ? locale.dateSeparator : pattern[i]);
        ++i;
    }
    return out;
}

QString shortDatePatternText()
{
    return shortDatePatternText(LocaleSettings::current());
}
