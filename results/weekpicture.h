#pragma once

#include "calc/lifeweeks.h"
#include <QColor>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <functional>

class QPainter;

// The colour of activity `activity` (table order): a fixed qualitative set whose every colour
// keeps a contrast of 3:1 with white and with a dark window's background; past the set, its hues
// come again turned.
QColor weekColour(int activity);
// A week ahead: the colour faded towards the background, white on paper.
QColor aheadColour(const QColor &colour, const QColor &background = Qt::white);

// Where a week's hours go in its square, as fractions of its height from the bottom, for activity
// `activity` with `alone` the activity shown alone or -1. `peak` is the busiest day's hours of the
// activity shown alone. Height 0 when the activity is not drawn in that week.
struct WeekBand {
    double bottom = 0;
    double height = 0;
};
WeekBand weekBand(const LifeWeeks &weeks, int year, int week, int activity, int alone, double peak);
// Whether the week holds more hours than it has.
bool isOverfull(const LifeWeeks &weeks, int year, int week);

// The whole picture for paper and files: a title block, the grid of weeks with its captions, and a
// legend of the activities, the marks and the events, always on light colours whatever the
// desktop's theme. Runs of equal weeks are drawn as one shape, so that vector files stay small.
class WeekPicture
{
public:
    WeekPicture(const LifeWeeks &weeks, WeekLook look, int alone, double alonePeak, const QString &title,
                const QString &subtitle);

    // Draws the picture as large as fits within `area`, centred in it.
    void paint(QPainter &painter, const QRectF &area) const;
    // How large the picture can be drawn within `area` (1 is its own size).
    double scaleFor(const QSizeF &area) const;

    // The legend's explanation of the colours for a look.
    static QString colourRule(WeekLook look, const QString &alone);

private:
    struct Layout;
    Layout layoutFor(const QSizeF &area) const;
    void paintGrid(QPainter &painter, const QRectF &grid) const;
    // paintGrid's steps. A run is `from` to `to` (weeks) of a year in one colour, between `bottom`
    // and `bottom + height` of the squares' height.
    using Run = std::function<void(QRgb colour, int year, int from, int to, double bottom, double height)>;
    void addMainActivityRuns(const Run &run) const;
    void addBandRuns(const Run &run) const;
    void paintWeekLines(QPainter &painter, const QRectF &grid) const;
    void paintMarks(QPainter &painter, const QRectF &grid) const;

    const LifeWeeks &m_weeks;
    WeekLook m_look;
    int m_alone;
    double m_peak;
    QString m_title;
    QString m_subtitle;
};
