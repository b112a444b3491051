#include "results/weekview.h"

#include "results/weekmodel.h"
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>

namespace {
// Lightness between that of light and dark window backgrounds, hues far apart.
constexpr std::array<QRgb, 12> kColours = {0x4e79a7, 0xf28e2b, 0xe15759, 0x76b7b2, 0x59a14f, 0xedc948,
                                           0xb07aa1, 0xff9da7, 0x9c755f, 0x8cd17d, 0x499894, 0xd37295};
// Weeks ahead are drawn at this opacity.
constexpr double kAheadOpacity = 0.4;
} // namespace

QColor weekColour(int activity)
{
    const QColor base = QColor::fromRgb(kColours[std::size_t(activity) % kColours.size()]);
    const int round = activity / int(kColours.size());
    if (round == 0)
        return base;
    // Past the twelve, each hue comes again a little turned, lighter and darker in turn, and never
    // so pale or so deep that it would vanish into a light or a dark background.
    const double step = 0.12 * ((round + 1) / 2);
    const double lightness = std::clamp(base.lightnessF() + (round % 2 ? step : -step), 0.35, 0.75);
    const double hue = std::fmod(base.hslHueF() + 0.03 * round, 1.0);
    return QColor::fromHslF(float(hue), base.hslSaturationF(), float(lightness));
}

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
    painter->setOpacity(ahead ? kAheadOpacity : 1.0);
    painter->fillRect(cell, palette.base());

    // A week is drawn against its own hours: week 51 has 8 or 9 days.
    const double hours = 24.0 * weeks.days(year, week);
    const double total = weeks.totalHours(year, week);
    const bool over = total > hours + 0.5;
    const int shown = model->highlighted();
    const double scale = shown >= 0 ? std::max(model->highlightedPeak(), 1e-9) * weeks.days(year, week)
                         : over     ? total
                                    : hours;
    double bottom = cell.bottom();
    for (int a = 0; a < weeks.activityCount(); ++a) {
        if (shown >= 0 && a != shown)
            continue;
        const double height = cell.height() * weeks.hours(year, week, a) / scale;
        if (height <= 0)
            continue;
        painter->fillRect(QRectF(cell.left(), bottom - height, cell.width(), height), weekColour(a));
        bottom -= height;
    }
    if (over && shown < 0 && cell.width() >= 4) {
        const double side = std::max(2.0, cell.width() / 2.5);
        QPainterPath corner;
        corner.moveTo(cell.right() - side, cell.top());
        corner.lineTo(cell.right(), cell.top());
        corner.lineTo(cell.right(), cell.top() + side);
        corner.closeSubpath();
        painter->fillPath(corner, palette.windowText());
    }
    painter->setOpacity(1.0);
    if (weeks.currentWeek().year == year && weeks.currentWeek().week == week) {
        painter->setPen(QPen(palette.color(QPalette::Text), 2));
        painter->drawRect(cell.adjusted(-0.5, -0.5, 0.5, 0.5));
    }
    if (option.state & QStyle::State_HasFocus) {
        painter->setPen(QPen(palette.color(QPalette::Highlight), 2));
        painter->drawRect(cell.adjusted(1, 1, -1, -1));
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

void TWeekView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Home && event->modifiers() == Qt::NoModifier) {
        goToToday();
        return;
    }
    QTableView::keyPressEvent(event);
}
