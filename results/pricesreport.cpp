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
    const QString year = todayprices::yearPrices(*basis);
    QVector<QStringList> lines{
        {QCoreApplication::translate("Report", "Money in %1", "heading; %1 is the prices' year wording").arg(year)},
        {money.cell(0, Column::Activity), QCoreApplication::translate("Report", "Total as paid"),
         QCoreApplication::translate("Report", "Total in %1").arg(year)}};
    for (int row : money.usedRows()) {
        const TotalBreakdown b = moneyBreakdown(money.cell(row, Column::Amount), money.cell(row, Column::Per),
                                                money.cell(row, Column::Start), money.cell(row, Column::End), true, 0);
        lines.append({money.cell(row, Column::Activity), formatMoneyWhole(b.total),
                      formatMoneyWhole(inTodaysPrices(b, *basis))});
    }
    const QString region = basis->series() ? basis->series()->region : QString();
    for (const QString &line : todayprices::creditLines(*basis, region))
        lines.append({line});
    return lines;
}

} // namespace report
