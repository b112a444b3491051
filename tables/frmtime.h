#pragma once

#include "tables/activitydialog.h"
#include <memory>

namespace Ui {
class TfrmTime;
}

// The hours activity dialog: a time (hours and minutes) per day, week or month.
class TfrmTime : public TActivityDialog
{
    Q_OBJECT
public:
    TfrmTime(const QString &birthText, DateValue birthDate, QWidget *parent = nullptr);
    ~TfrmTime() override;

    // The amount cell is a duration text ("2 Hrs 30 Mins"), the period Day, Week or Month.
    void setRow(const QStringList &cells) override;
    QStringList row() const override;

protected:
    // The time against the period's length, then the dates' order.
    bool checkRest(QString &message, const CheckedDates &dates) override;

private:
    // Checks day, week or month; none of the three when all are false.
    void setPeriod(bool day, bool week, bool month);

    std::unique_ptr<Ui::TfrmTime> ui;
};
