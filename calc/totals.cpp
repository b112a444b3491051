#include "calc/totals.h"

#include "calc/clock.h"
#include "calc/datediff.h"
#include "calc/datetext.h"
#include "calc/numbertext.h"
#include "calc/periodtext.h"
#include "calc/strictnumber.h"

namespace {
TDateDiff rowSpan(const QString &start, const QString &end)
{
    const DateValue from = strToDate(start);
    const DateValue to = end == QLatin1String("Now") ? Clock::now() : strToDate(end);
    return computedatediff(from, to);
}
} // namespace

QString hourTotalText(const QString &duration, const QString &per, const QString &start, const QString &end,
                      double hoursAlive)
{
    const TDateDiff span = rowSpan(start, end);
    const double perPeriod = 60.0 * hoursOf(duration) + minutesOf(duration);
    // A later match replaces an earlier one; a period word the table does not know totals 0.
    double minutes = 0;
    if (isDay(per))
        minutes = perPeriod * span.totalDays;
    if (isWeek(per))
        minutes = perPeriod * span.totalDays * (1.0 / 7);
    if (isMonth(per))
        minutes = perPeriod * span.totalMonths;
    const double hours = minutes * (1.0 / 60);
    const double share = hoursAlive > 0 ? 100 * hours / hoursAlive : 0;
    QString text = formatWhole(hours);
    if (share > 0)
        text += formatShare(share);
    return text;
}

QString moneyTotalText(const QString &amount, const QString &per, const QString &start, const QString &end,
                       bool isMoney, qint64 income)
{
    const TDateDiff span = rowSpan(start, end);
    const double a = strToFloat(digitsOnly(amount));
    double total = 0;
    if (isDay(per))
        total = a * span.totalDays;
    if (isWeek(per))
        total = a * span.totalDays * (1.0 / 7);
    if (isMonth(per))
        total = a * span.totalMonths;
    if (isYear(per))
        total = span.years * a;
    if (isOnce(per))
        total = a;
    double share = 0;
    if (isMoney && income > 0)
        share = 100 * total / double(income);
    QString text = isMoney ? formatMoneyWhole(total) : formatWhole(total);
    if (share > 0)
        text += formatShare(share);
    return text;
}

double totalCellValue(const QString &cell)
{
    const qsizetype cut = cell.indexOf(QLatin1String(" ("));
    return strToFloat(digitsOnly(cut >= 0 ? cell.left(cut) : cell));
}

QString ageLine(const QString &birthText)
{
    const DateValue birth = strToDate(birthText);
    const TDateDiff span = computedatediff(Clock::now(), birth);
    return QStringLiteral("Age: ") + ymd(span) + QStringLiteral(" Hours: ") + formatWhole(span.totalHours);
}

QString incomeLine(const QString &incomeText)
{
    return QStringLiteral("Lifetime income: ") + incomeText;
}
