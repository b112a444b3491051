#include "tables/activitydialog.h"

#include "calc/clock.h"
#include "calc/datephrase.h"
#include "calc/datetext.h"
#include "calc/periodtext.h"
#include "calc/tablerow.h"
#include "widgets/datehint.h"
#include "widgets/fonts.h"
#include "widgets/frmpickdate.h"
#include "widgets/guarded.h"
#include "widgets/icons.h"
#include "widgets/prompts.h"
#include "widgets/radiogroup.h"
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QToolButton>

TActivityDialog::TActivityDialog(const QString &birthText, DateValue birthDate, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::CustomizeWindowHint),
      m_birthText(birthText), m_birthDate(birthDate)
{}

void TActivityDialog::bindControls(const Controls &controls)
{
    c = controls;
    setFont(sansFont(11));
    c.startButton->setIcon(calendarIcon());
    c.btEnd->setIcon(calendarIcon());

    // Validation reads dates leniently and cannot fail; the calendar buttons read them strictly.
    connect(c.btOK, &QPushButton::clicked, this, &TActivityDialog::btOKClick);
    connect(c.btCancel, &QPushButton::clicked, this, &QDialog::reject);
    connectGuarded(c.startButton, &QToolButton::clicked, this, &TActivityDialog::btStartClick);
    connectGuarded(c.btEnd, &QToolButton::clicked, this, &TActivityDialog::btEndClick);
    // Program assignments run the handler as well as clicks do.
    for (QRadioButton *rb : {c.rbSpecific, c.rbNow}) {
        connect(rb, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                rbSpecificClick();
        });
    }
    c.edDate->installEventFilter(this);
    c.edEndDate->installEventFilter(this);
    tabIntoCheckedButton({c.rbSpecific, c.rbNow});
    showDateForm(c.edDate);
    showDateForm(c.edEndDate);
}

void TActivityDialog::setRow(const QStringList &cells)
{
    c.edName->setText(cells.value(0));
    c.edDate->setText(cells.value(3));
    const bool now = isNow(cells.value(4));
    c.edEndDate->setText(now ? shownNowText() : cells.value(4));
    m_rememberedEndDate = c.edEndDate->text();
    setEndIsNow(now);
}

QStringList TActivityDialog::row() const
{
    // The field shows "Now" in the user's words; the row keeps the file's.
    const QString end = c.rbNow->isChecked() ? QString(NowText) : c.edEndDate->text();
    return {c.edName->text(), QString(), QString(), c.edDate->text(), end};
}

void TActivityDialog::setEndIsNow(bool now)
{
    if (now)
        c.rbNow->setChecked(true);
    else
        c.rbSpecific->setChecked(true);
}

bool TActivityDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        if (watched == c.edDate) {
            updateDateWhen();
            if (m_refreshBothLabels)
                updateEndDateWhen();
        } else if (watched == c.edEndDate) {
            updateEndDateWhen();
            if (m_refreshBothLabels)
                updateDateWhen();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TActivityDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TActivityDialog::FormShow()
{
    m_rememberedEndDate = c.edEndDate->text();
    const bool specific = c.rbSpecific->isChecked();
    c.edEndDate->setEnabled(specific);
    c.btEnd->setEnabled(specific);
    updateDateWhen();
    updateEndDateWhen();
    c.edName->setFocus();
}

void TActivityDialog::rbSpecificClick()
{
    const bool specific = c.rbSpecific->isChecked();
    c.edEndDate->setEnabled(specific);
    c.btEnd->setEnabled(specific);
    if (specific) {
        c.edEndDate->setText(m_rememberedEndDate);
        if (isNow(c.edEndDate->text()) || c.edEndDate->text() == shownNowText())
            c.edEndDate->setText(shortDateText(Clock::now()));
    } else {
        c.edEndDate->setText(shownNowText());
    }
    if (c.edEndDate->text().isEmpty())
        c.edEndDate->setText(shortDateText(Clock::now()));
}

void TActivityDialog::btStartClick()
{
    DateValue d = strToDate(c.edDate->text());
    d = pickDate(c.edDate, d, m_birthDate);
    c.edDate->setText(shortDateText(d));
    c.edDate->setFocus();
    updateDateWhen();
    updateEndDateWhen();
}

void TActivityDialog::btEndClick()
{
    if (isNow(c.edEndDate->text()))
        c.edEndDate->setText(shortDateText(Clock::now()));
    DateValue d = strToDate(c.edEndDate->text());
    d = pickDate(c.edEndDate, d, m_birthDate);
    c.edEndDate->setText(shortDateText(d));
    c.edEndDate->setFocus();
    m_rememberedEndDate = c.edEndDate->text();
    if (m_refreshBothLabels)
        updateDateWhen();
    updateEndDateWhen();
}

void TActivityDialog::updateDateWhen()
{
    DateValue d = 0;
    c.startWhen->setText(tryStrToDate(c.edDate->text(), d) ? dateWhenText(d, m_birthDate) : QString());
}

void TActivityDialog::updateEndDateWhen()
{
    DateValue d = 0;
    c.endWhen->setText(tryStrToDate(c.edEndDate->text(), d) ? dateWhenText(d, m_birthDate) : QString());
}

void TActivityDialog::failAt(QWidget *focus)
{
    if (focus)
        focus->setFocus();
}

bool TActivityDialog::qKosher(QString &message)
{
    CheckedDates dates;
    return checkOpening(message, dates) && checkRest(message, dates);
}

bool TActivityDialog::checkOpening(QString &message, CheckedDates &dates)
{
    if (c.edName->text().isEmpty()) {
        message = tr("Description cannot be blank");
        failAt(c.edName);
        return false;
    }
    if (!tryStrToDate(c.edDate->text(), dates.start)) {
        message = tr("Starting date is not valid");
        failAt(c.edDate);
        return false;
    }
    dates.endValid = tryStrToDate(c.edEndDate->text(), dates.end);
    if (c.rbSpecific->isChecked() && !dates.endValid) {
        message = tr("Ending date is not valid");
        failAt(c.edEndDate);
        return false;
    }
    return true;
}

bool TActivityDialog::checkDateOrder(QString &message, const CheckedDates &dates)
{
    // The birth-date text is read afresh: the main window lets nobody here without a valid one.
    DateValue birth = 0;
    if (tryStrToDate(m_birthText, birth) && wholeDay(dates.start) < wholeDay(birth)) {
        message = tr("Starting date is earlier than date of birth");
        failAt(c.edDate);
        return false;
    }
    if (wholeDay(dates.start) > wholeDay(Clock::now())) {
        message = tr("Starting date is in the future");
        failAt(c.edDate);
        return false;
    }
    if (!c.rbNow->isChecked() && dates.endValid && wholeDay(dates.start) > wholeDay(dates.end)) {
        message = tr("Starting date is after the ending date");
        failAt(c.edDate);
        return false;
    }
    return true;
}

void TActivityDialog::btOKClick()
{
    QString message;
    if (qKosher(message)) {
        if (c.rbNow->isChecked())
            c.edEndDate->setText(shownNowText());
        accept();
    } else {
        // A date that could not be read says, on a second line, which form is expected.
        const bool dateUnread =
            message == tr("Starting date is not valid") || message == tr("Ending date is not valid");
        Prompts::showError(this, dateUnread ? message + QLatin1Char('\n') + dateFormLine() : message);
    }
}
