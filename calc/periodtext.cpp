#include "calc/periodtext.h"

#include "calc/localesettings.h"
#include "calc/strictnumber.h"
#include "calc/tablerow.h"

#include <QCoreApplication>

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

QString shownNowText()
{
    return QCoreApplication::translate("TableWords", "Now", "the end date of an activity still going on");
}

QString shownCellText(int column, const QString &text)
{
    switch (column) {
    case Column::Per:
        if (text == kDay)
            return QCoreApplication::translate("TableWords", "Day", "a period: per day");
        if (text == kWeek)
            return QCoreApplication::translate("TableWords", "Week", "a period: per week");
        if (text == kMonth)
            return QCoreApplication::translate("TableWords", "Month", "a period: per month");
        if (text == kYear)
            return QCoreApplication::translate("TableWords", "Year", "a period: per year");
        if (text == kOnce)
            return QCoreApplication::translate("TableWords", "Once", "a period: done or paid once");
        return text;
    case Column::End:
        return isNow(text) ? shownNowText() : text;
    case Column::Amount: {
        // A duration such as "1 Hr 30 Mins": its unit words, one by one, so that a text the file
        // holds in another form still shows every figure it has.
        QStringList words = text.split(QLatin1Char(' '));
        for (QString &word : words) {
            if (word == QLatin1String("Hr"))
                word = QCoreApplication::translate("TableWords", "Hr", "short for hour, after 1");
            else if (word == QLatin1String("Hrs"))
                word = QCoreApplication::translate("TableWords", "Hrs", "short for hours, after a number");
            else if (word == QLatin1String("Min"))
                word = QCoreApplication::translate("TableWords", "Min", "short for minute, after 1");
            else if (word == QLatin1String("Mins"))
                word = QCoreApplication::translate("TableWords", "Mins", "short for minutes, after a number");
        }
        return words.join(QLatin1Char(' '));
    }
    default:
        return text;
    }
}
