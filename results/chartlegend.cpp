#include "results/chartlegend.h"

#include <QFontMetrics>
#include <QPainter>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace {
constexpr int Gap = 6;
constexpr int RowSpacing = 4;
// A name of any length is shortened in its middle beyond this many characters, so that the share
// at its end stays and the chart keeps its room.
constexpr int MaxTextChars = 40;
} // namespace

ChartLegend::ChartLegend(QGraphicsItem *parent) : QGraphicsItem(parent) {}

void ChartLegend::setEntries(const QVector<Entry> &entries)
{
    prepareGeometryChange();
    m_entries = entries;
}

void ChartLegend::setFont(const QFont &font)
{
    prepareGeometryChange();
    m_font = font;
}

void ChartLegend::setTextColour(const QColor &colour)
{
    m_textColour = colour;
    update();
}

int ChartLegend::swatchSize() const
{
    return QFontMetrics(m_font).height();
}

int ChartLegend::lineHeight() const
{
    return swatchSize() + RowSpacing;
}

QSizeF ChartLegend::layOut(qreal height)
{
    prepareGeometryChange();
    const QFontMetrics metrics(m_font);
    qreal widest = 0;
    for (const Entry &entry : std::as_const(m_entries))
        widest = std::max<qreal>(widest, metrics.horizontalAdvance(entry.text));
    widest = std::min<qreal>(widest, metrics.averageCharWidth() * MaxTextChars);
    m_columnWidth = swatchSize() + Gap + widest + 2 * Gap;
    const int count = static_cast<int>(m_entries.size());
    m_rowsPerColumn = std::max(1, std::min(count, static_cast<int>((height + RowSpacing) / lineHeight())));
    const int columns = count == 0 ? 0 : (count + m_rowsPerColumn - 1) / m_rowsPerColumn;
    m_size = QSizeF(columns * m_columnWidth, std::min(count, m_rowsPerColumn) * lineHeight() - RowSpacing);
    return m_size;
}

QRectF ChartLegend::boundingRect() const
{
    return QRectF(QPointF(0, 0), m_size);
}

void ChartLegend::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    painter->setFont(m_font);
    const int swatch = swatchSize();
    // The last point on top, as the bars and the pie's order read from the end.
    for (int n = 0; n < m_entries.size(); ++n) {
        const Entry &entry = m_entries[m_entries.size() - 1 - n];
        const QPointF at((n / m_rowsPerColumn) * m_columnWidth, (n % m_rowsPerColumn) * lineHeight());
        painter->setPen(QPen(Qt::darkGray, 1));
        painter->setBrush(entry.colour);
        painter->drawRect(QRectF(at, QSizeF(swatch, swatch)).adjusted(0.5, 0.5, -0.5, -0.5));
        painter->setPen(m_textColour);
        // The column's gap to its right is room too: eliding tests a text's full width, a little
        // more than the advance the column was measured by.
        const qreal textWidth = m_columnWidth - swatch - 2 * Gap;
        painter->drawText(QRectF(at.x() + swatch + Gap, at.y(), m_columnWidth - swatch - Gap, swatch),
                          Qt::AlignLeft | Qt::AlignVCenter,
                          QFontMetrics(m_font).elidedText(entry.text, Qt::ElideMiddle, qCeil(textWidth)));
    }
}
