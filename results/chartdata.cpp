#include "results/chartdata.h"

#include "calc/clock.h"
#include "calc/totals.h"
#include "tables/activitymodel.h"
#include <QRandomGenerator>
#include <cmath>

namespace {
constexpr quint32 White = 0xFFFFFF;
constexpr quint32 ColourDrawLimit = 9999999;

// Seeded once from the clock on first use, so colours differ from run to run.
QRandomGenerator &colourGenerator()
{
    static QRandomGenerator generator(
        static_cast<quint32>(static_cast<qint64>(std::llround(Clock::now() * 86400000.0)) & 0xFFFFFFFF));
    return generator;
}
} // namespace

ChartTable chartTableOf(bool hours, bool money)
{
    if (hours)
        return ChartTable::Hours;
    if (money)
        return ChartTable::Money;
    return ChartTable::Frequency;
}

QString chartTitle(ChartTable table, const QString &name, const QString &ageLine, const QString &incomeLine)
{
    switch (table) {
    case ChartTable::Hours:
        return QStringLiteral("Hours spent for ") + name + QStringLiteral("  ") + ageLine;
    case ChartTable::Money:
        return QStringLiteral("Money spent for ") + name + QStringLiteral("  ") + incomeLine;
    case ChartTable::Frequency:
        break;
    }
    return QStringLiteral("Frequency of activities for ") + name;
}

QVector<ChartPoint> chartPoints(const ActivityModel &table, double subtotal, double reference,
                                const ChartColours &colours)
{
    QVector<ChartPoint> points;
    if (subtotal > 0 && subtotal < reference)
        points.append({reference - subtotal, QStringLiteral("Other"), White});
    // The used rows rather than rows 1..count: a table read from a settings file may have a gap,
    // and a blank row has no total to convert.
    for (int row : table.usedRows()) {
        const double value = totalCellValue(table.cell(row, ActivityModel::Total));
        if (value > 0)
            points.append(
                {value, table.cell(row, ActivityModel::Activity), colours[static_cast<std::size_t>(row - 1)]});
    }
    return points;
}

ChartColours chartColours(bool random, quint32 colour)
{
    ChartColours colours;
    if (!random) {
        colours.fill(colour);
        return colours;
    }
    for (quint32 &c : colours)
        c = colourGenerator().bounded(ColourDrawLimit);
    return colours;
}

void seedChartColours(quint32 seed)
{
    colourGenerator().seed(seed);
}
