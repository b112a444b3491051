#include "tables/frmmoney.h"

#include "calc/periodtext.h"
#include "calc/strictnumber.h"
#include "ui_frmmoney.h"

TfrmMoney::TfrmMoney(bool isMoney, const QString &birthText, DateValue birthDate, QWidget *parent)
    : TActivityDialog(birthText, birthDate, parent), isMoney(isMoney), ui(std::make_unique<Ui::TfrmMoney>())
{
    ui->setupUi(this);
    bindControls({ui->edName, ui->edDate, ui->SpeedButton1, ui->Label4, ui->rbSpecific, ui->rbNow, ui->edEndDate,
                  ui->btEnd, ui->Label7, ui->btOK, ui->btCancel});
    m_refreshBothLabels = false;
}

TfrmMoney::~TfrmMoney() = default;

void TfrmMoney::FormShow()
{
    ui->Label5->setText(isMoney ? tr("&Amount of money spent per:") : tr("&Frequency performed per:"));
    ui->Label3->setText(isMoney ? tr("&Money", "the amount of money, beside the period") : tr("N&umber"));
    // The labels' words, without the access key's mark.
    ui->numMoney->setAccessibleName(QString(ui->Label3->text()).remove(QLatin1Char('&')));
    ui->cbWhen->setAccessibleName(QString(ui->Label5->text()).remove(QLatin1Char('&')));
    ui->numMoney->setMask(isMoney, isMoney ? 2 : 0);
    double value = 0;
    if (amountText.isEmpty() || !tryStrToFloat(amountText, value))
        value = 0;
    ui->numMoney->setValue(value);
    TActivityDialog::FormShow();
}

void TfrmMoney::setRow(const QStringList &cells)
{
    // The field takes its value when shown, under the mask of the mode.
    amountText = digitsOnly(cells.value(1));
    ui->cbWhen->setCurrentIndex(periodIndex(cells.value(2)));
    TActivityDialog::setRow(cells);
}

QStringList TfrmMoney::row() const
{
    QStringList cells = TActivityDialog::row();
    cells[1] = amountDisplayText();
    cells[2] = periodName(ui->cbWhen->currentIndex());
    return cells;
}

QString TfrmMoney::amountDisplayText() const
{
    return ui->numMoney->text().trimmed();
}

bool TfrmMoney::checkRest(QString &message, const CheckedDates &dates)
{
    // The span counts from the earlier date, so an end before the start would give a believable
    // but wrong total.
    if (!checkDateOrder(message, dates))
        return false;
    // The shown text is what gets stored, so judge the value it holds.
    ui->numMoney->interpretText();
    if (!(ui->numMoney->value() > 0)) {
        message = tr("Value cannot be set to 0");
        failAt(ui->numMoney);
        return false;
    }
    return true;
}
