#include "results/pricesreport.h"

#include "calc/numbertext.h"
#include "calc/todayprices.h"
#include "tables/activitymodel.h"
#include <QCoreApplication>

namespace report {

QVector<QStringList> pricesSection(const ActivityModel &money)
{
    const PriceBasis *basis = todayprices::inForce();
    if (!basis)
        return {};
    using C = ActivityModel;
    const QString year = todayprices::yearPrices(*basis);
    QVector<QStringList> lines{
        {QCoreApplication::translate("Report", "Money in %1", "heading; %1 is the prices' year wording").arg(year)},
        {money.cell(0, C::Activity), QCoreApplication::translate("Report", "Total as paid"),
         QCoreApplication::translate("Report", "Total in %1").arg(year)}};
    for (int row : money.usedRows()) {
        const TotalBreakdown b = moneyBreakdown(money.cell(row, C::Amount), money.cell(row, C::Per),
                                                money.cell(row, C::Start), money.cell(row, C::End), true, 0);
        lines.append(
            {money.cell(row, C::Activity), formatMoneyWhole(b.total), formatMoneyWhole(inTodaysPrices(b, *basis))});
    }
    const QString region = basis->series() ? basis->series()->region : QString();
    for (const QString &line : todayprices::creditLines(*basis, region))
        lines.append({line});
    return lines;
}

} // namespace report
