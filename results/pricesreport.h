#pragma once

#include <QStringList>
#include <QVector>

class ActivityModel;

namespace report {
// The report's section on money in today's prices, when they are in force (empty otherwise): its
// heading, then the money table's rows with their totals as paid and in today's prices, then the
// table in use with its credit line. Each line is a list of cells. Conversions are strict.
QVector<QStringList> pricesSection(const ActivityModel &money);
} // namespace report
