#include "widgets/pickcalendar.h"

#include "calc/localesettings.h"

#include <QPainter>
#include <QTextCharFormat>

TPickCalendar::TPickCalendar(QWidget *parent) : QCalendarWidget(parent)
{
    setNavigationBarVisible(false);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setGridVisible(false);
    // Weeks start where the regional settings start them (Monday in Germany and France).
    setFirstDayOfWeek(regionalLocale("LC_TIME").firstDayOfWeek());
    QTextCharFormat dayNames;
    dayNames.setBackground(palette().color(QPalette::Button));
    dayNames.setForeground(palette().color(QPalette::ButtonText));
    setHeaderTextFormat(dayNames);
    // Weekend days look like the others: the cell drawing decides every colour.
    QTextCharFormat plain;
    setWeekdayTextFormat(Qt::Saturday, plain);
    setWeekdayTextFormat(Qt::Sunday, plain);
}

namespace {
// Lines as filled rectangles of whole logical pixels: a pen's line is centred on the pixel's edge
// and at 1.5 × or 2 × leaves a sliver of the neighbouring colour beside it.
void line(QPainter *painter, QPoint from, QPoint to, const QColor &colour)
{
    painter->fillRect(QRect(from, to), colour);
}

// The edge pixels of `r`, from its left to its right and its top to its bottom.
void frame(QPainter *painter, const QRect &r, const QColor &colour)
{
    line(painter, r.topLeft(), r.topRight(), colour);
    line(painter, r.bottomLeft(), r.bottomRight(), colour);
    line(painter, r.topLeft(), r.bottomLeft(), colour);
    line(painter, r.topRight(), r.bottomRight(), colour);
}
} // namespace

void TPickCalendar::paintCell(QPainter *painter, const QRect &cell, QDate date) const
{
    const QPalette pal = palette();
    painter->save();
    QRect r = cell.adjusted(0, 0, -1, -1);
    // The whole cell first, over the view's selection colour: at a fractional scale that fill
    // reaches a device pixel past the cell's edge lines.
    painter->fillRect(cell, pal.color(QPalette::Button));
    frame(painter, cell, pal.color(QPalette::Button));
    QColor textColour = pal.color(QPalette::ButtonText);

    const bool inShownMonth = date.month() == monthShown() && date.year() == yearShown();
    if (inShownMonth) {
        r.adjust(1, 1, -1, -1);
        const bool selected = date == selectedDate();
        painter->fillRect(r.adjusted(1, 1, -1, -1), pal.color(QPalette::Button));
        // Outline with the four corner pixels cut.
        const QColor shadow = pal.color(QPalette::Shadow);
        line(painter, {r.left() + 1, r.top()}, {r.right() - 1, r.top()}, shadow);
        line(painter, {r.left() + 1, r.bottom()}, {r.right() - 1, r.bottom()}, shadow);
        line(painter, {r.left(), r.top() + 1}, {r.left(), r.bottom() - 1}, shadow);
        line(painter, {r.right(), r.top() + 1}, {r.right(), r.bottom() - 1}, shadow);
        const QRect in = r.adjusted(1, 1, -1, -1);
        if (selected) {
            // Pressed: a dark frame one pixel in, reaching the outline on the right and bottom.
            frame(painter, in.adjusted(0, 0, 1, 1), shadow);
            painter->fillRect(in.adjusted(2, 2, -1, -1), pal.color(QPalette::Highlight));
            textColour = pal.color(QPalette::HighlightedText);
        } else {
            line(painter, in.topLeft(), in.topRight(), pal.color(QPalette::Light));
            line(painter, in.topLeft(), in.bottomLeft(), pal.color(QPalette::Light));
            line(painter, in.bottomLeft(), in.bottomRight(), pal.color(QPalette::Dark));
            line(painter, in.topRight(), in.bottomRight(), pal.color(QPalette::Dark));
        }
    } else {
        painter->fillRect(r, pal.color(QPalette::Button));
        const QColor grey = pal.color(QPalette::Disabled, QPalette::ButtonText);
        frame(painter, cell, grey);
        textColour = grey;
    }
    painter->setPen(textColour);
    painter->drawText(r, Qt::AlignCenter | Qt::TextSingleLine, QString::number(date.day()));
    painter->restore();
}
