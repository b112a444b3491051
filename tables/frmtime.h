#pragma once

#include "tables/activitydialog.h"

class QRadioButton;
class QSpinBox;

// The hours activity dialog: a time (hours and minutes) per day, week or month.
class TfrmTime : public TActivityDialog
{
    Q_OBJECT
public:
    TfrmTime(const QString &birthText, DateValue birthDate, QWidget *parent = nullptr);

    QRadioButton *rbDay = nullptr;
    QRadioButton *rbWeek = nullptr;
    QRadioButton *rbMonth = nullptr;
    QSpinBox *numHours = nullptr;
    QSpinBox *numMin = nullptr;

    // Checks day, week or month; none of the three when all are false.
    void setPeriod(bool day, bool week, bool month);
    bool qKosher(QString &message) override;
};
