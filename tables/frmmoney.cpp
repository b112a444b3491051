#include "tables/frmmoney.h"

#include "calc/periodtext.h"
#include "calc/strictnumber.h"
#include "widgets/numedit.h"
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

TfrmMoney::TfrmMoney(const QString &birthText, DateValue birthDate, QWidget *parent)
    : TActivityDialog(QStringLiteral("Activity "), QSize(441, 311), Names{"SpeedButton1", "Label4", "Label7"},
                      birthText, birthDate, parent)
{
    setObjectName(QStringLiteral("frmMoney"));
    Label5 = new QLabel(this);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setGeometry(12, 58, 210, 16);
    cbWhen = new QComboBox(this);
    cbWhen->setObjectName(QStringLiteral("cbWhen"));
    cbWhen->addItems({QStringLiteral("Day"), QStringLiteral("Week"), QStringLiteral("Month"), QStringLiteral("Year"),
                      QStringLiteral("Once only")});
    cbWhen->setGeometry(12, 76, 150, 23);
    cbWhen->setCurrentIndex(0);
    Label5->setBuddy(cbWhen);

    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(250, 58, 150, 16);
    numMoney = new TNumEdit(this);
    numMoney->setObjectName(QStringLiteral("numMoney"));
    numMoney->setRange(0, 9999999);
    numMoney->setSingleStep(1);
    numMoney->setGeometry(250, 76, 150, 23);
    Label3->setBuddy(numMoney);

    buildDates(108, 276);
    m_refreshBothLabels = false;

    setTabOrder(edName, cbWhen);
    setTabOrder(cbWhen, numMoney);
    setTabOrder(numMoney, edDate);
    setTabOrder(edDate, m_startButton);
    setTabOrder(m_startButton, rbSpecific);
    setTabOrder(rbSpecific, rbNow);
    setTabOrder(rbNow, edEndDate);
    setTabOrder(edEndDate, btEnd);
    setTabOrder(btEnd, btOK);
    setTabOrder(btOK, btCancel);
}

void TfrmMoney::FormShow()
{
    Label5->setText(isMoney ? QStringLiteral("Amount of money spent per:")
                            : QStringLiteral("Frequency performed per:"));
    Label3->setText(isMoney ? QStringLiteral("Money") : QStringLiteral("Number"));
    numMoney->setAccessibleName(Label3->text());
    cbWhen->setAccessibleName(Label5->text());
    numMoney->setMask(isMoney, isMoney ? 2 : 0);
    double value = 0;
    if (amountText.isEmpty() || !tryStrToFloat(amountText, value))
        value = 0;
    numMoney->setValue(value);
    TActivityDialog::FormShow();
}

QString TfrmMoney::amountDisplayText() const
{
    return numMoney->text().trimmed();
}

bool TfrmMoney::qKosher(QString &message)
{
    DateValue start = 0;
    DateValue end = 0;
    bool endValid = false;
    if (!checkDates(message, start, end, endValid))
        return false;
    if (!checkBirthAndFuture(message, start))
        return false;
    // The shown text is what gets stored, so judge the value it holds.
    numMoney->interpretText();
    if (!(numMoney->value() > 0)) {
        message = QStringLiteral("Value cannot be set to 0");
        failAt(numMoney);
        return false;
    }
    return true;
}
