#pragma once

#include "calc/datevalue.h"
#include <QDialog>
#include <QStringList>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

// What the two activity dialogs share: the description, the start date with its calendar button
// and date-when label, the end date that is either a specific date or "Now", and OK/Cancel with
// validation on OK.
//
// The caller hands a row in and takes it back as the five cell texts of a table row (activity,
// amount, per, start date, end date), so it never reaches into the dialog's controls.
class TActivityDialog : public QDialog
{
    Q_OBJECT
public:
    // Fills every field from the cells; an end date of "Now" selects the indefinite end.
    virtual void setRow(const QStringList &cells);
    // The cells as the fields hold them; after OK the end date of an indefinite end is "Now".
    virtual QStringList row() const;

    // Runs the checks in order, the shared opening (description, start date, end date) first and
    // then the dialog's own. Returns true, or false with the message of the first failing check and
    // the focus moved to the offending field.
    bool qKosher(QString &message);

private slots:
    void btOKClick();
    void btStartClick();
    void btEndClick();
    void rbSpecificClick();

protected:
    // The shared controls, as each dialog's layout file makes them.
    struct Controls {
        QLineEdit *edName;
        QLineEdit *edDate;
        QToolButton *startButton;
        QLabel *startWhen;
        QRadioButton *rbSpecific;
        QRadioButton *rbNow;
        QLineEdit *edEndDate;
        QToolButton *btEnd;
        QLabel *endWhen;
        QPushButton *btOK;
        QPushButton *btCancel;
    };
    // birthText: the main window's birth-date text, birthDate: its last valid birth date.
    TActivityDialog(const QString &birthText, DateValue birthDate, QWidget *parent);

    // Takes the shared controls once the layout is set up, and wires them.
    void bindControls(const Controls &controls);
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    virtual void FormShow();
    // What the opening of the checks read.
    struct CheckedDates {
        DateValue start = 0;
        DateValue end = 0;
        bool endValid = false; // the end date text is a date, not "Now" or unreadable
    };
    // The dialog's own checks, which follow the opening, in the dialog's order.
    virtual bool checkRest(QString &message, const CheckedDates &dates) = 0;
    // The start not before the birth date and not in the future; a specific end date not before it.
    bool checkDateOrder(QString &message, const CheckedDates &dates);
    void failAt(QWidget *focus);
    // The end date mode; runs rbSpecificClick like a click would.
    void setEndIsNow(bool now);
    void updateDateWhen();
    void updateEndDateWhen();

    const QString m_birthText;
    const DateValue m_birthDate;
    bool m_refreshBothLabels = true;
    QString m_rememberedEndDate;
    Controls c{};

private:
    bool checkOpening(QString &message, CheckedDates &dates);
};
