#pragma once

#include <QColor>
#include <QFont>
#include <QGraphicsItem>
#include <QVector>

// The chart window's legend, drawn by the window rather than the chart so that each swatch is as
// high as its text: one entry per point, last point on top, in as many columns as the height
// needs. It is an item of the chart, so the saved image and the printed page show it too.
class ChartLegend : public QGraphicsItem
{
public:
    struct Entry {
        QString text;
        QColor colour;
    };

    explicit ChartLegend(QGraphicsItem *parent = nullptr);

    void setEntries(const QVector<Entry> &entries);
    void setFont(const QFont &font);
    void setTextColour(const QColor &colour);
    QColor textColour() const { return m_textColour; }
    // Lays the entries out in columns no taller than `height`; the size they take.
    QSizeF layOut(qreal height);

    int swatchSize() const;
    int lineHeight() const;
    const QVector<Entry> &entries() const { return m_entries; }

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    QVector<Entry> m_entries;
    QFont m_font;
    QColor m_textColour = Qt::black;
    int m_rowsPerColumn = 1;
    qreal m_columnWidth = 0;
    QSizeF m_size;
};
