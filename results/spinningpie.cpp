#include "results/spinningpie.h"

#include <QChart>
#include <QGraphicsTextItem>
#include <QPainter>
#include <QPieSeries>
#include <QPieSlice>
#include <QTextDocument>
#include <QtMath>
#include <cmath>

namespace {
// Where the chart puts a slice's label arm and text: the arm starts this far outside the pie, and
// texts are measured with this document margin and drawn with the label's own.
constexpr qreal ArmGap = 5;
constexpr qreal MeasureMargin = 0.5;
constexpr qreal LabelMargin = 1.0;
// Longest side of one straight piece of the drawn arcs, in pixels: below what the eye sees as a corner.
constexpr qreal ArcStep = 1.5;

// Angles run clockwise from 12 o'clock.
QPointF offset(qreal degrees, qreal length)
{
    const qreal a = qDegreesToRadians(degrees);
    return {std::sin(a) * length, -std::cos(a) * length};
}
} // namespace

TSpinningPie::TSpinningPie(QChart *chart, QPieSeries *series) : QGraphicsItem(chart), m_chart(chart), m_series(series)
{
    setVisible(false);
    // Above the series, below nothing that could overlap the pie.
    setZValue(100);
    setAcceptedMouseButtons(Qt::NoButton);
}

void TSpinningPie::start()
{
    const qreal origin = m_series->pieStartAngle();
    m_slices.clear();
    QGraphicsTextItem measure;
    measure.document()->setDocumentMargin(MeasureMargin);
    const QList<QPieSlice *> slices = m_series->slices();
    m_slices.reserve(slices.size());
    for (const QPieSlice *s : slices) {
        Slice slice;
        slice.start = s->startAngle() - origin;
        slice.span = s->angleSpan();
        slice.pen = s->pen();
        slice.brush = s->brush();
        slice.labelled = s->isLabelVisible() && !s->label().isEmpty();
        if (slice.labelled) {
            slice.labelFont = s->labelFont();
            slice.armPen = QPen(s->labelBrush().color(), 1);
            slice.armFactor = s->labelArmLengthFactor();
            slice.label.setText(s->label());
            slice.label.setTextFormat(Qt::PlainText);
            slice.label.prepare(QTransform(), slice.labelFont);
            measure.setFont(slice.labelFont);
            measure.setPlainText(s->label());
            slice.labelSize = measure.boundingRect().size();
        }
        m_slices.push_back(std::move(slice));
    }
    layOut();
    m_turn = 0;
    m_active = true;
    m_series->setOpacity(0);
    show();
    update();
}

void TSpinningPie::stop()
{
    if (!m_active)
        return;
    m_active = false;
    hide();
    m_series->setOpacity(1);
}

void TSpinningPie::layOut()
{
    prepareGeometryChange();
    m_plot = m_chart->plotArea();
    m_centre = {m_plot.left() + m_plot.width() * m_series->horizontalPosition(),
                m_plot.top() + m_plot.height() * m_series->verticalPosition()};
    m_radius = qMin(m_plot.width(), m_plot.height()) / 2 * m_series->pieSize();
    qreal reach = m_radius + 2;
    for (const Slice &slice : m_slices) {
        if (slice.labelled)
            reach = qMax(reach, m_radius * (1 + slice.armFactor) + ArmGap + slice.labelSize.width() +
                                    slice.labelSize.height() + 2);
    }
    m_bounds = QRectF(m_centre - QPointF(reach, reach), QSizeF(2 * reach, 2 * reach)).intersected(m_plot);
    // Enough points for the longest slice.
    m_outline.reserve(size_t(2 * M_PI * m_radius / ArcStep) + 8);
}

void TSpinningPie::setTurn(qreal degrees)
{
    if (m_chart->plotArea() != m_plot)
        layOut();
    m_turn = degrees;
    update();
}

QRectF TSpinningPie::boundingRect() const
{
    return m_bounds;
}

QRectF TSpinningPie::labelRect(const Slice &slice, QPointF *armStart, QPointF *elbow, QPointF *armEnd) const
{
    const qreal middle = slice.start + m_turn + slice.span / 2;
    *armStart = m_centre + offset(middle, m_radius + ArmGap);
    // The arm's direction in tenths of a degree, and never straight down, as the chart draws it.
    int tenths = int(middle * 10.0) % 3600;
    if (tenths < 0)
        tenths += 3600;
    qreal angle = tenths / 10.0;
    if (angle < 180 && angle > 170)
        angle = 170;
    if (angle > 180 && angle < 190)
        angle = 190;
    *elbow = *armStart + offset(angle, m_radius * slice.armFactor);
    QPointF textStart = *elbow;
    const qreal width = slice.labelSize.width();
    // Labels on the left half stand to the left of their arm.
    if (angle < 180) {
        *armEnd = *elbow + QPointF(width, 0);
    } else {
        *armEnd = *elbow - QPointF(width, 0);
        textStart = *armEnd;
    }
    QRectF text(QPointF(), slice.labelSize);
    text.moveBottomLeft(textStart);
    return text;
}

QVector<QRectF> TSpinningPie::labelRects() const
{
    QVector<QRectF> rects;
    QPointF a, b, c;
    for (const Slice &slice : m_slices) {
        if (slice.labelled)
            rects.append(labelRect(slice, &a, &b, &c));
    }
    return rects;
}

void TSpinningPie::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    painter->save();
    painter->setClipRect(m_plot);
    // Two passes: the wedges filled without anti-aliasing, then their outlines anti-aliased over
    // the edges. The outline covers the band where a smoothed fill would blend, so the picture is
    // the same, and the plain fills cost a fraction of smoothed ones.
    painter->setPen(Qt::NoPen);
    for (int pass = 0; pass < 2; ++pass) {
        painter->setRenderHint(QPainter::Antialiasing, pass == 1);
        if (pass == 1)
            painter->setBrush(Qt::NoBrush);
        for (const Slice &slice : m_slices) {
            // The wedge as a polygon: the centre, then the arc in steps short enough to look round.
            m_outline.clear();
            m_outline.push_back(m_centre);
            const qreal from = slice.start + m_turn;
            const int steps = qMax(1, int(std::ceil(qDegreesToRadians(slice.span) * m_radius / ArcStep)));
            for (int i = 0; i <= steps; ++i)
                m_outline.push_back(m_centre + offset(from + slice.span * i / steps, m_radius));
            if (pass == 0)
                painter->setBrush(slice.brush);
            else
                painter->setPen(slice.pen);
            painter->drawPolygon(m_outline.data(), int(m_outline.size()));
        }
    }
    QPointF arm[3];
    for (const Slice &slice : m_slices) {
        if (!slice.labelled)
            continue;
        const QRectF text = labelRect(slice, &arm[0], &arm[1], &arm[2]);
        // The chart hides a label that would stand outside its plot area, arm and all.
        if (!m_plot.contains(text))
            continue;
        painter->setPen(slice.armPen);
        painter->drawPolyline(arm, 3);
        if (painter->font() != slice.labelFont)
            painter->setFont(slice.labelFont);
        painter->drawStaticText(text.topLeft() + QPointF(LabelMargin, LabelMargin + 1.0), slice.label);
    }
    painter->restore();
}
