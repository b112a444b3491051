#include "tables/celldelegate.h"

#include <QPainter>

QPoint ActivityCellDelegate::textAnchor(const QRect &cell, Qt::Alignment alignment)
{
    const int x = (alignment & Qt::AlignRight) ? cell.right() - 2 : cell.left() + 2;
    return QPoint(x, cell.top() + 2);
}

void ActivityCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = (option.state & QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
    const QColor background = option.palette.color(group, selected ? QPalette::Highlight : QPalette::Base);
    const QColor text = option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text);
    const Qt::Alignment alignment = index.data(Qt::TextAlignmentRole).value<Qt::Alignment>();

    painter->save();
    painter->setClipRect(option.rect);
    painter->fillRect(option.rect, background);
    painter->setFont(option.font);
    painter->setPen(text);
    const QPoint anchor = textAnchor(option.rect, alignment);
    // A text wider than its cell loses its end (left-aligned) or its beginning (right-aligned).
    QRect box(option.rect.left() + 2, anchor.y(), 0, option.rect.bottom() - anchor.y() + 1);
    const QString label = index.data(Qt::DisplayRole).toString();
    const int width = painter->fontMetrics().horizontalAdvance(label);
    if (alignment & Qt::AlignRight)
        box = QRect(anchor.x() - width + 1, anchor.y(), width, box.height());
    else
        box = QRect(anchor.x(), anchor.y(), width, box.height());
    painter->drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, label);
    if (option.state & QStyle::State_HasFocus) {
        painter->setPen(QPen(text, 1, Qt::DotLine));
        painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
    }
    painter->restore();
}
