#include "calc/totals.h"

#include "calc/clock.h"
#include "calc/conversionerror.h"
#include "calc/datediff.h"
#include "calc/datetext.h"
#include "calc/numbertext.h"
#include "calc/periodtext.h"
#include "calc/strictnumber.h"
#include "calc/tablerow.h"
#include "calc/todayprices.h"

#include <QCoreApplication>

namespace {
// A conversion of one cell; a failure names the cell, so that it can be found among many rows.
template <typename Convert> auto inColumn(int column, Convert convert)
{
    try {
        return convert();
    } catch (ConversionError &e) {
        e.setColumn(column);
        throw;
    }
}

void measureSpan(TotalBreakdown &b, const QString &start, const QString &end, DateValue now)
{
    b.from = inColumn(Column::Start, [&] { return strToDate(start); });
    b.toIsNow = isNow(end);
    b.to = b.toIsNow ? now : inColumn(Column::End, [&] { return strToDate(end); });
    b.span = computedatediff(b.from, b.to);
}
} // namespace

// The products below keep their factors in this order: the cell texts depend on the last bit.
TotalBreakdown hourBreakdown(const QString &duration, const QString &per, const QString &start, const QString &end,
                             double hoursAlive)
{
    return hourBreakdownAt(Clock::now(), duration, per, start, end, hoursAlive);
}

TotalBreakdown hourBreakdownAt(DateValue now, const QString &duration, const QString &per, const QString &start,
                               const QString &end, double hoursAlive)
{
    TotalBreakdown b;
    b.kind = TableKind::Hours;
    b.per = per;
    b.reference = hoursAlive;
    measureSpan(b, start, end, now);
    const TDateDiff &span = b.span;
    const double perPeriod = inColumn(Column::Amount, [&] { return 60.0 * hoursOf(duration) + minutesOf(duration); });
    b.rate = perPeriod;
    // A later match replaces an earlier one; a period word the table does not know totals 0.
    double minutes = 0;
    auto counted = [&b, &minutes](PeriodBasis basis, double periods, double total) {
        b.basis = basis;
        b.periods = periods;
        minutes = total;
    };
    if (isDay(per))
        counted(PeriodBasis::Days, span.totalDays, perPeriod * span.totalDays);
    if (isWeek(per))
        counted(PeriodBasis::Weeks, span.totalDays * (1.0 / 7), perPeriod * span.totalDays * (1.0 / 7));
    if (isMonth(per))
        counted(PeriodBasis::Months, span.totalMonths, perPeriod * span.totalMonths);
    b.total = minutes * (1.0 / 60);
    b.share = hoursAlive > 0 ? 100 * b.total / hoursAlive : 0;
    return b;
}

TotalBreakdown moneyBreakdown(const QString &amount, const QString &per, const QString &start, const QString &end,
                              bool isMoney, qint64 income)
{
    return moneyBreakdownAt(Clock::now(), amount, per, start, end, isMoney, income);
}

TotalBreakdown moneyBreakdownAt(DateValue now, const QString &amount, const QString &per, const QString &start,
                                const QString &end, bool isMoney, qint64 income)
{
    TotalBreakdown b;
    b.kind = isMoney ? TableKind::Money : TableKind::Frequency;
    b.per = per;
    b.reference = isMoney ? double(income) : 0;
    measureSpan(b, start, end, now);
    const TDateDiff &span = b.span;
    const double a = inColumn(Column::Amount, [&] { return strToFloat(digitsOnly(amount)); });
    b.rate = a;
    // As for hours: a later match replaces an earlier one.
    auto counted = [&b](PeriodBasis basis, double periods, double total) {
        b.basis = basis;
        b.periods = periods;
        b.total = total;
    };
    if (isDay(per))
        counted(PeriodBasis::Days, span.totalDays, a * span.totalDays);
    if (isWeek(per))
        counted(PeriodBasis::Weeks, span.totalDays * (1.0 / 7), a * span.totalDays * (1.0 / 7));
    if (isMonth(per))
        counted(PeriodBasis::Months, span.totalMonths, a * span.totalMonths);
    if (isYear(per))
        counted(PeriodBasis::Years, span.years, span.years * a);
    if (isOnce(per))
        counted(PeriodBasis::Once, 1, a);
    if (isMoney && income > 0)
        b.share = 100 * b.total / double(income);
    return b;
}

QString totalText(const TotalBreakdown &b)
{
    QString text = b.kind == TableKind::Money ? formatMoneyWhole(b.total) : formatWhole(b.total);
    if (b.share > 0)
        text += formatShare(b.share);
    return text;
}

QString hourTotalText(const QString &duration, const QString &per, const QString &start, const QString &end,
                      double hoursAlive)
{
    return totalText(hourBreakdown(duration, per, start, end, hoursAlive));
}

QString moneyTotalText(const QString &amount, const QString &per, const QString &start, const QString &end,
                       bool isMoney, qint64 income)
{
    return todayprices::shownTotalText(moneyBreakdown(amount, per, start, end, isMoney, income));
}

namespace {
QString totalDigits(const QString &cell)
{
    const qsizetype cut = cell.indexOf(QLatin1String(" ("));
    return digitsOnly(cut >= 0 ? cell.left(cut) : cell);
}
} // namespace

double totalCellValue(const QString &cell)
{
    return strToFloat(totalDigits(cell));
}

bool tryTotalCellValue(const QString &cell, double &value)
{
    return tryStrToFloat(totalDigits(cell), value);
}

QString ageLine(const QString &birthText)
{
    const DateValue birth = strToDate(birthText);
    const TDateDiff span = computedatediff(Clock::now(), birth);
    QString age = ymd(span);
    // Spans of 0 or 1 day have no year or month count, and a day count that crosses a month's
    // end is negative: say the whole days rather than nothing.
    if (age.isEmpty())
        age = (span.totalDays == 1 ? QCoreApplication::translate("Totals", "%n day", "an age", int(span.totalDays))
                                   : QCoreApplication::translate("Totals", "%n days", "an age", int(span.totalDays))) +
              QLatin1Char(' ');
    return QCoreApplication::translate("Totals", "Age: %1 Hours: %2", "%1 is an age such as 40 yrs 2 mons")
        .arg(age, formatWhole(span.totalHours));
}

QString incomeLine(const QString &incomeText)
{
    return QCoreApplication::translate("Totals", "Lifetime income: %1").arg(incomeText);
}
