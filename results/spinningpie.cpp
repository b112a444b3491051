#include "results/spinningpie.h"

#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPieSeries>
#include <QPieSlice>
#include <QtMath>
#include <cmath>

namespace {
// A label's arm starts this far outside the pie.
constexpr qreal ArmGap = 5;

// Angles run clockwise from 12 o'clock, as the slices' own do.
QPointF offset(qreal degrees, qreal length)
{
    const qreal a = qDegreesToRadians(degrees);
    return {std::sin(a) * length, -std::cos(a) * length};
}
} // namespace

TSpinningPie::TSpinningPie(QChartView *view, QPieSeries *series)
    : QWidget(view->viewport()), m_view(view), m_series(series)
{
    // Clicks go through to the viewport, whose click stops the spin.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Every pixel comes from the still picture, so nothing beneath needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
}

void TSpinningPie::start()
{
    QChart *chart = m_series->chart();
    if (!chart)
        return;
    // A resize a moment ago may have left the chart's layout for later.
    if (QGraphicsLayout *layout = chart->layout())
        layout->activate();
    const QRectF plot = chart->plotArea();
    m_centre = {plot.left() + plot.width() * m_series->horizontalPosition(),
                plot.top() + plot.height() * m_series->verticalPosition()};
    m_radius = qMin(plot.width(), plot.height()) / 2 * m_series->pieSize();
    m_toViewport = chart->sceneTransform() * m_view->viewportTransform();

    // The chart as it stands, legend and shadow included, without the pie.
    QWidget *viewport = m_view->viewport();
    m_series->setOpacity(0);
    m_still = viewport->grab();

    // The slices at no turn, at the screen's pixel ratio, with room for their outlines.
    const qreal ratio = m_still.devicePixelRatio();
    const int pixels = qCeil((2 * m_radius + 4) * ratio);
    m_disc = QImage(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    m_disc.setDevicePixelRatio(ratio);
    m_disc.fill(Qt::transparent);
    QPainter painter(&m_disc);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(pixels / ratio / 2, pixels / ratio / 2);
    const QRectF box(-m_radius, -m_radius, 2 * m_radius, 2 * m_radius);
    const qreal origin = m_series->pieStartAngle();
    qreal labelReach = 0;
    m_labels.clear();
    const QList<QPieSlice *> slices = m_series->slices();
    for (const QPieSlice *slice : slices) {
        const qreal start = slice->startAngle() - origin;
        QPainterPath wedge;
        wedge.moveTo(0, 0);
        // QPainterPath counts degrees counter-clockwise from 3 o'clock.
        wedge.arcTo(box, 90 - start, -slice->angleSpan());
        wedge.closeSubpath();
        painter.setPen(slice->pen());
        painter.setBrush(slice->brush());
        painter.drawPath(wedge);
        if (!slice->isLabelVisible() || slice->label().isEmpty())
            continue;
        Label label;
        label.middle = start + slice->angleSpan() / 2;
        label.arm = m_radius * slice->labelArmLengthFactor();
        label.font = slice->labelFont();
        label.pen = QPen(slice->labelBrush().color(), 1);
        label.text.setText(slice->label());
        label.text.setTextFormat(Qt::PlainText);
        // Laid out once: a turn only moves the text.
        label.text.prepare(QTransform(), label.font);
        labelReach = qMax(labelReach, label.arm + label.text.size().width() + label.text.size().height());
        m_labels.push_back(std::move(label));
    }
    painter.end();
    m_reach = m_radius + ArmGap + labelReach + 2;

    m_turn = 0;
    m_active = true;
    setGeometry(viewport->rect());
    show();
}

void TSpinningPie::stop()
{
    if (!m_active)
        return;
    m_active = false;
    hide();
    m_series->setOpacity(1);
    m_still = QPixmap();
    m_disc = QImage();
    m_labels.clear();
}

void TSpinningPie::setTurn(qreal degrees)
{
    m_turn = degrees;
    update(turnArea());
}

QRect TSpinningPie::turnArea() const
{
    const QRectF area(m_centre - QPointF(m_reach, m_reach), QSizeF(2 * m_reach, 2 * m_reach));
    return m_toViewport.mapRect(area).toAlignedRect() & rect();
}

// The arm leaves the slice's middle outwards, then bends level under the text, which stands on the
// side of the pie that the slice is on.
QRectF TSpinningPie::labelRect(const Label &label, QPointF *armStart, QPointF *elbow) const
{
    const qreal middle = label.middle + m_turn;
    *armStart = m_centre + offset(middle, m_radius + ArmGap);
    *elbow = *armStart + offset(middle, label.arm);
    QRectF text(QPointF(), label.text.size());
    if (std::sin(qDegreesToRadians(middle)) >= 0)
        text.moveBottomLeft(*elbow);
    else
        text.moveBottomRight(*elbow);
    return text;
}

QVector<QRectF> TSpinningPie::labelRects() const
{
    QVector<QRectF> rects;
    QPointF armStart, elbow;
    for (const Label &label : m_labels)
        rects.append(labelRect(label, &armStart, &elbow));
    return rects;
}

void TSpinningPie::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_still);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.setTransform(m_toViewport);
    painter.save();
    painter.translate(m_centre);
    painter.rotate(m_turn);
    const QSizeF disc = m_disc.deviceIndependentSize();
    painter.drawImage(QPointF(-disc.width() / 2, -disc.height() / 2), m_disc);
    painter.restore();
    QPointF armStart, elbow;
    for (const Label &label : m_labels) {
        const QRectF text = labelRect(label, &armStart, &elbow);
        painter.setPen(label.pen);
        painter.drawLine(armStart, elbow);
        painter.drawLine(text.bottomLeft(), text.bottomRight());
        painter.setFont(label.font);
        painter.drawStaticText(text.topLeft(), label.text);
    }
}
