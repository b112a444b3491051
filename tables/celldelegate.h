#pragma once

#include <QStyledItemDelegate>

// Draws one activity cell: its background and the grid lines at its right and bottom edges (one
// device pixel wide at any scale, visible on any palette's base colour), then its text two pixels
// in from the left or the right edge (as the model aligns the column) and two pixels below the
// top, clipped to the cell inside the lines. A text
// too wide for its cell ends in an ellipsis (a right-aligned one loses its beginning behind it
// instead), and its tooltip then starts with the whole text.
class ActivityCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

    // Where the text of a cell starts: the x of its left end (left-aligned) or right end
    // (right-aligned), and the y of its top.
    static QPoint textAnchor(const QRect &cell, Qt::Alignment alignment);
    // A cell's rectangle in device pixels, for a painter mapping logical pixels by `toDevice`.
    static QRect deviceRect(const QTransform &toDevice, const QRect &logical);
    // The text as drawn in a cell of that width: whole, or when it does not fit, its beginning
    // before an ellipsis (its end behind one when right-aligned).
    static QString shownText(const QFontMetrics &metrics, const QString &text, int cellWidth, Qt::Alignment alignment);
};
