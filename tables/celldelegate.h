#pragma once

#include <QStyledItemDelegate>

// Draws one activity cell: its background, then its text two pixels in from the left or the right
// edge (as the model aligns the column) and two pixels below the top, clipped to the cell. A
// right-aligned text too wide for its cell loses its beginning behind an ellipsis, and its
// tooltip then starts with the whole text.
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
    // The text as drawn in a cell of that width: whole, or for a right-aligned text that does not
    // fit, its end behind an ellipsis.
    static QString shownText(const QFontMetrics &metrics, const QString &text, int cellWidth, Qt::Alignment alignment);
};
