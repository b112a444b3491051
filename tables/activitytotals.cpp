#include "tables/activitytotals.h"

#include "calc/totals.h"
#include "tables/activitymodel.h"

void computeHourTotal(ActivityModel &hours, int row, double hoursAlive)
{
    hours.setExplanationContext(hoursAlive, 0);
    hours.setCell(row, Column::Total,
                  hourTotalText(hours.cell(row, Column::Amount), hours.cell(row, Column::Per),
                                hours.cell(row, Column::Start), hours.cell(row, Column::End), hoursAlive));
}

void computeMoneyTotal(ActivityModel &table, int row, qint64 income)
{
    const bool isMoney = table.kind() == TableKind::Money;
    table.setExplanationContext(0, income);
    table.setCell(row, Column::Total,
                  moneyTotalText(table.cell(row, Column::Amount), table.cell(row, Column::Per),
                                 table.cell(row, Column::Start), table.cell(row, Column::End), isMoney, income));
}

void computeAllRowTotals(ActivityModel &hours, ActivityModel &money, ActivityModel &freq, double hoursAlive,
                         qint64 income)
{
    for (int row : hours.usedRows())
        computeHourTotal(hours, row, hoursAlive);
    for (int row : money.usedRows())
        computeMoneyTotal(money, row, income);
    for (int row : freq.usedRows())
        computeMoneyTotal(freq, row, income);
}

double computeSubTotal(const ActivityModel &table)
{
    double sum = 0;
    for (int row : table.usedRows())
        sum += totalCellValue(table.cell(row, Column::Total));
    return sum;
}

double computeProjectedSubTotal(const ActivityModel &table)
{
    double sum = 0;
    for (int row : table.usedRows())
        sum += totalCellValue(table.projectedTotal(row));
    return sum;
}
