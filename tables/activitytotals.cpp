#include "tables/activitytotals.h"

#include "calc/totals.h"
#include "tables/activitymodel.h"

void computeHourTotal(ActivityModel &hours, int row, double hoursAlive)
{
    using C = ActivityModel;
    hours.setExplanationContext(TableKind::Hours, hoursAlive, 0);
    hours.setCell(row, C::Total,
                  hourTotalText(hours.cell(row, C::Amount), hours.cell(row, C::Per), hours.cell(row, C::Start),
                                hours.cell(row, C::End), hoursAlive));
}

void computeMoneyTotal(ActivityModel &table, int row, bool isMoney, qint64 income)
{
    using C = ActivityModel;
    table.setExplanationContext(isMoney ? TableKind::Money : TableKind::Frequency, 0, income);
    table.setCell(row, C::Total,
                  moneyTotalText(table.cell(row, C::Amount), table.cell(row, C::Per), table.cell(row, C::Start),
                                 table.cell(row, C::End), isMoney, income));
}

void computeAllRowTotals(ActivityModel &hours, ActivityModel &money, ActivityModel &freq, double hoursAlive,
                         qint64 income)
{
    for (int row : hours.usedRows())
        computeHourTotal(hours, row, hoursAlive);
    for (int row : money.usedRows())
        computeMoneyTotal(money, row, true, income);
    for (int row : freq.usedRows())
        computeMoneyTotal(freq, row, false, income);
}

double computeSubTotal(const ActivityModel &table)
{
    double sum = 0;
    for (int row : table.usedRows())
        sum += totalCellValue(table.cell(row, ActivityModel::Total));
    return sum;
}

double computeProjectedSubTotal(const ActivityModel &table)
{
    double sum = 0;
    for (int row : table.usedRows())
        sum += totalCellValue(table.projectedTotal(row));
    return sum;
}
