#include "results/weekpicture.h"

#include "calc/datetext.h"
#include "widgets/contrast.h"
#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <numeric>

namespace {
// Hues far apart, each at a luminance between 0.22 and 0.29: 3:1 or more against white and
// against a dark window's #353535.
constexpr std::array<QRgb, 12> kColours = {0x4684c9, 0xe3710c, 0x399739, 0xe04f53, 0xa06bc7, 0xaf8f0e,
                                           0x269894, 0xde62aa, 0xb2724c, 0x1f9bd8, 0x6e9d2d, 0x8187a2};

// The picture's own measures, in units where a week is 20 wide.
constexpr double kCell = 20;
constexpr double kMargin = 40;
constexpr double kGap = 30;
constexpr int kTitlePixels = 44;
constexpr int kTextPixels = 22;
constexpr int kLabelPixels = 18;
constexpr double kEntry = 30;
constexpr int kMostEvents = 40;

const QColor kPaper = Qt::white;
const QColor kInk = QColor(0x20, 0x20, 0x20);
const QColor kLine = QColor(0xc8, 0xc8, 0xc8);

QFont fontOf(int pixels, bool bold = false)
{
    QFont font;
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

enum class Mark { Swatch, Nothing, Ahead, Today, Event, Over };

struct Entry {
    Mark mark;
    QColor colour;
    QString text;
};

void paintMark(QPainter &painter, const QRectF &box, Mark mark, const QColor &colour)
{
    painter.setPen(Qt::NoPen);
    switch (mark) {
    case Mark::Swatch:
    case Mark::Ahead:
        painter.fillRect(box, mark == Mark::Ahead ? aheadColour(colour) : colour);
        break;
    case Mark::Nothing:
        painter.setPen(QPen(kLine, box.width() * 0.1));
        painter.setBrush(kPaper);
        painter.drawRect(box);
        break;
    case Mark::Today:
        painter.setPen(QPen(kInk, box.width() * 0.2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box);
        break;
    case Mark::Event:
        painter.setPen(QPen(kPaper, box.width() * 0.08));
        painter.setBrush(kInk);
        painter.drawEllipse(box.center(), box.width() * 0.3, box.width() * 0.3);
        break;
    case Mark::Over: {
        painter.setPen(QPen(kLine, box.width() * 0.1));
        painter.setBrush(kPaper);
        painter.drawRect(box);
        QPainterPath corner;
        const double side = box.width() / 2.5;
        corner.moveTo(box.right() - side, box.top());
        corner.lineTo(box.right(), box.top());
        corner.lineTo(box.right(), box.top() + side);
        corner.closeSubpath();
        painter.fillPath(corner, kInk);
        break;
    }
    }
}
} // namespace

QColor weekColour(int activity)
{
    const QColor base = QColor::fromRgb(kColours[std::size_t(activity) % kColours.size()]);
    const int round = activity / int(kColours.size());
    if (round == 0)
        return base;
    // Past the twelve, each hue comes again turned and at another luminance within the readable band.
    const double hue = std::fmod(base.hslHueF() + 0.04 * round, 1.0);
    const double luminance = round % 2 ? 0.27 : 0.23;
    return withLuminance(QColor::fromHslF(float(hue), base.hslSaturationF(), base.lightnessF()), luminance);
}

QColor aheadColour(const QColor &colour, const QColor &background)
{
    const QColor c = colour.toRgb();
    const QColor b = background.toRgb();
    const auto fade = [](int v, int to) { return v + (to - v) * 60 / 100; };
    return QColor(fade(c.red(), b.red()), fade(c.green(), b.green()), fade(c.blue(), b.blue()));
}

bool isOverfull(const LifeWeeks &weeks, int year, int week)
{
    return weeks.totalHours(year, week) > 24.0 * weeks.days(year, week) + 0.5;
}

WeekBand weekBand(const LifeWeeks &weeks, int year, int week, int activity, int alone, double peak)
{
    const int days = weeks.days(year, week);
    if (alone >= 0) {
        if (activity != alone || peak <= 0)
            return {};
        return {0, weeks.hours(year, week, activity) / (peak * days)};
    }
    // A week is drawn against its own hours; one over them, in proportion.
    const double scale = std::max(24.0 * days, weeks.totalHours(year, week));
    double below = 0;
    for (int a = 0; a < activity; ++a)
        below += weeks.hours(year, week, a);
    return {below / scale, weeks.hours(year, week, activity) / scale};
}

struct WeekPicture::Layout {
    double width = 0;
    double height = 0;
    QRectF title;
    QRectF subtitle;
    QRectF grid;
    QPointF legend;
    double perColumn = 1;
    QVector<double> columnWidths;
};

WeekPicture::WeekPicture(const LifeWeeks &weeks, WeekLook look, int alone, double alonePeak, const QString &title,
                         const QString &subtitle)
    : m_weeks(weeks), m_look(look), m_alone(alone), m_peak(alonePeak), m_title(title), m_subtitle(subtitle)
{}

QString WeekPicture::colourRule(WeekLook look, const QString &alone)
{
    if (!alone.isEmpty())
        return QCoreApplication::translate("Weeks", "Each square is a week; it fills with %1 up to its busiest week.",
                                           "%1 is an activity")
            .arg(alone);
    if (look == WeekLook::AllHours)
        return QCoreApplication::translate(
            "Weeks", "Each square is a week; its hours are stacked from the bottom up by activity, in "
                     "table order.");
    return QCoreApplication::translate(
        "Weeks", "Each square is a week, coloured by the activity with the most hours that week; sleep "
                 "only when nothing else was entered, the first in the table on a tie.");
}

namespace {
QVector<Entry> legendEntries(const LifeWeeks &weeks, int alone)
{
    QVector<Entry> entries;
    for (int a = 0; a < weeks.activityCount(); ++a) {
        if (alone < 0 || a == alone)
            entries.append({Mark::Swatch, weekColour(a), weeks.names()[a]});
    }
    entries.append({Mark::Nothing, {}, QCoreApplication::translate("Weeks", "Nothing entered")});
    entries.append({Mark::Ahead, weekColour(alone >= 0 ? alone : 0),
                    QCoreApplication::translate("Weeks", "Ahead", "legend: weeks still to come")});
    if (weeks.currentWeek().isValid())
        entries.append({Mark::Today, {}, QCoreApplication::translate("Weeks", "This week")});
    entries.append(
        {Mark::Over,
         {},
         QCoreApplication::translate("Weeks", "Over its hours", "legend: a week with more hours entered than it has")});
    const QVector<WeekEvent> &events = weeks.events();
    for (int e = 0; e < events.size() && e < kMostEvents; ++e)
        entries.append({Mark::Event, {}, shortDateText(events[e].day) + QLatin1Char(' ') + events[e].text()});
    const int more = int(events.size() - kMostEvents);
    if (more > 0)
        entries.append({Mark::Event,
                        {},
                        more == 1 ? QCoreApplication::translate("Weeks", "and %n more event", nullptr, more)
                                  : QCoreApplication::translate("Weeks", "and %n more events", nullptr, more)});
    return entries;
}
} // namespace

WeekPicture::Layout WeekPicture::layoutFor(const QSizeF &area) const
{
    const QFontMetricsF label(fontOf(kLabelPixels));
    const QFontMetricsF text(fontOf(kTextPixels));
    const QFontMetricsF title(fontOf(kTitlePixels, true));
    const double side =
        label.horizontalAdvance(QCoreApplication::translate("Weeks", "Age %1").arg(QStringLiteral("000"))) + 10;
    const double top = 2 * label.height() + 6;
    const QSizeF grid(WeeksPerYear * kCell, std::max(1, m_weeks.years()) * kCell);
    const QVector<Entry> entries = legendEntries(m_weeks, m_alone);
    QVector<double> widths;
    for (const Entry &e : entries)
        widths.append(kEntry + 10 + text.horizontalAdvance(e.text) + kGap);

    const auto columnsOf = [&widths](int perColumn) {
        QVector<double> columns;
        for (int i = 0; i < widths.size(); ++i) {
            if (i % perColumn == 0)
                columns.append(0);
            columns.last() = std::max(columns.last(), widths[i]);
        }
        return columns;
    };
    const auto sum = [](const QVector<double> &v) { return std::accumulate(v.begin(), v.end(), 0.0); };
    const auto build = [&](bool beside) {
        Layout l;
        const double gridBlock = side + grid.width();
        if (beside) {
            l.perColumn = std::max(1, int(grid.height() / kEntry));
            l.columnWidths = columnsOf(int(l.perColumn));
            l.width = 2 * kMargin + gridBlock + kGap + sum(l.columnWidths);
        } else {
            int per = 1;
            while (per < widths.size() && sum(columnsOf(per)) > gridBlock)
                ++per;
            l.perColumn = per;
            l.columnWidths = columnsOf(per);
            l.width = 2 * kMargin + std::max(gridBlock, sum(l.columnWidths));
        }
        const double inner = l.width - 2 * kMargin;
        const QRectF titleBox = title.boundingRect(QRectF(0, 0, inner, 1e6), Qt::TextWordWrap, m_title);
        const QString lines = m_subtitle + QLatin1Char('\n') +
                              colourRule(m_look, m_alone >= 0 ? m_weeks.names().value(m_alone) : QString());
        const QRectF subtitleBox = text.boundingRect(QRectF(0, 0, inner, 1e6), Qt::TextWordWrap, lines);
        l.title = QRectF(kMargin, kMargin, inner, titleBox.height());
        l.subtitle = QRectF(kMargin, l.title.bottom() + 8, inner, subtitleBox.height());
        l.grid = QRectF(QPointF(kMargin + side, l.subtitle.bottom() + kGap + top), grid);
        if (beside) {
            l.legend = QPointF(l.grid.right() + kGap, l.grid.top());
            l.height = l.grid.bottom() + kMargin;
        } else {
            l.legend = QPointF(kMargin, l.grid.bottom() + kGap);
            l.height = l.legend.y() + std::min<double>(widths.size(), l.perColumn) * kEntry + kMargin;
        }
        return l;
    };
    const Layout beside = build(true);
    const Layout below = build(false);
    const auto fit = [&area](const Layout &l) { return std::min(area.width() / l.width, area.height() / l.height); };
    return fit(beside) >= fit(below) ? beside : below;
}

double WeekPicture::scaleFor(const QSizeF &area) const
{
    const Layout l = layoutFor(area);
    return std::min(area.width() / l.width, area.height() / l.height);
}

void WeekPicture::paint(QPainter &painter, const QRectF &area) const
{
    const Layout l = layoutFor(area.size());
    const double scale = std::min(area.width() / l.width, area.height() / l.height);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(area.center());
    painter.scale(scale, scale);
    painter.translate(-l.width / 2, -l.height / 2);
    painter.fillRect(QRectF(0, 0, l.width, l.height), kPaper);

    painter.setPen(kInk);
    painter.setFont(fontOf(kTitlePixels, true));
    painter.drawText(l.title, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, m_title);
    painter.setFont(fontOf(kTextPixels));
    painter.drawText(l.subtitle, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop,
                     m_subtitle + QLatin1Char('\n') +
                         colourRule(m_look, m_alone >= 0 ? m_weeks.names().value(m_alone) : QString()));

    // Captions: the weeks across the top, the ages down the side.
    const QFont labelFont = fontOf(kLabelPixels);
    const QFontMetricsF label(labelFont);
    painter.setFont(labelFont);
    const double numbersTop = l.grid.top() - label.height() - 3;
    painter.drawText(QPointF(l.grid.left(), numbersTop - 3 - label.descent()),
                     QCoreApplication::translate("Weeks", "Week of the year \u2192"));
    painter.drawText(QRectF(kMargin, numbersTop - label.height() - 3, l.grid.left() - kMargin - 6, label.height()),
                     Qt::AlignRight | Qt::AlignVCenter,
                     QCoreApplication::translate("Weeks", "Age \u2193", "axis caption: the ages run downwards"));
    for (int week = 1; week <= WeeksPerYear; ++week) {
        if (week == 1 || week % 10 == 0)
            painter.drawText(QRectF(l.grid.left() + (week - 1) * kCell, numbersTop, 3 * kCell, label.height()),
                             Qt::AlignLeft | Qt::AlignVCenter, QString::number(week));
    }
    const int step = m_weeks.years() <= 30 ? 5 : 10;
    for (int year = 0; year < m_weeks.years(); year += step)
        painter.drawText(QRectF(kMargin, l.grid.top() + year * kCell - kCell, l.grid.left() - kMargin - 6, 3 * kCell),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(year));

    paintGrid(painter, l.grid);

    // The legend, in columns.
    painter.setFont(fontOf(kTextPixels));
    const QVector<Entry> entries = legendEntries(m_weeks, m_alone);
    double x = l.legend.x();
    for (int i = 0; i < entries.size(); ++i) {
        const int column = i / int(l.perColumn);
        const int row = i % int(l.perColumn);
        if (row == 0 && column > 0)
            x += l.columnWidths[column - 1];
        const double y = l.legend.y() + row * kEntry;
        paintMark(painter, QRectF(x + 4, y + 5, kEntry - 10, kEntry - 10), entries[i].mark, entries[i].colour);
        painter.setPen(kInk);
        painter.drawText(QRectF(x + kEntry + 4, y, l.columnWidths[column] - kEntry, kEntry),
                         Qt::AlignLeft | Qt::AlignVCenter, entries[i].text);
    }
    painter.restore();
}

void WeekPicture::paintGrid(QPainter &painter, const QRectF &grid) const
{
    // One path a colour: a run of equal weeks in a row is one rectangle of it.
    std::map<QRgb, QPainterPath> fills;
    const Run run = [&fills, &grid](QRgb colour, int year, int from, int to, double bottom, double height) {
        const double top = grid.top() + (year + 1 - bottom - height) * kCell;
        fills[colour].addRect(QRectF(grid.left() + from * kCell, top, (to - from) * kCell, height * kCell));
    };
    if (m_look == WeekLook::MainActivity && m_alone < 0)
        addMainActivityRuns(run);
    else
        addBandRuns(run);
    painter.fillRect(grid, kPaper);
    for (const auto &[colour, path] : fills)
        painter.fillPath(path, QColor::fromRgb(colour));
    paintWeekLines(painter, grid);
    paintMarks(painter, grid);
}

// Each week in the colour of the activity that takes most of its hours.
void WeekPicture::addMainActivityRuns(const Run &run) const
{
    const int years = m_weeks.years();
    for (int y = 0; y < years; ++y) {
        int from = 0;
        QRgb current = 0;
        for (int k = 0; k <= WeeksPerYear; ++k) {
            QRgb colour = 0;
            if (k < WeeksPerYear) {
                const int a = m_weeks.dominant(y, k);
                if (a >= 0)
                    colour = (m_weeks.isAhead(y, k) ? aheadColour(weekColour(a)) : weekColour(a)).rgb();
            }
            if (k == WeeksPerYear || colour != current) {
                if (current != 0)
                    run(current, y, from, k, 0, 1);
                from = k;
                current = colour;
            }
        }
    }
}

// Each activity's hours as a band of its week's square.
void WeekPicture::addBandRuns(const Run &run) const
{
    const int years = m_weeks.years();
    for (int a = 0; a < m_weeks.activityCount(); ++a) {
        if (m_alone >= 0 && a != m_alone)
            continue;
        const QRgb now = weekColour(a).rgb();
        const QRgb later = aheadColour(weekColour(a)).rgb();
        for (int y = 0; y < years; ++y) {
            int from = 0;
            WeekBand band;
            QRgb colour = 0;
            for (int k = 0; k <= WeeksPerYear; ++k) {
                WeekBand next;
                QRgb nextColour = 0;
                if (k < WeeksPerYear) {
                    next = weekBand(m_weeks, y, k, a, m_alone, m_peak);
                    nextColour = m_weeks.isAhead(y, k) ? later : now;
                }
                const bool same = std::abs(next.bottom - band.bottom) < 1e-9 &&
                                  std::abs(next.height - band.height) < 1e-9 && nextColour == colour;
                if (k == WeeksPerYear || !same) {
                    if (band.height > 1e-9)
                        run(colour, y, from, k, band.bottom, band.height);
                    from = k;
                    band = next;
                    colour = nextColour;
                }
            }
        }
    }
}

void WeekPicture::paintWeekLines(QPainter &painter, const QRectF &grid) const
{
    const int years = m_weeks.years();
    // The lines between weeks, so that blank weeks show as squares: one path.
    QPainterPath lines;
    for (int k = 0; k <= WeeksPerYear; ++k) {
        lines.moveTo(grid.left() + k * kCell, grid.top());
        lines.lineTo(grid.left() + k * kCell, grid.bottom());
    }
    for (int y = 0; y <= years; ++y) {
        lines.moveTo(grid.left(), grid.top() + y * kCell);
        lines.lineTo(grid.right(), grid.top() + y * kCell);
    }
    painter.strokePath(lines, QPen(kPaper, kCell * 0.14));
    // White lines on white paper would leave weeks with nothing entered unseen, unlike the legend's
    // square: over those weeks the lines are grey.
    QPainterPath blank;
    for (int y = 0; y < years; ++y)
        for (int k = 0; k < WeeksPerYear; ++k)
            if (m_weeks.dominant(y, k) < 0)
                blank.addRect(QRectF(grid.left() + k * kCell, grid.top() + y * kCell, kCell, kCell));
    if (!blank.isEmpty()) {
        painter.save();
        painter.setClipPath(blank.simplified());
        painter.strokePath(lines, QPen(kLine, kCell * 0.14));
        painter.restore();
    }
}

void WeekPicture::paintMarks(QPainter &painter, const QRectF &grid) const
{
    const int years = m_weeks.years();
    // Marks over the squares: weeks over their hours, events, this week.
    QPainterPath corners;
    QPainterPath dots;
    for (int y = 0; y < years; ++y) {
        for (int k = 0; k < WeeksPerYear; ++k) {
            const QPointF corner(grid.left() + (k + 1) * kCell, grid.top() + y * kCell);
            if (m_alone < 0 && isOverfull(m_weeks, y, k)) {
                corners.moveTo(corner - QPointF(kCell * 0.4, 0));
                corners.lineTo(corner);
                corners.lineTo(corner + QPointF(0, kCell * 0.4));
                corners.closeSubpath();
            }
        }
    }
    for (const WeekEvent &event : m_weeks.events()) {
        const WeekIndex at = m_weeks.weekOf(event.day);
        dots.addEllipse(QPointF(grid.left() + (at.week + 0.5) * kCell, grid.top() + (at.year + 0.5) * kCell),
                        kCell * 0.3, kCell * 0.3);
    }
    painter.fillPath(corners, kInk);
    painter.setPen(QPen(kPaper, kCell * 0.08));
    painter.setBrush(kInk);
    painter.drawPath(dots);
    const WeekIndex today = m_weeks.currentWeek();
    if (today.isValid()) {
        painter.setPen(QPen(kInk, kCell * 0.2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(grid.left() + today.week * kCell, grid.top() + today.year * kCell, kCell, kCell));
    }
}
