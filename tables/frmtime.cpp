#include "tables/frmtime.h"

#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>

TfrmTime::TfrmTime(const QString &birthText, DateValue birthDate, QWidget *parent)
    : TActivityDialog(QStringLiteral("Activity time"), QSize(444, 336), Names{"btStart", "lblStart", "lblEnd"},
                      birthText, birthDate, parent)
{
    setObjectName(QStringLiteral("frmTime"));
    auto *perCaption = new QLabel(QStringLiteral("Amount of time spent per:"), this);
    perCaption->setGeometry(12, 58, 200, 16);
    auto *group = new QWidget(this);
    group->setObjectName(QStringLiteral("grpPer"));
    group->setGeometry(12, 76, 220, 24);
    rbDay = new QRadioButton(QStringLiteral("Day"), group);
    rbDay->setObjectName(QStringLiteral("rbDay"));
    rbDay->setGeometry(0, 2, 60, 20);
    rbWeek = new QRadioButton(QStringLiteral("Week"), group);
    rbWeek->setObjectName(QStringLiteral("rbWeek"));
    rbWeek->setGeometry(70, 2, 70, 20);
    rbMonth = new QRadioButton(QStringLiteral("Month"), group);
    rbMonth->setObjectName(QStringLiteral("rbMonth"));
    rbMonth->setGeometry(145, 2, 75, 20);
    rbDay->setChecked(true);

    auto *hoursCaption = new QLabel(QStringLiteral("Hours"), this);
    hoursCaption->setGeometry(250, 58, 80, 16);
    numHours = new QSpinBox(this);
    numHours->setObjectName(QStringLiteral("numHours"));
    numHours->setRange(0, 720);
    numHours->setGeometry(250, 76, 80, 23);
    numHours->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    hoursCaption->setBuddy(numHours);
    numHours->setAccessibleName(QStringLiteral("Hours"));
    auto *minCaption = new QLabel(QStringLiteral("Minutes"), this);
    minCaption->setGeometry(350, 58, 80, 16);
    numMin = new QSpinBox(this);
    numMin->setObjectName(QStringLiteral("numMin"));
    numMin->setRange(0, 59);
    numMin->setGeometry(350, 76, 80, 23);
    numMin->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    minCaption->setBuddy(numMin);
    numMin->setAccessibleName(QStringLiteral("Minutes"));

    buildDates(112, 298);
    m_refreshBothLabels = true;

    setTabOrder(edName, rbDay);
    setTabOrder(rbDay, rbWeek);
    setTabOrder(rbWeek, rbMonth);
    setTabOrder(rbMonth, numHours);
    setTabOrder(numHours, numMin);
    setTabOrder(numMin, edDate);
    setTabOrder(edDate, m_startButton);
    setTabOrder(m_startButton, rbNow);
    setTabOrder(rbNow, rbSpecific);
    setTabOrder(rbSpecific, edEndDate);
    setTabOrder(edEndDate, btEnd);
    setTabOrder(btEnd, btOK);
    setTabOrder(btOK, btCancel);
}

void TfrmTime::setPeriod(bool day, bool week, bool month)
{
    // An exclusive group cannot be emptied by unchecking; lift exclusivity for the assignment.
    for (QRadioButton *rb : {rbDay, rbWeek, rbMonth})
        rb->setAutoExclusive(false);
    rbDay->setChecked(day);
    rbWeek->setChecked(week && !day);
    rbMonth->setChecked(month && !day && !week);
    for (QRadioButton *rb : {rbDay, rbWeek, rbMonth})
        rb->setAutoExclusive(true);
}

bool TfrmTime::qKosher(QString &message)
{
    DateValue start = 0;
    DateValue end = 0;
    bool endValid = false;
    if (!checkDates(message, start, end, endValid))
        return false;
    const int hours = numHours->value();
    const int minutes = numMin->value();
    if (rbDay->isChecked() && (hours > 24 || (hours == 24 && minutes != 0))) {
        message = QStringLiteral("Number of hours incorrect for days");
        return false;
    }
    if (rbWeek->isChecked() && (hours > 168 || (hours == 168 && minutes != 0))) {
        message = QStringLiteral("Number of hours/minutes incorrect for weeks");
        return false;
    }
    if (rbMonth->isChecked() && (hours > 5208 || (hours == 5208 && minutes != 0))) {
        message = QStringLiteral("Number of hours/minutes incorrect for months");
        return false;
    }
    if (!checkBirthAndFuture(message, start))
        return false;
    if (!rbNow->isChecked() && endValid && wholeDay(start) > wholeDay(end)) {
        message = QStringLiteral("Starting date is after the ending date");
        failAt(edDate);
        return false;
    }
    return true;
}
