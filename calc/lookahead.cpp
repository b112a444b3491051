#include "calc/lookahead.h"

#include "calc/clock.h"
#include "calc/datediff.h"
#include "calc/datetext.h"
#include "calc/numbertext.h"
#include "calc/tablerow.h"
#include "calc/todayprices.h"

#include <QCoreApplication>

#include <algorithm>

DateValue birthdayAt(DateValue birth, int age)
{
    int year = 0, month = 0, day = 0;
    decodeDate(birth, year, month, day);
    year = std::clamp(year + age, 1, 9999);
    return encodeDate(year, month, std::min(day, daysInMonth(year, month)));
}

int wholeYearsOld(DateValue birth, DateValue now)
{
    int by = 0, bm = 0, bd = 0, ny = 0, nm = 0, nd = 0;
    decodeDate(birth, by, bm, bd);
    decodeDate(now, ny, nm, nd);
    int years = ny - by;
    if (birthdayAt(birth, years) > wholeDay(now))
        --years;
    return years;
}

int lowestLookAheadAge(DateValue birth, DateValue now)
{
    return std::clamp(wholeYearsOld(birth, now) + 1, 1, MaxLookAheadAge);
}

int boundedLookAheadAge(int wanted, DateValue birth, DateValue now)
{
    return std::clamp(wanted, lowestLookAheadAge(birth, now), MaxLookAheadAge);
}

std::optional<LookAhead> lookAheadOf(const QString &birthText, int age)
{
    DateValue birth = 0;
    if (!tryStrToDate(birthText, birth))
        return std::nullopt;
    LookAhead ahead;
    ahead.age = age;
    ahead.day = birthdayAt(wholeDay(birth), age);
    ahead.hoursAlive = computedatediff(ahead.day, birth).totalHours;
    return ahead;
}

TotalBreakdown projectedBreakdown(TableKind kind, const QStringList &cells, const LookAhead &ahead, qint64 income)
{
    // An end after the day is cut to it: read as "Now", which the breakdown takes as the day.
    QString end = cells.value(Column::End);
    DateValue endDay = 0;
    if (!isNow(end) && tryStrToDate(end, endDay) && wholeDay(endDay) > ahead.day)
        end = NowText;
    TotalBreakdown b = kind == TableKind::Hours
                           ? hourBreakdownAt(ahead.day, cells.value(Column::Amount), cells.value(Column::Per),
                                             cells.value(Column::Start), end, ahead.hoursAlive)
                           : moneyBreakdownAt(ahead.day, cells.value(Column::Amount), cells.value(Column::Per),
                                              cells.value(Column::Start), end, kind == TableKind::Money, income);
    // Measured backwards, a row begun after the day would count the time between.
    if (wholeDay(b.from) > ahead.day) {
        b.to = b.from;
        b.span = TDateDiff();
        b.periods = 0;
        b.total = 0;
        b.share = 0;
    }
    return b;
}

QString projectedTotalText(TableKind kind, const QStringList &cells, const LookAhead &ahead, qint64 income)
{
    return todayprices::shownTotalText(projectedBreakdown(kind, cells, ahead, income));
}

bool goesOnPastToday(const QString &endText)
{
    DateValue end = 0;
    return isNow(endText) || (tryStrToDate(endText, end) && wholeDay(end) > wholeDay(Clock::now()));
}

QString byAgeWords(const LookAhead &ahead)
{
    return ahead.day > wholeDay(Clock::now())
               ? QCoreApplication::translate("LookAhead", "By age %1 at this pace").arg(ahead.age)
               : QCoreApplication::translate("LookAhead", "By age %1").arg(ahead.age);
}

QString byAgeLine(const LookAhead &ahead)
{
    const QString age = ahead.age == 1 ? QCoreApplication::translate("LookAhead", "Age: %n year", nullptr, ahead.age)
                                       : QCoreApplication::translate("LookAhead", "Age: %n years", nullptr, ahead.age);
    return QCoreApplication::translate("LookAhead", "%1  Hours: %2", "%1 is an age, such as Age: 80 years")
        .arg(age, formatWhole(ahead.hoursAlive));
}
