#include "results/weekview.h"

#include "results/weekmodel.h"
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>

TWeekHeader::TWeekHeader(Qt::Orientation orientation, QWidget *parent) : QHeaderView(orientation, parent)
{
    setSectionResizeMode(QHeaderView::Stretch);
    setMinimumSectionSize(3);
    setDefaultSectionSize(10);
    setHighlightSections(false);
}

QSize TWeekHeader::sizeHint() const
{
    const QFontMetrics fm(font());
    if (orientation() == Qt::Horizontal)
        return {fm.horizontalAdvance(QStringLiteral("00")) * WeeksPerYear / 2, fm.height() + 4};
    return {fm.horizontalAdvance(QStringLiteral("000")) + 8, fm.height() * 10};
}

void TWeekHeader::paintEvent(QPaintEvent *)
{
    if (!model())
        return;
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().window());
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics fm(font());
    for (int section = 0; section < count(); ++section) {
        const QString label = model()->headerData(section, orientation(), Qt::DisplayRole).toString();
        if (label.isEmpty())
            continue;
        const int at = sectionViewportPosition(section);
        const int size = sectionSize(section);
        if (orientation() == Qt::Horizontal) {
            // The last label ends at the grid's edge rather than past it.
            const int wide = fm.horizontalAdvance(label) + 2;
            painter.drawText(QRect(std::min(at, length() - offset() - wide), 0, wide, height()),
                             Qt::AlignLeft | Qt::AlignVCenter, label);
        } else {
            // The first label starts at the grid's top rather than above it.
            const int top = std::max(at + size / 2 - fm.height(), -fm.height() / 2 - offset());
            painter.drawText(QRect(0, top, width() - 4, 2 * fm.height()), Qt::AlignRight | Qt::AlignVCenter, label);
        }
    }
}

void TWeekDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const auto *model = qobject_cast<const WeekModel *>(index.model());
    if (!model)
        return;
    const LifeWeeks &weeks = model->weeks();
    const int year = index.row();
    const int week = index.column();
    const QPalette &palette = option.palette;
    // A device pixel between weeks while they are big enough to spare it.
    const qreal pixel = 1 / painter->device()->devicePixelRatioF();
    QRectF cell = option.rect;
    if (cell.width() >= 5 * pixel && cell.height() >= 5 * pixel)
        cell.adjust(0, 0, -pixel, -pixel);
    painter->save();
    const bool ahead = weeks.isAhead(year, week);
    const auto shade = [ahead, &palette](int activity) {
        return ahead ? aheadColour(weekColour(activity), palette.color(QPalette::Base)) : weekColour(activity);
    };
    painter->fillRect(cell, palette.base());
    const int shown = model->highlighted();
    if (model->look() == WeekLook::MainActivity && shown < 0) {
        const int a = weeks.dominant(year, week);
        if (a >= 0)
            painter->fillRect(cell, shade(a));
    } else {
        for (int a = 0; a < weeks.activityCount(); ++a) {
            const WeekBand band = weekBand(weeks, year, week, a, shown, model->highlightedPeak());
            if (band.height <= 0)
                continue;
            const double height = cell.height() * band.height;
            painter->fillRect(QRectF(cell.left(), cell.bottom() - cell.height() * band.bottom - height, cell.width(),
                                     height),
                              shade(a));
        }
    }
    if (shown < 0 && isOverfull(weeks, year, week) && cell.width() >= 4) {
        const double side = std::max(2.0, cell.width() / 2.5);
        QPainterPath corner;
        corner.moveTo(cell.right() - side, cell.top());
        corner.lineTo(cell.right(), cell.top());
        corner.lineTo(cell.right(), cell.top() + side);
        corner.closeSubpath();
        painter->fillPath(corner, palette.windowText());
    }
    painter->setRenderHint(QPainter::Antialiasing);
    if (!weeks.eventsIn(year, week).isEmpty()) {
        const double radius = std::max(1.5, cell.width() * 0.3);
        painter->setPen(QPen(palette.color(QPalette::Base), 1));
        painter->setBrush(palette.color(QPalette::Text));
        painter->drawEllipse(cell.center(), radius, radius);
    }
    if (weeks.currentWeek().year == year && weeks.currentWeek().week == week) {
        painter->setPen(QPen(palette.color(QPalette::Text), 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(cell.adjusted(-0.5, -0.5, 0.5, 0.5));
    }
    painter->restore();
}

TWeekView::TWeekView(QWidget *parent) : QTableView(parent)
{
    setHorizontalHeader(new TWeekHeader(Qt::Horizontal, this));
    setVerticalHeader(new TWeekHeader(Qt::Vertical, this));
    setItemDelegate(new TWeekDelegate(this));
    setShowGrid(false);
    // The pixel between weeks is a line of the grid, so that blank weeks stand out.
    viewport()->setBackgroundRole(QPalette::Mid);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setCornerButtonEnabled(false);
    // The corner between the headers is blank like them, not an empty button.
    setStyleSheet(QStringLiteral("QTableCornerButton::section { background: palette(window); border: none; }"));
    setWordWrap(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void TWeekView::setCellSize(int pixels)
{
    m_cell = pixels;
    updateGeometry();
}

QSize TWeekView::sizeHint() const
{
    const int rows = model() ? model()->rowCount() : 0;
    const int frame = 2 * frameWidth();
    return {verticalHeader()->sizeHint().width() + WeeksPerYear * m_cell + frame,
            horizontalHeader()->sizeHint().height() + rows * m_cell + frame};
}

void TWeekView::goToToday()
{
    const auto *weeks = qobject_cast<const WeekModel *>(model());
    if (!weeks || !weeks->weeks().currentWeek().isValid())
        return;
    const WeekIndex today = weeks->weeks().currentWeek();
    setCurrentIndex(model()->index(today.year, today.week));
}

void TWeekView::paintEvent(QPaintEvent *event)
{
    QTableView::paintEvent(event);
    // The focus ring goes around the current week, outside it and over its neighbours' edges, so
    // that it never hides what the week holds.
    if (!hasFocus() || !currentIndex().isValid())
        return;
    QPainter painter(viewport());
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    // A 2-pixel pen on the lines a pixel outside the week: over the gap and the neighbours' edges.
    painter.drawRect(QRectF(visualRect(currentIndex())).adjusted(-1, -1, 1, 1));
}

void TWeekView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Home && event->modifiers() == Qt::NoModifier) {
        goToToday();
        return;
    }
    QTableView::keyPressEvent(event);
}
