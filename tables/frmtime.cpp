#include "tables/frmtime.h"

#include "calc/periodtext.h"
#include "ui_frmtime.h"
#include "widgets/radiogroup.h"

TfrmTime::TfrmTime(const QString &birthText, DateValue birthDate, QWidget *parent)
    : TActivityDialog(birthText, birthDate, parent), ui(std::make_unique<Ui::TfrmTime>())
{
    ui->setupUi(this);
    bindControls({ui->edName, ui->edDate, ui->btStart, ui->lblStart, ui->rbSpecific, ui->rbNow, ui->edEndDate,
                  ui->btEnd, ui->lblEnd, ui->btOK, ui->btCancel});
    m_refreshBothLabels = true;
    tabIntoCheckedButton({ui->rbDay, ui->rbWeek, ui->rbMonth});
}

TfrmTime::~TfrmTime() = default;

void TfrmTime::setRow(const QStringList &cells)
{
    ui->numHours->setValue(hoursOf(cells.value(1)));
    ui->numMin->setValue(minutesOf(cells.value(1)));
    const QString per = cells.value(2);
    setPeriod(isDay(per), isWeek(per), isMonth(per));
    TActivityDialog::setRow(cells);
}

QStringList TfrmTime::row() const
{
    QStringList cells = TActivityDialog::row();
    cells[1] = durationText(ui->numHours->value(), ui->numMin->value());
    cells[2] = periodFromChoice(ui->rbDay->isChecked(), ui->rbWeek->isChecked());
    return cells;
}

void TfrmTime::setPeriod(bool day, bool week, bool month)
{
    // An exclusive group cannot be emptied by unchecking; lift exclusivity for the assignment.
    for (QRadioButton *rb : {ui->rbDay, ui->rbWeek, ui->rbMonth})
        rb->setAutoExclusive(false);
    ui->rbDay->setChecked(day);
    ui->rbWeek->setChecked(week && !day);
    ui->rbMonth->setChecked(month && !day && !week);
    for (QRadioButton *rb : {ui->rbDay, ui->rbWeek, ui->rbMonth})
        rb->setAutoExclusive(true);
}

bool TfrmTime::checkRest(QString &message, const CheckedDates &dates)
{
    const int hours = ui->numHours->value();
    const int minutes = ui->numMin->value();
    if (ui->rbDay->isChecked() && (hours > 24 || (hours == 24 && minutes != 0))) {
        message = tr("Number of hours incorrect for days");
        return false;
    }
    if (ui->rbWeek->isChecked() && (hours > 168 || (hours == 168 && minutes != 0))) {
        message = tr("Number of hours/minutes incorrect for weeks");
        return false;
    }
    if (ui->rbMonth->isChecked() && (hours > 5208 || (hours == 5208 && minutes != 0))) {
        message = tr("Number of hours/minutes incorrect for months");
        return false;
    }
    return checkDateOrder(message, dates);
}
