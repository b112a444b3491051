#include "calc/lookahead.h"

#include "calc/datediff.h"
#include "calc/datetext.h"
#include "calc/todayprices.h"

#include <algorithm>

namespace {
// The cells of an activity row, as the table keeps them.
enum Cell { Amount = 1, Per = 2, Start = 3, End = 4, Total = 5 };

bool stillGoingOn(const QStringList &cells)
{
    return cells.value(End) == QLatin1String("Now");
}
} // namespace

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
    if (kind == TableKind::Hours)
        return hourBreakdownAt(ahead.day, cells.value(Amount), cells.value(Per), cells.value(Start), cells.value(End),
                               ahead.hoursAlive);
    return moneyBreakdownAt(ahead.day, cells.value(Amount), cells.value(Per), cells.value(Start), cells.value(End),
                            kind == TableKind::Money, income);
}

QString projectedTotalText(TableKind kind, const QStringList &cells, const LookAhead &ahead, qint64 income)
{
    if (!stillGoingOn(cells))
        return cells.value(Total);
    return todayprices::shownTotalText(projectedBreakdown(kind, cells, ahead, income));
}
