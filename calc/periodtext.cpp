#include "calc/periodtext.h"

#include "calc/localesettings.h"
#include "calc/strictnumber.h"

namespace {
const QString kDay = QStringLiteral("Day");
const QString kWeek = QStringLiteral("Week");
const QString kMonth = QStringLiteral("Month");
const QString kYear = QStringLiteral("Year");
const QString kOnce = QStringLiteral("Once");
} // namespace

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
