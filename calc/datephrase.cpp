#include "calc/datephrase.h"

#include "calc/clock.h"
#include "calc/phrasecore.h"
#include <QCoreApplication>

namespace {
// English says "1 mon" and "3 mons"; every language gives its own plural forms of both.
QString monthsText(int months)
{
    return months == 1 ? QCoreApplication::translate("DatePhrase", "%n mon", "short for month", months)
                       : QCoreApplication::translate("DatePhrase", "%n mons", "short for months", months);
}

// How long, without the direction: "11 wks", "5 mons", "3 yrs 2 mons".
QString spanText(phrasecore::Kind kind, const PhraseCounts &counts)
{
    switch (kind) {
    case phrasecore::Kind::Weeks:
        return QCoreApplication::translate("DatePhrase", "%n wks", "short for weeks", counts.weeks);
    case phrasecore::Kind::Months:
        return monthsText(counts.months);
    case phrasecore::Kind::Years: {
        const QString years = QCoreApplication::translate("DatePhrase", "%n yrs", "short for years", counts.years);
        return counts.months > 0 ? years + QLatin1Char(' ') + monthsText(counts.months) : years;
    }
    default:
        return QString();
    }
}
} // namespace

namespace phrasecore {

Kind classify(DateValue reference, DateValue described, PhraseCounts &counts)
{
    int y1 = 0, m1 = 0, d1 = 0;
    int y2 = 0, m2 = 0, d2 = 0;
    decodeDate(reference, y1, m1, d1);
    decodeDate(described, y2, m2, d2);
    const double refDay = wholeDay(reference);
    const double descDay = wholeDay(described);
    const bool later = refDay < descDay;
    if (y2 == 0)
        return Kind::None;

    const int days = int(qAbs(refDay - descDay));
    counts.days = days;
    if (days == 0)
        return Kind::Today;
    if (days == 1)
        return later ? Kind::Tomorrow : Kind::Yesterday;

    const int dow1 = dayOfWeek(reference);
    const int dow2 = dayOfWeek(described);
    if (later) {
        counts.weeks = (days + dow1 - 1) / 7;
        counts.months = (y2 * 12 + m2) - (y1 * 12 + m1);
        counts.years = y2 - y1;
        if (days <= 7 - dow1)
            return Kind::ThisWeek;
        if (counts.weeks < 2)
            return Kind::NextWeek;
        if (counts.months < 3)
            return Kind::Weeks;
        if (counts.years <= 2)
            return Kind::Months;
    } else {
        counts.weeks = (days + dow2 - 1) / 7;
        counts.months = (y1 * 12 + m1) - (y2 * 12 + m2);
        counts.years = y1 - y2;
        if (counts.weeks == 0)
            return Kind::ThisWeek;
        if (counts.weeks == 1)
            return Kind::LastWeek;
        if (counts.months < 3)
            return Kind::Weeks;
        if (counts.years <= 2)
            return Kind::Months;
    }
    // Years and months from the calendar months alone; the day of the month plays no part.
    counts.years -= 1;
    counts.months -= 12 * counts.years;
    if (counts.months >= 12) {
        counts.years += counts.months / 12;
        counts.months %= 12;
    }
    return Kind::Years;
}

} // namespace phrasecore

QString pluralS(int n)
{
    return n > 1 ? QStringLiteral("s") : QString();
}

QString datePhrase(DateValue reference, DateValue described, PhraseCounts &counts)
{
    using phrasecore::Kind;
    const bool later = wholeDay(reference) < wholeDay(described);
    const Kind kind = phrasecore::classify(reference, described, counts);
    switch (kind) {
    case Kind::None:
        return QString();
    case Kind::Today:
        return QCoreApplication::translate("DatePhrase", "Today");
    case Kind::Yesterday:
        return QCoreApplication::translate("DatePhrase", "Yesterday");
    case Kind::Tomorrow:
        return QCoreApplication::translate("DatePhrase", "Tomorrow");
    case Kind::ThisWeek:
        return QCoreApplication::translate("DatePhrase", "This week");
    case Kind::NextWeek:
        return QCoreApplication::translate("DatePhrase", "Next week");
    case Kind::LastWeek:
        return QCoreApplication::translate("DatePhrase", "Last week");
    case Kind::Weeks:
    case Kind::Months:
    case Kind::Years:
        return later ? spanText(kind, counts)
                     : QCoreApplication::translate("DatePhrase", "%1 ago", "%1 is a span of time, such as 3 yrs 2 mons")
                           .arg(spanText(kind, counts));
    }
    return QString();
}

QString datePhraseFromNow(DateValue described)
{
    PhraseCounts counts;
    return datePhrase(Clock::now(), described, counts);
}

QString dateWhenText(DateValue described, DateValue birthDate)
{
    const DateValue now = Clock::now();
    PhraseCounts ignored;
    const QString text = datePhrase(now, described, ignored);
    if (!(wholeDay(described) > wholeDay(birthDate)))
        return text;

    PhraseCounts counts;
    QString age;
    const phrasecore::Kind kind = phrasecore::classify(described, birthDate, counts);
    if (kind == phrasecore::Kind::Yesterday || kind == phrasecore::Kind::ThisWeek ||
        kind == phrasecore::Kind::LastWeek) {
        // A word such as "Yesterday" says nothing as an age; in the first days count them.
        age = counts.days == 1 ? QCoreApplication::translate("DatePhrase", "%n day old", "an age", counts.days)
                               : QCoreApplication::translate("DatePhrase", "%n days old", "an age", counts.days);
    } else {
        age = QCoreApplication::translate("DatePhrase", "%1 old", "an age; %1 is a span of time, such as 3 yrs 2 mons")
                  .arg(spanText(kind, counts))
                  .trimmed();
    }

    const double describedDay = wholeDay(described);
    const double today = wholeDay(now);
    // The three spaces set the age apart from the phrase on one line.
    if (describedDay < today)
        return QCoreApplication::translate("DatePhrase", "%1   You were %2",
                                           "%1 is when, such as 3 yrs ago; %2 the age then")
            .arg(text, age);
    if (describedDay == today)
        return QCoreApplication::translate("DatePhrase", "%1   You are %2", "%1 is when (today); %2 the age")
            .arg(text, age);
    return QCoreApplication::translate("DatePhrase", "%1   You will be %2",
                                       "%1 is when, such as 3 yrs; %2 the age then")
        .arg(text, age);
}
