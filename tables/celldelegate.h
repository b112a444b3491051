#pragma once

#include <QStyledItemDelegate>

// Draws one activity cell: its background, then its text two pixels in from the left or the right
// edge (as the model aligns the column) and two pixels below the top, clipped to the cell.
class ActivityCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // Where the text of a cell starts: the x of its left end (left-aligned) or right end
    // (right-aligned), and the y of its top.
    static QPoint textAnchor(const QRect &cell, Qt::Alignment alignment);
};
