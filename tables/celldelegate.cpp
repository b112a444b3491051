#include "tables/celldelegate.h"

#include "widgets/contrast.h"
#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace {
QColor gridColour(const QStyleOptionViewItem &option)
{
    const QWidget *view = option.widget;
    const QStyle *style = view ? view->style() : QApplication::style();
    return QColor::fromRgba(static_cast<QRgb>(style->styleHint(QStyle::SH_Table_GridLineColor, &option, view)));
}
} // namespace

QRect ActivityCellDelegate::deviceRect(const QTransform &toDevice, const QRect &logical)
{
    // Both edges rounded alike, so neighbouring cells meet without a gap or an overlap.
    const QPointF topLeft = toDevice.map(QPointF(logical.topLeft()));
    const QPointF end = toDevice.map(QPointF(logical.left() + logical.width(), logical.top() + logical.height()));
    return QRect(QPoint(qRound(topLeft.x()), qRound(topLeft.y())), QPoint(qRound(end.x()) - 1, qRound(end.y()) - 1));
}

QPoint ActivityCellDelegate::textAnchor(const QRect &cell, Qt::Alignment alignment)
{
    const int x = (alignment & Qt::AlignRight) ? cell.right() - 2 : cell.left() + 2;
    return QPoint(x, cell.top() + 2);
}

QString ActivityCellDelegate::shownText(const QFontMetrics &metrics, const QString &text, int cellWidth,
                                        Qt::Alignment alignment)
{
    // Anchored two pixels in from one edge, a text shows whole up to the other; beyond that it is
    // cut to keep two pixels clear there as well. A number keeps its end (the share), a name its
    // beginning.
    if (metrics.horizontalAdvance(text) <= cellWidth - 2)
        return text;
    return metrics.elidedText(text, (alignment & Qt::AlignRight) ? Qt::ElideLeft : Qt::ElideRight, cellWidth - 4);
}

void ActivityCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = (option.state & QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
    const QColor background = option.palette.color(group, selected ? QPalette::Highlight : QPalette::Base);
    const QColor text = option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text);
    const Qt::Alignment alignment = index.data(Qt::TextAlignmentRole).value<Qt::Alignment>();

    // The background and the grid lines at the right and bottom edges in whole device pixels: at a
    // fractional scale, lines drawn in logical pixels come out one or two device pixels wide.
    painter->save();
    const QTransform toDevice = painter->deviceTransform();
    const QRect device = deviceRect(toDevice, option.rect);
    painter->setWorldTransform(toDevice.inverted() * painter->worldTransform());
    painter->fillRect(device, background);
    const QColor line = visibleLine(gridColour(option), option.palette.color(group, QPalette::Base),
                                    option.palette.color(group, QPalette::Text));
    painter->fillRect(QRect(device.right(), device.top(), 1, device.height()), line);
    painter->fillRect(QRect(device.left(), device.bottom(), device.width(), 1), line);
    painter->restore();

    // The text inside the lines, in logical pixels.
    const QRect cell = option.rect.adjusted(0, 0, -1, -1);
    painter->save();
    painter->setClipRect(cell);
    painter->setFont(option.font);
    painter->setPen(text);
    const QPoint anchor = textAnchor(cell, alignment);
    QRect box(cell.left() + 2, anchor.y(), 0, cell.bottom() - anchor.y() + 1);
    const QString label =
        shownText(painter->fontMetrics(), index.data(Qt::DisplayRole).toString(), cell.width(), alignment);
    const int width = painter->fontMetrics().horizontalAdvance(label);
    if (alignment & Qt::AlignRight)
        box = QRect(anchor.x() - width + 1, anchor.y(), width, box.height());
    else
        box = QRect(anchor.x(), anchor.y(), width, box.height());
    painter->drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, label);
    if (option.state & QStyle::State_HasFocus) {
        painter->setPen(QPen(text, 1, Qt::DotLine));
        painter->drawRect(cell.adjusted(0, 0, -1, -1));
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
