#pragma once

#include "calc/lookahead.h"
#include "calc/tablekind.h"
#include <QSizeF>
#include <QString>
#include <QVector>
#include <array>

class ActivityModel;

// One slice of the pie and one bar of the bar chart.
struct ChartPoint {
    double value = 0; // always greater than 0
    QString label;
    quint32 colour = 0; // 0x00BBGGRR: red in the low byte
};

using ChartColours = std::array<quint32, 50>;

// The first true flag among hours and money picks the table; otherwise it is the frequency table.
TableKind chartTableOf(bool hours, bool money);

// "Hours spent for Ann Lee  Age: ...", "Money spent for Ann Lee  Lifetime income: ...",
// "Frequency of activities for Ann Lee".
QString chartTitle(TableKind table, const QString &name, const QString &ageLine, const QString &incomeLine);

// The points of one table: a white "Other" point first when 0 < subtotal < reference, then one
// point per activity row whose total is above 0, coloured by its row number (row r takes
// colours[r - 1], so a skipped row still uses up its colour). A total cell that is not a number
// throws ConversionError.
QVector<ChartPoint> chartPoints(const ActivityModel &table, double subtotal, double reference,
                                const ChartColours &colours);

// The points by the table's look-ahead age, by the same rules: each row's total by then, and
// "Other" for what is left of the hours alive by then (hours) or of the income (money). Empty
// without a look-ahead.
QVector<ChartPoint> lookAheadChartPoints(const ActivityModel &table, TableKind kind, qint64 income,
                                         const ChartColours &colours);

// The title under "By age A": the hours chart's age line is that age and the hours alive by then
// (byAgeLine); every title ends with "  By age A".
QString lookAheadChartTitle(TableKind table, const QString &name, const LookAhead &ahead, const QString &incomeLine);

// Colour table for the next chart: random colours below 9,999,999, no two of them (nor one and the
// white of "Other", nor one and the chart's background, 0x00BBGGRR) closer than 20 in CIELAB, or
// every entry the same colour.
ChartColours chartColours(bool random, quint32 colour, quint32 background = 0xFFFFFF);
// Tests: restart the colour generator from a fixed seed.
void seedChartColours(quint32 seed);
// The CIELAB (CIE76) difference of two colour values, for the rule above.
double colourDistance(quint32 a, quint32 b);

// Which slices of a pie keep their share label outside the pie, so that no two labels overlap:
// larger slices first, a label left out where it would touch one already kept (its share stays
// in the legend). Angles in degrees clockwise from 12 o'clock, as the pie series counts them; a
// label hangs off its slice's middle on an arm of radius * armFactor, above the arm's horizontal
// end and outward of it, at most `label` in size.
QVector<bool> pieLabelsThatFit(const QVector<double> &values, double startAngle, double radius, double armFactor,
                               QSizeF label);
