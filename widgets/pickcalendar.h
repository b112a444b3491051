#pragma once

#include <QCalendarWidget>

// The month calendar of the picker: day cells drawn as small button faces for the shown month,
// the selected day pressed, and grey cells for the neighbouring months.
class TPickCalendar : public QCalendarWidget
{
    Q_OBJECT
public:
    explicit TPickCalendar(QWidget *parent = nullptr);

protected:
    void paintCell(QPainter *painter, const QRect &rect, QDate date) const override;
};
