#pragma once

#include "tables/activitydialog.h"

class QComboBox;
class QLabel;
class TNumEdit;

// The money and frequency activity dialog: an amount of money, or a number of times, per day,
// week, month, year or once. isMoney chooses the mode when the dialog is shown.
class TfrmMoney : public TActivityDialog
{
    Q_OBJECT
public:
    TfrmMoney(const QString &birthText, DateValue birthDate, QWidget *parent = nullptr);

    bool isMoney = false;
    QString amountText;
    QLabel *Label5 = nullptr;
    QComboBox *cbWhen = nullptr;
    QLabel *Label3 = nullptr;
    TNumEdit *numMoney = nullptr;

    // The amount as the field shows it under its mask, without leading or trailing blanks.
    QString amountDisplayText() const;
    bool qKosher(QString &message) override;

protected:
    void FormShow() override;
};
