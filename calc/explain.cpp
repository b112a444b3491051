#include "calc/explain.h"

#include "calc/clock.h"
#include "calc/conversionerror.h"
#include "calc/datetext.h"
#include "calc/numbertext.h"
#include "calc/periodtext.h"
#include "calc/tablerow.h"
#include "calc/todayprices.h"

#include <algorithm>
#include <cmath>

namespace {
const QChar kTimes(0x00D7);
const QChar kDivide(0x00F7);
const QChar kMinus(0x2212);

QString plural(double count, const char *one, const char *many)
{
    return QLatin1Char(' ') + QLatin1String(count == 1 ? one : many);
}

// A count as it came: whole, or with two decimals when it has a fraction.
QString figure(double value)
{
    return formatNumber(value, value == std::floor(value) ? 0 : 2);
}

QString rangeText(const TotalBreakdown &b)
{
    return shortDateText(b.from) + QStringLiteral(" to ") + (b.toIsNow ? QStringLiteral("today") : shortDateText(b.to));
}

QString rateText(const TotalBreakdown &b)
{
    switch (b.kind) {
    case TableKind::Hours:
        return durationWords(b.rate);
    case TableKind::Money:
        return formatMoney(b.rate, 2);
    case TableKind::Frequency:
        break;
    }
    return figure(b.rate) + plural(b.rate, "time", "times");
}

QString totalFigure(const TotalBreakdown &b)
{
    const QString whole = formatWhole(b.total);
    switch (b.kind) {
    case TableKind::Hours:
        return whole + plural(whole == QLatin1String("1") ? 1 : 0, "hour", "hours");
    case TableKind::Money:
        return formatMoneyWhole(b.total);
    case TableKind::Frequency:
        break;
    }
    return whole + plural(whole == QLatin1String("1") ? 1 : 0, "time", "times");
}

QString sharePart(const TotalBreakdown &b, const char *alive = " hours you have been alive")
{
    if (b.share <= 0)
        return QString();
    const QString share = QStringLiteral("; ") + formatNumber(b.share, 2) + QLatin1Char('%');
    if (b.kind == TableKind::Hours)
        return share + QStringLiteral(" of the ") + formatWhole(b.reference) + QLatin1String(alive);
    return share + QStringLiteral(" of your lifetime income of ") + formatMoneyWhole(b.reference);
}

QString monthYear(int year, int month)
{
    return longMonthName(month) + QLatin1Char(' ') + QString::number(year);
}

// A span's year count is the calendar years between its dates; from three calendar years on, the
// whole years by the calendar months, whatever the day; under two days, none. The words name the
// count the figure is.
QString yearsText(const TotalBreakdown &b, const QString &range)
{
    int fy = 0, fm = 0, fd = 0, ty = 0, tm = 0, td = 0;
    decodeDate(std::min(b.from, b.to), fy, fm, fd);
    decodeDate(std::max(b.from, b.to), ty, tm, td);
    const QString count = formatWhole(b.periods);
    QString how;
    if (b.periods == ty - fy) {
        how = fy == ty ? QStringLiteral("both in ") + QString::number(fy)
                       : QStringLiteral("from %1 to %2").arg(fy).arg(ty);
        return count + plural(b.periods, "calendar year", "calendar years") + QStringLiteral(" (") + range +
               QStringLiteral(", ") + how + QLatin1Char(')');
    }
    if (b.span.totalDays < 2)
        how = QStringLiteral("a span under two days counts no year");
    else
        how = QStringLiteral("by the calendar months from ") + monthYear(fy, fm) + QStringLiteral(" to ") +
              monthYear(ty, tm);
    return count + plural(b.periods, "whole year", "whole years") + QStringLiteral(" (") + range +
           QStringLiteral(", ") + how + QLatin1Char(')');
}

QString periodsText(const TotalBreakdown &b)
{
    const QString range = rangeText(b);
    switch (b.basis) {
    case PeriodBasis::Days:
        return formatWhole(b.periods) + plural(b.periods, "day", "days") + QStringLiteral(" (") + range +
               QLatin1Char(')');
    case PeriodBasis::Weeks:
        return figure(b.periods) + plural(b.periods, "week", "weeks") + QStringLiteral(" (") +
               formatWhole(b.span.totalDays) + plural(b.span.totalDays, "day", "days") + QLatin1Char(' ') + kDivide +
               QStringLiteral(" 7, ") + range + QLatin1Char(')');
    case PeriodBasis::Months:
        return formatWhole(b.periods) + plural(b.periods, "month", "months") + QStringLiteral(" (") + range +
               QLatin1Char(')');
    case PeriodBasis::Years:
        return yearsText(b, range);
    case PeriodBasis::None:
    case PeriodBasis::Once:
        break;
    }
    return QString();
}

const char *unitOf(PeriodBasis basis)
{
    switch (basis) {
    case PeriodBasis::Days:
        return " a day";
    case PeriodBasis::Weeks:
        return " a week";
    case PeriodBasis::Months:
        return " a month";
    case PeriodBasis::Years:
        return " a year";
    case PeriodBasis::None:
    case PeriodBasis::Once:
        break;
    }
    return "";
}
} // namespace

QString durationWords(double minutes)
{
    if (!std::isfinite(minutes))
        return formatWhole(minutes);
    const double whole = std::round(std::fabs(minutes));
    const double hours = std::floor(whole / 60);
    const double rest = whole - 60 * hours;
    QString text;
    if (hours > 0 || rest == 0)
        text = formatWhole(hours) + plural(hours, "hour", "hours");
    if (rest > 0) {
        if (!text.isEmpty())
            text += QLatin1Char(' ');
        text += formatWhole(rest) + plural(rest, "minute", "minutes");
    }
    return minutes < 0 && whole > 0 ? QLatin1Char('-') + text : text;
}

QString totalExplanation(const TotalBreakdown &b)
{
    switch (b.basis) {
    case PeriodBasis::None:
        return QStringLiteral("'%1' is not a period this table counts, so the total is 0").arg(b.per);
    case PeriodBasis::Once:
        return QStringLiteral("Once: ") + totalFigure(b) + sharePart(b);
    default:
        break;
    }
    return rateText(b) + QLatin1String(unitOf(b.basis)) + QLatin1Char(' ') + kTimes + QLatin1Char(' ') +
           periodsText(b) + QStringLiteral(" = ") + totalFigure(b) + sharePart(b);
}

QString projectionSentence(const TotalBreakdown &b, const LookAhead &ahead)
{
    const bool later = ahead.day > wholeDay(Clock::now());
    return byAgeWords(ahead) + QStringLiteral(": ") + totalFigure(b) +
           sharePart(b, later ? " hours you will have been alive" : " hours you had been alive");
}

QString explainRow(TableKind kind, const QString &amount, const QString &per, const QString &start, const QString &end,
                   const QString &shownTotal, double hoursAlive, qint64 income, const std::optional<LookAhead> &ahead)
{
    try {
        const TotalBreakdown b = kind == TableKind::Hours
                                     ? hourBreakdown(amount, per, start, end, hoursAlive)
                                     : moneyBreakdown(amount, per, start, end, kind == TableKind::Money, income);
        QString text = totalExplanation(b);
        const PriceBasis *prices = kind == TableKind::Money ? todayprices::inForce() : nullptr;
        if (prices)
            text += QLatin1Char('\n') + todayprices::sentence(b, *prices) + QLatin1Char(' ') +
                    todayprices::noShareSentence();
        if (todayprices::shownTotalText(b) != shownTotal)
            text += QStringLiteral("\nThe total shown is from an earlier count; it is brought up to date when the "
                                   "totals are counted again.");
        if (ahead && goesOnPastToday(end)) {
            TotalBreakdown projected = projectedBreakdown(kind, {QString(), amount, per, start, end}, *ahead, income);
            if (prices)
                projected = todayprices::inTodaysPricesBreakdown(projected, *prices);
            text += QLatin1Char('\n') + projectionSentence(projected, *ahead);
        }
        return text;
    } catch (const ConversionError &e) {
        return QStringLiteral("This row cannot be counted: ") + e.message() + QLatin1Char('.');
    }
}

QString ageExplanation(const QString &birthText)
{
    DateValue birth = 0;
    if (!tryStrToDate(birthText, birth))
        return ConversionError::invalidDate(birthText).message() + QLatin1Char('.');
    const DateValue now = Clock::now();
    if (wholeDay(birth) > wholeDay(now))
        return QStringLiteral("The birth date, ") + longDateText(birth) +
               QStringLiteral(", lies after today: the age and the hours count the time from now until then.");
    const TDateDiff span = computedatediff(now, birth);
    int ey = 0, em = 0, ed = 0, ly = 0, lm = 0, ld = 0;
    decodeDate(birth, ey, em, ed);
    decodeDate(now, ly, lm, ld);

    QString text = QStringLiteral("Counted from ") + longDateText(birth) + QStringLiteral(", at midnight, to now, ") +
                   longDateText(now) + QStringLiteral(", ") + longTimeText(now);
    text += QStringLiteral(".\nHours: ") + formatWhole(span.totalHours) + QStringLiteral(" whole hours (") +
            formatWhole(span.totalDays) + plural(span.totalDays, "day", "days") + QStringLiteral(" and ") +
            formatWhole(span.totalHours - 24 * span.totalDays) + QStringLiteral(" hours).");
    if (span.totalDays < 2) {
        text += QStringLiteral("\nUnder two days, the age is given in whole days.");
        return text;
    }
    if (ly - ey > 2)
        text += QStringLiteral("\nYears and months: the calendar months from ") + monthYear(ey, em) +
                QStringLiteral(" to ") + monthYear(ly, lm) + QStringLiteral(", whatever the day of the month.");
    else
        text += QStringLiteral("\nUnder three calendar years, the years are the calendar years from ") +
                QString::number(ey) + QStringLiteral(" to ") + QString::number(ly) +
                QStringLiteral(" and the months all the calendar months from ") + monthYear(ey, em) +
                QStringLiteral(" to ") + monthYear(ly, lm) + QStringLiteral(", each counted on its own.");
    text += QStringLiteral("\nDays: the day of the month less the birth day, ") + QString::number(ld) +
            QLatin1Char(' ') + kMinus + QLatin1Char(' ') + QString::number(ed) +
            QStringLiteral(", shown when above 0.");
    return text;
}

QString incomeExplanation(qint64 income)
{
    if (income <= 0)
        return QStringLiteral("No lifetime income is given, so the money totals show no percentages.");
    return QStringLiteral("The money you expect to earn in your whole life, as typed on the biography page. "
                          "Each money total's percentage is its share of ") +
           formatMoneyWhole(double(income)) + QLatin1Char('.');
}

QString birthDateReading(const QString &birthText)
{
    DateValue birth = 0;
    if (!tryStrToDate(birthText, birth))
        return QString();
    const bool future = wholeDay(birth) > wholeDay(Clock::now());
    const bool completed = yearCompleted(birthText);
    if (!future && !completed)
        return QString();
    QString text = QStringLiteral("Read as ") + longDateText(birth);
    text += future ? QStringLiteral(" \u2014 in the future.") : QStringLiteral(".");
    if (completed)
        text += QStringLiteral(" Type the year with four digits.");
    return text;
}

bool countsTimeNotYetLived(const QString &start, const QString &end)
{
    const double today = wholeDay(Clock::now());
    DateValue day = 0;
    if (!isNow(end) && tryStrToDate(end, day) && wholeDay(day) > today)
        return true;
    return tryStrToDate(start, day) && wholeDay(day) > today;
}
