#include "results/pricesreport.h"

#include "calc/numbertext.h"
#include "calc/todayprices.h"
#include "tables/activitymodel.h"

namespace report {

QVector<QStringList> pricesSection(const ActivityModel &money)
{
    const PriceBasis *basis = todayprices::inForce();
    if (!basis)
        return {};
    const QString year = todayprices::yearPrices(*basis);
    QVector<QStringList> lines{
        {QStringLiteral("Money in ") + year},
        {money.cell(0, Column::Activity), QStringLiteral("Total as paid"), QStringLiteral("Total in ") + year}};
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
