#pragma once

#include <QFont>
#include <QImage>
#include <QPen>
#include <QPixmap>
#include <QStaticText>
#include <QTransform>
#include <QWidget>
#include <vector>

class QChartView;
class QPieSeries;

// The pie while it spins, painted over the chart view's viewport in ordinary paint events: a picture
// of the still chart with the pie made transparent, the slices drawn once into a QImage that the
// painter turns, and the share labels laid out upright on their arms at each turn. The chart is not
// laid out again while the pie turns; its own pie takes the angle reached when the spin stops.
class TSpinningPie : public QWidget
{
public:
    TSpinningPie(QChartView *view, QPieSeries *series);

    // Takes over from the series, at the angle where it stands now.
    void start();
    // Hands the pie back to the series.
    void stop();
    bool isActive() const { return m_active; }
    // The turn, in degrees clockwise, from where the series stood when the spin began.
    void setTurn(qreal degrees);
    // The label texts' rectangles at the present turn, in chart coordinates.
    QVector<QRectF> labelRects() const;
    // What a turn repaints, in the viewport's coordinates.
    QRect turnArea() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct Label {
        qreal middle = 0; // degrees clockwise from 12 o'clock, at no turn
        qreal arm = 0;
        QStaticText text;
        QFont font;
        QPen pen;
    };
    QRectF labelRect(const Label &label, QPointF *armStart, QPointF *elbow) const;

    QChartView *m_view;
    QPieSeries *m_series;
    QPixmap m_still;
    QImage m_disc;
    std::vector<Label> m_labels;
    QTransform m_toViewport; // from chart coordinates
    QPointF m_centre;        // in chart coordinates
    qreal m_radius = 0;
    qreal m_reach = 0;
    qreal m_turn = 0;
    bool m_active = false;
};
