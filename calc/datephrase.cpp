#include "calc/datephrase.h"

#include "calc/clock.h"
#include "calc/phrasecore.h"

namespace {
QString number(int n)
{
    return QString::number(n);
}

QString monthsText(int months)
{
    return number(months) + QStringLiteral(" mon") + pluralS(months);
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
    switch (phrasecore::classify(reference, described, counts)) {
    case Kind::None:
        return QString();
    case Kind::Today:
        return QStringLiteral("Today");
    case Kind::Yesterday:
        return QStringLiteral("Yesterday");
    case Kind::Tomorrow:
        return QStringLiteral("Tomorrow");
    case Kind::ThisWeek:
        return QStringLiteral("This week");
    case Kind::NextWeek:
        return QStringLiteral("Next week");
    case Kind::LastWeek:
        return QStringLiteral("Last week");
    case Kind::Weeks:
        return number(counts.weeks) + (later ? QStringLiteral(" wks") : QStringLiteral(" wks ago"));
    case Kind::Months:
        return monthsText(counts.months) + (later ? QString() : QStringLiteral(" ago"));
    case Kind::Years:
        if (later) {
            QString text = number(counts.years) + QStringLiteral(" yrs");
            if (counts.months > 0)
                text += QLatin1Char(' ') + monthsText(counts.months);
            return text;
        } else {
            QString text = number(counts.years) + QStringLiteral(" yrs ");
            if (counts.months > 0)
                text += monthsText(counts.months) + QLatin1Char(' ');
            return text + QStringLiteral("ago");
        }
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
        age = number(counts.days) + (counts.days == 1 ? QStringLiteral(" day old") : QStringLiteral(" days old"));
    } else {
        age = datePhrase(described, birthDate, counts);
        const qsizetype ago = age.indexOf(QLatin1String("ago"));
        if (ago >= 0)
            age.remove(ago, 3);
        age += QStringLiteral("old");
    }

    const double describedDay = wholeDay(described);
    const double today = wholeDay(now);
    if (describedDay < today)
        return text + QStringLiteral("   You were ") + age;
    if (describedDay == today)
        return text + QStringLiteral("   You are ") + age;
    return text + QStringLiteral("   You will be ") + age;
}
