#pragma once

#include "tables/activitydialog.h"
#include <memory>

namespace Ui {
class TfrmMoney;
}

// The money and frequency activity dialog: an amount of money, or a number of times, per day,
// week, month, year or once. isMoney chooses the mode: money, or frequencies.
class TfrmMoney : public TActivityDialog
{
    Q_OBJECT
public:
    TfrmMoney(bool isMoney, const QString &birthText, DateValue birthDate, QWidget *parent = nullptr);
    ~TfrmMoney() override;

    // The amount cell is the amount as the field shows it under its mask ("$1,250.00", "3").
    void setRow(const QStringList &cells) override;
    QStringList row() const override;

protected:
    void FormShow() override;
    // The dates' order, then an amount above 0.
    bool checkRest(QString &message, const CheckedDates &dates) override;

private:
    // The amount as the field shows it under its mask, without leading or trailing blanks.
    QString amountDisplayText() const;

    const bool isMoney;
    QString amountText;
    std::unique_ptr<Ui::TfrmMoney> ui;
};
