#include "tables/activitytotals.h"

#include "calc/totals.h"
#include "tables/activitymodel.h"

void computeHourTotal(ActivityModel &hours, int row, double hoursAlive)
{
    hours.setCell(
        row, 5,
        hourTotalText(hours.cell(row, 1), hours.cell(row, 2), hours.cell(row, 3), hours.cell(row, 4), hoursAlive));
}

void computeMoneyTotal(ActivityModel &table, int row, bool isMoney, qint64 income)
{
    table.setCell(row, 5,
                  moneyTotalText(table.cell(row, 1), table.cell(row, 2), table.cell(row, 3), table.cell(row, 4),
                                 isMoney, income));
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
        sum += totalCellValue(table.cell(row, 5));
    return sum;
}
