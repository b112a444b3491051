#pragma once

#include "calc/datevalue.h"
#include <QCalendarWidget>
#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class QToolButton;
class TSpinner;

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

// Borderless calendar picker: move by months and years, jump to today or the birthday, see how far
// the day lies from today and how old the user is on it, and choose a day.
class TfrmPickDate : public QDialog
{
    Q_OBJECT
public:
    TfrmPickDate(DateValue initialDate, DateValue birthday, QWidget *parent = nullptr);

    DateValue initialDate() const { return m_initialDate; }
    QDate shownDate() const;
    void setShownDate(QDate date);

    void updatePanels();
    void MonthSpinnerUp();
    void MonthSpinnerDown();
    void YearSpinnerUp();
    void YearSpinnerDown();
    void sbNowClick();
    void SpeedButton1Click();

    // Test hook: when set, pickDate asks it instead of opening the window.
    using PickHook = std::function<DateValue(DateValue initial, DateValue birthday)>;
    static void setPickHook(PickHook hook);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormShow();
    void CalendarChange();
    void moveMonths(int months);
    void watchKeys(QWidget *widget);

    DateValue m_initialDate;
    DateValue m_birthday;
    TPickCalendar *Calendar;
    QLabel *pnlMonth;
    TSpinner *MonthSpinner;
    QLabel *pnlYear;
    TSpinner *YearSpinner;
    QLabel *pnlWhen;
    QToolButton *SpeedButton1;
    QToolButton *sbNow;
    QPushButton *btnOk;
    QPushButton *btnCancel;
};

// Shows the picker for `anchor`'s date; returns the chosen day, or `initial` exactly as passed
// when the pick is cancelled.
DateValue pickDate(QWidget *anchor, DateValue initial, DateValue birthday);
