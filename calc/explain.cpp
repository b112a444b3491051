#include "calc/explain.h"

#include "calc/clock.h"
#include "calc/conversionerror.h"
#include "calc/datetext.h"
#include "calc/numbertext.h"
#include "calc/periodtext.h"
#include "calc/tablerow.h"
#include "calc/todayprices.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace {
const QChar kTimes(0x00D7);
const QChar kDivide(0x00F7);
const QChar kMinus(0x2212);

// The context of this file's texts.
struct Explain {
    Q_DECLARE_TR_FUNCTIONS(Explain)
};

// A figure with its unit in the form its count asks for; `one` and `many` take the figure as %1.
// The count picks the language's plural form, so "1,5 semaine" stays singular in French.
QString counted(double count, const QString &figure, const char *one, const char *many)
{
    const int n = count >= 2e9 ? 2000000000 : count <= -2e9 ? -2000000000 : int(count);
    return QCoreApplication::translate("Explain", count == 1 ? one : many, nullptr, n).arg(figure);
}

// A count as it came: whole, or with two decimals when it has a fraction.
QString figure(double value)
{
    return formatNumber(value, value == std::floor(value) ? 0 : 2);
}

const char *const kTimeOne = QT_TRANSLATE_N_NOOP("Explain", "%1 time");
const char *const kTimeMany = QT_TRANSLATE_N_NOOP("Explain", "%1 times");
const char *const kHourOne = QT_TRANSLATE_N_NOOP("Explain", "%1 hour");
const char *const kHourMany = QT_TRANSLATE_N_NOOP("Explain", "%1 hours");
const char *const kDayOne = QT_TRANSLATE_N_NOOP("Explain", "%1 day");
const char *const kDayMany = QT_TRANSLATE_N_NOOP("Explain", "%1 days");

QString rangeText(const TotalBreakdown &b)
{
    return Explain::tr("%1 to %2", "a span of dates")
        .arg(shortDateText(b.from), b.toIsNow ? Explain::tr("today") : shortDateText(b.to));
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
    return counted(b.rate, figure(b.rate), kTimeOne, kTimeMany);
}

QString totalFigure(const TotalBreakdown &b)
{
    const QString whole = formatWhole(b.total);
    const double count = whole == QLatin1String("1") ? 1 : 0;
    switch (b.kind) {
    case TableKind::Hours:
        return counted(count == 1 ? 1 : b.total, whole, kHourOne, kHourMany);
    case TableKind::Money:
        return formatMoneyWhole(b.total);
    case TableKind::Frequency:
        break;
    }
    return counted(count == 1 ? 1 : b.total, whole, kTimeOne, kTimeMany);
}

enum class Lived { Now, Later, Then };

QString sharePart(const TotalBreakdown &b, Lived lived = Lived::Now)
{
    if (b.share <= 0)
        return QString();
    const QString share = formatNumber(b.share, 2);
    const QString reference = formatWhole(b.reference);
    QString text;
    if (b.kind != TableKind::Hours)
        text = Explain::tr("%1% of your lifetime income of %2").arg(share, formatMoneyWhole(b.reference));
    else if (lived == Lived::Later)
        text = Explain::tr("%1% of the %2 hours you will have been alive").arg(share, reference);
    else if (lived == Lived::Then)
        text = Explain::tr("%1% of the %2 hours you had been alive").arg(share, reference);
    else
        text = Explain::tr("%1% of the %2 hours you have been alive").arg(share, reference);
    return QStringLiteral("; ") + text;
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
        how = fy == ty ? Explain::tr("both in %1", "both dates in one year").arg(fy)
                       : Explain::tr("from %1 to %2", "from one year to another").arg(fy).arg(ty);
        return counted(b.periods, count, QT_TRANSLATE_N_NOOP("Explain", "%1 calendar year"),
                       QT_TRANSLATE_N_NOOP("Explain", "%1 calendar years")) +
               QStringLiteral(" (") + range + QStringLiteral(", ") + how + QLatin1Char(')');
    }
    if (b.span.totalDays < 2)
        how = Explain::tr("a span under two days counts no year");
    else
        how = Explain::tr("by the calendar months from %1 to %2").arg(monthYear(fy, fm), monthYear(ty, tm));
    return counted(b.periods, count, QT_TRANSLATE_N_NOOP("Explain", "%1 whole year"),
                   QT_TRANSLATE_N_NOOP("Explain", "%1 whole years")) +
           QStringLiteral(" (") + range + QStringLiteral(", ") + how + QLatin1Char(')');
}

QString periodsText(const TotalBreakdown &b)
{
    const QString range = rangeText(b);
    switch (b.basis) {
    case PeriodBasis::Days:
        return counted(b.periods, formatWhole(b.periods), kDayOne, kDayMany) + QStringLiteral(" (") + range +
               QLatin1Char(')');
    case PeriodBasis::Weeks:
        return counted(b.periods, figure(b.periods), QT_TRANSLATE_N_NOOP("Explain", "%1 week"),
                       QT_TRANSLATE_N_NOOP("Explain", "%1 weeks")) +
               QStringLiteral(" (") + counted(b.span.totalDays, formatWhole(b.span.totalDays), kDayOne, kDayMany) +
               QLatin1Char(' ') + kDivide + QStringLiteral(" 7, ") + range + QLatin1Char(')');
    case PeriodBasis::Months:
        return counted(b.periods, formatWhole(b.periods), QT_TRANSLATE_N_NOOP("Explain", "%1 month"),
                       QT_TRANSLATE_N_NOOP("Explain", "%1 months")) +
               QStringLiteral(" (") + range + QLatin1Char(')');
    case PeriodBasis::Years:
        return yearsText(b, range);
    case PeriodBasis::None:
    case PeriodBasis::Once:
        break;
    }
    return QString();
}

// "8 hours a day", "$40.00 a year".
QString ratePerPeriod(const QString &rate, PeriodBasis basis)
{
    switch (basis) {
    case PeriodBasis::Days:
        return Explain::tr("%1 a day", "%1 is an amount, a duration or a count").arg(rate);
    case PeriodBasis::Weeks:
        return Explain::tr("%1 a week", "%1 is an amount, a duration or a count").arg(rate);
    case PeriodBasis::Months:
        return Explain::tr("%1 a month", "%1 is an amount, a duration or a count").arg(rate);
    case PeriodBasis::Years:
        return Explain::tr("%1 a year", "%1 is an amount, a duration or a count").arg(rate);
    case PeriodBasis::None:
    case PeriodBasis::Once:
        break;
    }
    return rate;
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
        text = counted(hours, formatWhole(hours), kHourOne, kHourMany);
    if (rest > 0) {
        if (!text.isEmpty())
            text += QLatin1Char(' ');
        text += counted(rest, formatWhole(rest), QT_TRANSLATE_N_NOOP("Explain", "%1 minute"),
                        QT_TRANSLATE_N_NOOP("Explain", "%1 minutes"));
    }
    return minutes < 0 && whole > 0 ? QLatin1Char('-') + text : text;
}

QString totalExplanation(const TotalBreakdown &b)
{
    switch (b.basis) {
    case PeriodBasis::None:
        return Explain::tr("'%1' is not a period this table counts, so the total is 0").arg(b.per);
    case PeriodBasis::Once:
        return Explain::tr("Once: %1", "a total of something done or paid once").arg(totalFigure(b)) + sharePart(b);
    default:
        break;
    }
    return ratePerPeriod(rateText(b), b.basis) + QLatin1Char(' ') + kTimes + QLatin1Char(' ') + periodsText(b) +
           QStringLiteral(" = ") + totalFigure(b) + sharePart(b);
}

QString projectionSentence(const TotalBreakdown &b, const LookAhead &ahead)
{
    const bool later = ahead.day > wholeDay(Clock::now());
    return byAgeWords(ahead) + QStringLiteral(": ") + totalFigure(b) + sharePart(b, later ? Lived::Later : Lived::Then);
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
            text += QLatin1Char('\n') +
                    Explain::tr("The total shown is from an earlier count; it is brought up to date when "
                                "the totals are counted again.");
        if (ahead && goesOnPastToday(end)) {
            TotalBreakdown projected = projectedBreakdown(kind, {QString(), amount, per, start, end}, *ahead, income);
            if (prices)
                projected = todayprices::inTodaysPricesBreakdown(projected, *prices);
            text += QLatin1Char('\n') + projectionSentence(projected, *ahead);
        }
        return text;
    } catch (const ConversionError &e) {
        return Explain::tr("This row cannot be counted: %1.", "%1 says which text could not be read").arg(e.message());
    }
}

QString ageExplanation(const QString &birthText)
{
    DateValue birth = 0;
    if (!tryStrToDate(birthText, birth))
        return ConversionError::invalidDate(birthText).message() + QLatin1Char('.');
    const DateValue now = Clock::now();
    if (wholeDay(birth) > wholeDay(now))
        return Explain::tr(
                   "The birth date, %1, lies after today: the age and the hours count the time from now until then.")
            .arg(longDateText(birth));
    const TDateDiff span = computedatediff(now, birth);
    int ey = 0, em = 0, ed = 0, ly = 0, lm = 0, ld = 0;
    decodeDate(birth, ey, em, ed);
    decodeDate(now, ly, lm, ld);

    QString text = Explain::tr("Counted from %1, at midnight, to now, %2, %3.", "a date, today's date, the time of day")
                       .arg(longDateText(birth), longDateText(now), longTimeText(now));
    text += QLatin1Char('\n') + Explain::tr("Hours: %1 whole hours (%2 and %3 hours).", "%2 is a count of days")
                                    .arg(formatWhole(span.totalHours),
                                         counted(span.totalDays, formatWhole(span.totalDays), kDayOne, kDayMany),
                                         formatWhole(span.totalHours - 24 * span.totalDays));
    if (span.totalDays < 2) {
        text += QLatin1Char('\n') + Explain::tr("Under two days, the age is given in whole days.");
        return text;
    }
    if (ly - ey > 2)
        text += QLatin1Char('\n') +
                Explain::tr("Years and months: the calendar months from %1 to %2, whatever the day of the "
                            "month.")
                    .arg(monthYear(ey, em), monthYear(ly, lm));
    else
        text += QLatin1Char('\n') +
                Explain::tr("Under three calendar years, the years are the calendar years from %1 to %2 "
                            "and the months all the calendar months from %3 to %4, each counted on its "
                            "own.")
                    .arg(QString::number(ey), QString::number(ly), monthYear(ey, em), monthYear(ly, lm));
    text += QLatin1Char('\n') +
            Explain::tr("Days: the day of the month less the birth day, %1, shown when above 0.",
                        "%1 is a subtraction such as 12 − 3")
                .arg(QString::number(ld) + QLatin1Char(' ') + kMinus + QLatin1Char(' ') + QString::number(ed));
    return text;
}

QString incomeExplanation(qint64 income)
{
    if (income <= 0)
        return Explain::tr("No lifetime income is given, so the money totals show no percentages.");
    return Explain::tr(
               "The money you expect to earn in your whole life, as typed on the biography page. Each money total's "
               "percentage is its share of %1.")
        .arg(formatMoneyWhole(double(income)));
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
    QString text = future ? Explain::tr("Read as %1 \u2014 in the future.", "a birth date").arg(longDateText(birth))
                          : Explain::tr("Read as %1.", "a birth date").arg(longDateText(birth));
    if (completed)
        text += QLatin1Char(' ') + Explain::tr("Type the year with four digits.");
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
