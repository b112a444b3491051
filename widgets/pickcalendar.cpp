#include "widgets/pickcalendar.h"

#include <QPainter>
#include <QTextCharFormat>

TPickCalendar::TPickCalendar(QWidget *parent) : QCalendarWidget(parent)
{
    setNavigationBarVisible(false);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setGridVisible(false);
    setFirstDayOfWeek(Qt::Sunday);
    QTextCharFormat dayNames;
    dayNames.setBackground(palette().color(QPalette::Button));
    dayNames.setForeground(palette().color(QPalette::ButtonText));
    setHeaderTextFormat(dayNames);
    // Weekend days look like the others: the cell drawing decides every colour.
    QTextCharFormat plain;
    setWeekdayTextFormat(Qt::Saturday, plain);
    setWeekdayTextFormat(Qt::Sunday, plain);
}

void TPickCalendar::paintCell(QPainter *painter, const QRect &cell, QDate date) const
{
    const QPalette pal = palette();
    painter->save();
    QRect r = cell.adjusted(0, 0, -1, -1);
    painter->setPen(pal.color(QPalette::Button));
    painter->drawRect(r);
    QColor textColour = pal.color(QPalette::ButtonText);

    const bool inShownMonth = date.month() == monthShown() && date.year() == yearShown();
    if (inShownMonth) {
        r.adjust(1, 1, -1, -1);
        const bool selected = date == selectedDate();
        painter->fillRect(r.adjusted(1, 1, -1, -1), pal.color(QPalette::Button));
        // Outline with the four corner pixels cut.
        painter->setPen(pal.color(QPalette::Shadow));
        painter->drawLine(r.left() + 1, r.top(), r.right() - 1, r.top());
        painter->drawLine(r.left() + 1, r.bottom(), r.right() - 1, r.bottom());
        painter->drawLine(r.left(), r.top() + 1, r.left(), r.bottom() - 1);
        painter->drawLine(r.right(), r.top() + 1, r.right(), r.bottom() - 1);
        const QRect in = r.adjusted(1, 1, -1, -1);
        if (selected) {
            painter->setPen(pal.color(QPalette::Dark));
            painter->drawLine(in.topLeft(), in.topRight());
            painter->drawLine(in.topLeft(), in.bottomLeft());
            painter->setPen(pal.color(QPalette::Shadow));
            painter->drawRect(in.adjusted(0, 0, 0, 0));
        } else {
            painter->setPen(pal.color(QPalette::Light));
            painter->drawLine(in.topLeft(), in.topRight());
            painter->drawLine(in.topLeft(), in.bottomLeft());
            painter->setPen(pal.color(QPalette::Dark));
            painter->drawLine(in.bottomLeft(), in.bottomRight());
            painter->drawLine(in.topRight(), in.bottomRight());
        }
        if (selected) {
            painter->fillRect(in.adjusted(2, 2, -1, -1), pal.color(QPalette::Highlight));
            textColour = pal.color(QPalette::HighlightedText);
        }
    } else {
        painter->fillRect(r, pal.color(QPalette::Button));
        const QColor grey = pal.color(QPalette::Disabled, QPalette::ButtonText);
        painter->setPen(grey);
        painter->drawRect(r);
        textColour = grey;
    }
    painter->setPen(textColour);
    painter->drawText(r, Qt::AlignCenter | Qt::TextSingleLine, QString::number(date.day()));
    painter->restore();
}
