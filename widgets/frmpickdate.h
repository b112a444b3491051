#pragma once

#include "calc/datevalue.h"
#include <QDate>
#include <QDialog>
#include <functional>
#include <memory>

namespace Ui {
class TfrmPickDate;
}

// Calendar picker, a popup by its field: move by months and years, jump to today or the birthday, see how far
// the day lies from today and how old the user is on it, and choose a day.
class TfrmPickDate : public QDialog
{
    Q_OBJECT
public:
    TfrmPickDate(DateValue initialDate, DateValue birthday, QWidget *parent = nullptr);
    ~TfrmPickDate() override;

    QDate shownDate() const;

    // Test hook: when set, pickDate asks it instead of opening the window.
    using PickHook = std::function<DateValue(DateValue initial, DateValue birthday)>;
    static void setPickHook(PickHook hook);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void CalendarChange();
    void MonthSpinnerUp();
    void MonthSpinnerDown();
    void YearSpinnerUp();
    void YearSpinnerDown();
    void sbNowClick();
    void SpeedButton1Click();

private:
    void FormShow();
    void updatePanels();
    void setShownDate(QDate date);
    void moveMonths(int months);
    void watchKeys(QWidget *widget);

    std::unique_ptr<Ui::TfrmPickDate> ui;
    DateValue m_initialDate;
    DateValue m_birthday;
};

// Shows the picker for `anchor`'s date; returns the chosen day, or `initial` exactly as passed
// when the pick is cancelled.
DateValue pickDate(QWidget *anchor, DateValue initial, DateValue birthday);

// Where a popup of `size` goes by `anchor`: below it from its left edge; above when there is no
// room below; moved onto `available` where it would leave it. All in screen coordinates.
QPoint popupPlace(const QRect &anchor, const QSize &size, const QRect &available);
