#include "results/chartdata.h"

#include "calc/clock.h"
#include "calc/totals.h"
#include "tables/activitymodel.h"
#include "tables/activitytotals.h"
#include <QCoreApplication>
#include <QRandomGenerator>
#include <QRectF>
#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace {
constexpr quint32 White = 0xFFFFFF;
constexpr quint32 ColourDrawLimit = 9999999;
// Two colours closer than this in CIELAB look alike side by side; white is kept for "Other".
constexpr double MinColourDistance = 20;
// Draws per colour before the farthest one drawn is taken; far more than the bound ever needs.
constexpr int MaxColourDraws = 1000;

struct Lab {
    double l, a, b;
};

// A colour value (0x00BBGGRR, sRGB) in CIELAB under the D65 white point.
Lab toLab(quint32 value)
{
    auto linear = [](quint32 channel) {
        const double v = channel / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    const double r = linear(value & 0xFF), g = linear((value >> 8) & 0xFF), b = linear((value >> 16) & 0xFF);
    auto f = [](double t) { return t > 216.0 / 24389.0 ? std::cbrt(t) : (24389.0 / 27.0 * t + 16) / 116; };
    const double x = f((0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047);
    const double y = f(0.2126 * r + 0.7152 * g + 0.0722 * b);
    const double z = f((0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883);
    return {116 * y - 16, 500 * (x - y), 200 * (y - z)};
}

double distance(const Lab &p, const Lab &q)
{
    return std::sqrt((p.l - q.l) * (p.l - q.l) + (p.a - q.a) * (p.a - q.a) + (p.b - q.b) * (p.b - q.b));
}

// Seeded once from the clock on first use, so colours differ from run to run.
QRandomGenerator &colourGenerator()
{
    static QRandomGenerator generator(
        static_cast<quint32>(static_cast<qint64>(std::llround(Clock::now() * 86400000.0)) & 0xFFFFFFFF));
    return generator;
}
} // namespace

TableKind chartTableOf(bool hours, bool money)
{
    if (hours)
        return TableKind::Hours;
    if (money)
        return TableKind::Money;
    return TableKind::Frequency;
}

QString chartTitle(TableKind table, const QString &name, const QString &ageLine, const QString &incomeLine)
{
    switch (table) {
    case TableKind::Hours:
        return QCoreApplication::translate("Chart", "Hours spent for %1  %2", "chart title: a name, then the age line")
            .arg(name, ageLine);
    case TableKind::Money:
        return QCoreApplication::translate("Chart", "Money spent for %1  %2",
                                           "chart title: a name, then the income line")
            .arg(name, incomeLine);
    case TableKind::Frequency:
        break;
    }
    return QCoreApplication::translate("Chart", "Frequency of activities for %1").arg(name);
}

namespace {
QVector<ChartPoint> pointsOf(const ActivityModel &table, double subtotal, double reference, const ChartColours &colours,
                             bool byLookAhead)
{
    QVector<ChartPoint> points;
    if (subtotal > 0 && subtotal < reference)
        points.append(
            {reference - subtotal,
             QCoreApplication::translate("Chart", "Other", "the slice for the hours or money no activity takes"),
             White});
    // The used rows rather than rows 1..count: a table read from a settings file may have a gap,
    // and a blank row has no total to convert.
    for (int row : table.usedRows()) {
        const double value = totalCellValue(byLookAhead ? table.projectedTotal(row) : table.cell(row, Column::Total));
        if (value > 0)
            points.append({value, table.cell(row, Column::Activity), colours[static_cast<std::size_t>(row - 1)]});
    }
    return points;
}
} // namespace

QVector<ChartPoint> chartPoints(const ActivityModel &table, double subtotal, double reference,
                                const ChartColours &colours)
{
    return pointsOf(table, subtotal, reference, colours, false);
}

QVector<ChartPoint> lookAheadChartPoints(const ActivityModel &table, TableKind kind, qint64 income,
                                         const ChartColours &colours)
{
    const std::optional<LookAhead> &ahead = table.lookAhead();
    if (!ahead)
        return {};
    double subtotal = 0;
    double reference = 0;
    if (kind != TableKind::Frequency) {
        subtotal = computeProjectedSubTotal(table);
        reference = kind == TableKind::Hours ? ahead->hoursAlive : double(income);
    }
    return pointsOf(table, subtotal, reference, colours, true);
}

QString lookAheadChartTitle(TableKind table, const QString &name, const LookAhead &ahead, const QString &incomeLine)
{
    return QCoreApplication::translate("Chart", "%1  By age %2",
                                       "chart title, then the age the totals are counted up to")
        .arg(chartTitle(table, name, byAgeLine(ahead), incomeLine), QString::number(ahead.age));
}

ChartColours chartColours(bool random, quint32 colour, quint32 background)
{
    ChartColours colours;
    if (!random) {
        colours.fill(colour);
        return colours;
    }
    // Each colour is drawn again while it is too close to white, to the background (dark on a dark
    // desktop) or to one drawn before it.
    QVector<Lab> taken{toLab(White), toLab(background)};
    for (quint32 &c : colours) {
        double best = -1;
        for (int draw = 0; draw < MaxColourDraws && best < MinColourDistance; ++draw) {
            const quint32 candidate = colourGenerator().bounded(ColourDrawLimit);
            const Lab lab = toLab(candidate);
            double nearest = std::numeric_limits<double>::max();
            for (const Lab &other : taken)
                nearest = std::min(nearest, distance(lab, other));
            if (nearest > best) {
                best = nearest;
                c = candidate;
            }
        }
        taken.append(toLab(c));
    }
    return colours;
}

double colourDistance(quint32 a, quint32 b)
{
    return distance(toLab(a), toLab(b));
}

void seedChartColours(quint32 seed)
{
    colourGenerator().seed(seed);
}

QVector<bool> pieLabelsThatFit(const QVector<double> &values, double startAngle, double radius, double armFactor,
                               QSizeF label)
{
    double sum = 0;
    for (double value : values)
        sum += value;
    QVector<QRectF> boxes;
    double before = 0;
    for (double value : values) {
        const double middle = (startAngle + 360 * (before + value / 2) / sum) * M_PI / 180;
        before += value;
        const double reach = radius * (1 + armFactor);
        const QPointF end(reach * std::sin(middle), -reach * std::cos(middle));
        const double arm = radius * armFactor;
        // Right of the pie's middle the text runs rightwards from the arm's end, left of it leftwards.
        const double left = std::sin(middle) >= 0 ? end.x() + arm : end.x() - arm - label.width();
        boxes.append(QRectF(left, end.y() - label.height(), label.width(), label.height()).adjusted(-1, -1, 1, 1));
    }
    QVector<int> order(values.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return values[a] > values[b]; });
    QVector<bool> shown(values.size(), false);
    QVector<QRectF> kept;
    for (int i : std::as_const(order)) {
        if (std::none_of(kept.cbegin(), kept.cend(), [&](const QRectF &box) { return box.intersects(boxes[i]); })) {
            kept.append(boxes[i]);
            shown[i] = true;
        }
    }
    return shown;
}
