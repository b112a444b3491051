#include "tables/celldelegate.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

QPoint ActivityCellDelegate::textAnchor(const QRect &cell, Qt::Alignment alignment)
{
    const int x = (alignment & Qt::AlignRight) ? cell.right() - 2 : cell.left() + 2;
    return QPoint(x, cell.top() + 2);
}

QString ActivityCellDelegate::shownText(const QFontMetrics &metrics, const QString &text, int cellWidth,
                                        Qt::Alignment alignment)
{
    // Anchored two pixels in from the right, a text shows whole up to the left edge; beyond that
    // it is cut to keep two pixels clear on the left as well.
    if (!(alignment & Qt::AlignRight) || metrics.horizontalAdvance(text) <= cellWidth - 2)
        return text;
    return metrics.elidedText(text, Qt::ElideLeft, cellWidth - 4);
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
    // A left-aligned text wider than its cell loses its end at the edge.
    QRect box(option.rect.left() + 2, anchor.y(), 0, option.rect.bottom() - anchor.y() + 1);
    const QString label =
        shownText(painter->fontMetrics(), index.data(Qt::DisplayRole).toString(), option.rect.width(), alignment);
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

bool ActivityCellDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                                     const QModelIndex &index)
{
    if (!event || !view || event->type() != QEvent::ToolTip || !index.isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const QString label = index.data(Qt::DisplayRole).toString();
    const Qt::Alignment alignment = index.data(Qt::TextAlignmentRole).value<Qt::Alignment>();
    if (shownText(QFontMetrics(option.font, view->viewport()), label, option.rect.width(), alignment) == label)
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const QString explanation = index.data(Qt::ToolTipRole).toString();
    const QString tip = explanation.isEmpty() ? label : label + QLatin1Char('\n') + explanation;
    const QRect cell = view->visualRect(index);
    QToolTip::showText(event->globalPos(), tip, view,
                       QRect(view->viewport()->mapToGlobal(cell.topLeft()), cell.size()));
    return true;
}
