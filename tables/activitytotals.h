#pragma once

#include <QtGlobal>

class ActivityModel;

// Row totals written into column 5 of the activity tables. Conversions are strict: a failure
// throws ConversionError and whatever was written before it stays. Each also hands the table the
// reference values it counted with, so the Total cells explain themselves with the same figures.
void computeHourTotal(ActivityModel &hours, int row, double hoursAlive);
void computeMoneyTotal(ActivityModel &table, int row, qint64 income);
// Every used row of the three tables, in table order. Blank rows inside a table (a settings file
// may leave gaps) are skipped rather than failing on their empty dates.
void computeAllRowTotals(ActivityModel &hours, ActivityModel &money, ActivityModel &freq, double hoursAlive,
                         qint64 income);
// Sum of the numeric values of the total cells of the used rows.
double computeSubTotal(const ActivityModel &table);
// Sum of the numeric values of the used rows' totals by the look-ahead age (projectedTotal).
double computeProjectedSubTotal(const ActivityModel &table);
