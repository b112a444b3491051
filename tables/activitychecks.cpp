#include "tables/activitychecks.h"

#include "calc/conversionerror.h"
#include "calc/explain.h"
#include "calc/numbertext.h"
#include "calc/todayprices.h"
#include "tables/activitymodel.h"
#include <QCoreApplication>
#include <QVector>

std::optional<Overload> hoursOverlap(const ActivityModel &hours)
{
    using C = ActivityModel;
    QVector<DailyLoad> loads;
    for (int row : hours.usedRows()) {
        try {
            const TotalBreakdown b = hourBreakdown(hours.cell(row, C::Amount), hours.cell(row, C::Per),
                                                   hours.cell(row, C::Start), hours.cell(row, C::End), 0);
            if (const std::optional<DailyLoad> load = dailyLoad(b))
                loads.append(*load);
        } catch (const ConversionError &) {
        }
    }
    return firstOverload(loads);
}

double incomeShareSum(const ActivityModel &money, qint64 income)
{
    if (income <= 0)
        return 0;
    using C = ActivityModel;
    // In today's prices the cells hold other money than the income, a sum of unknown years: the
    // share is of the totals as paid.
    const bool todaysPrices = todayprices::inForce() != nullptr;
    double sum = 0;
    for (int row : money.usedRows()) {
        double value = 0;
        if (!tryTotalCellValue(money.cell(row, C::Total), value))
            continue;
        if (todaysPrices) {
            try {
                value = moneyBreakdown(money.cell(row, C::Amount), money.cell(row, C::Per), money.cell(row, C::Start),
                                       money.cell(row, C::End), true, income)
                            .total;
            } catch (const ConversionError &) {
            }
        }
        sum += value;
    }
    return 100 * sum / double(income);
}

QString overlapWarning(const ActivityModel &hours)
{
    const std::optional<Overload> overload = hoursOverlap(hours);
    return overload ? overloadMessage(*overload) : QString();
}

QString incomeWarning(const ActivityModel &money, qint64 income)
{
    const double share = incomeShareSum(money, income);
    if (!(share > 100))
        return QString();
    return QCoreApplication::translate("ActivityChecks", "Your money activities add up to %1% of your lifetime income.",
                                       "%1 is a percentage, such as 104.50")
        .arg(formatNumber(share, 2));
}
