#pragma once

#include <QBrush>
#include <QFont>
#include <QGraphicsItem>
#include <QPen>
#include <QStaticText>
#include <vector>

class QChart;
class QPieSeries;

// The pie while it spins, drawn over the chart in its place: the same slices, outlines, label arms
// and upright labels, at any angle, without the chart laying out every slice and label anew at each
// turn. The chart's own pie is made transparent meanwhile and takes the final angle when the spin
// stops; its legend and the shadow beneath stay the chart's.
class TSpinningPie : public QGraphicsItem
{
public:
    TSpinningPie(QChart *chart, QPieSeries *series);

    // Takes over from the series, whose slices now stand at `seriesAngle`.
    void start();
    // Hands the pie back to the series.
    void stop();
    bool isActive() const { return m_active; }
    // The turn, in degrees clockwise, from where the series stood when the spin began.
    void setTurn(qreal degrees);
    // The label texts' rectangles at the present turn, in chart coordinates.
    QVector<QRectF> labelRects() const;

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    struct Slice {
        qreal start = 0; // degrees clockwise from 12 o'clock, at no turn
        qreal span = 0;
        QPen pen;
        QBrush brush;
        bool labelled = false;
        QStaticText label;
        QFont labelFont;
        QPen armPen;
        QSizeF labelSize;
        qreal armFactor = 0;
    };
    void layOut();
    QRectF labelRect(const Slice &slice, QPointF *armStart, QPointF *elbow, QPointF *armEnd) const;

    QChart *m_chart;
    QPieSeries *m_series;
    std::vector<Slice> m_slices;
    std::vector<QPointF> m_outline; // reused for every slice, so a turn allocates nothing
    QRectF m_plot;
    QPointF m_centre;
    qreal m_radius = 0;
    qreal m_turn = 0;
    QRectF m_bounds;
    bool m_active = false;
};
