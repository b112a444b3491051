#pragma once

#include "calc/datevalue.h"
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

// What the two activity dialogs share: the description, the start date with its calendar button
// and date-when label, the end date that is either a specific date or "Now", and OK/Cancel with
// validation on OK.
class TActivityDialog : public QDialog
{
    Q_OBJECT
public:
    QLineEdit *edName = nullptr;
    QLineEdit *edDate = nullptr;
    QRadioButton *rbSpecific = nullptr;
    QRadioButton *rbNow = nullptr;
    QLineEdit *edEndDate = nullptr;
    QString rememberedEndDate;

    // The end date mode as the caller sets it; runs rbSpecificClick like a click would.
    void setEndIsNow(bool now);

    virtual bool qKosher(QString &message) = 0;
    void btOKClick();
    void btStartClick();
    void btEndClick();
    void rbSpecificClick();
    void updateDateWhen();
    void updateEndDateWhen();
    QLabel *startWhenLabel() const { return m_startWhen; }
    QLabel *endWhenLabel() const { return m_endWhen; }

protected:
    struct Names {
        const char *startButton;
        const char *startLabel;
        const char *endLabel;
    };
    // birthText: the main window's birth-date text, birthDate: its last valid birth date.
    TActivityDialog(const QString &title, QSize clientSize, const Names &names, const QString &birthText,
                    DateValue birthDate, QWidget *parent);

    // Lays out the date part from `top` down and the OK/Cancel row at `buttonsTop`.
    void buildDates(int top, int buttonsTop);
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    virtual void FormShow();
    // The shared checks: start date valid, end date valid, start not before birth, not in the future.
    bool checkDates(QString &message, DateValue &start, DateValue &end, bool &endValid);
    bool checkBirthAndFuture(QString &message, DateValue start);
    void failAt(QWidget *focus);

    const QString m_birthText;
    const DateValue m_birthDate;
    bool m_refreshBothLabels = true;
    QToolButton *m_startButton = nullptr;
    QToolButton *btEnd = nullptr;
    QLabel *m_startWhen = nullptr;
    QLabel *m_endWhen = nullptr;
    QFrame *m_endPanel = nullptr;
    QPushButton *btOK = nullptr;
    QPushButton *btCancel = nullptr;

private:
    QLabel *label(const QString &text, int x, int y, int w = 300);
    const Names m_names;
};
