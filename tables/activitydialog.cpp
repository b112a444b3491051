#include "tables/activitydialog.h"

#include "calc/clock.h"
#include "calc/datephrase.h"
#include "calc/datetext.h"
#include "widgets/frmpickdate.h"
#include "widgets/guarded.h"
#include "widgets/icons.h"
#include "widgets/prompts.h"
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QStyle>
#include <QToolButton>

TActivityDialog::TActivityDialog(const QString &title, QSize clientSize, const Names &names, const QString &birthText,
                                 DateValue birthDate, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::CustomizeWindowHint),
      m_birthText(birthText), m_birthDate(birthDate), m_names(names)
{
    setWindowTitle(title);
    setFixedSize(clientSize);
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPixelSize(11);
    setFont(f);

    label(QStringLiteral("Description of activity"), 12, 8);
    edName = new QLineEdit(this);
    edName->setObjectName(QStringLiteral("edName"));
    edName->setMaxLength(30);
    edName->setGeometry(12, 26, clientSize.width() - 24, 23);
    edName->setAccessibleName(QStringLiteral("Description of activity"));
}

QLabel *TActivityDialog::label(const QString &text, int x, int y, int w)
{
    auto *l = new QLabel(text, this);
    l->setGeometry(x, y, w, 16);
    return l;
}

void TActivityDialog::buildDates(int top, int buttonsTop)
{
    const int width = this->width() - 24;
    QLabel *startCaption = label(QStringLiteral("Starting date of activity:"), 12, top);
    edDate = new QLineEdit(this);
    edDate->setObjectName(QStringLiteral("edDate"));
    edDate->setGeometry(12, top + 18, 130, 23);
    startCaption->setBuddy(edDate);
    edDate->setAccessibleName(QStringLiteral("Starting date of activity"));
    m_startButton = new QToolButton(this);
    m_startButton->setObjectName(QLatin1String(m_names.startButton));
    m_startButton->setIcon(calendarIcon());
    m_startButton->setToolTip(QStringLiteral("Popup calendar"));
    m_startButton->setAccessibleName(QStringLiteral("Popup calendar"));
    m_startButton->setGeometry(146, top + 18, 23, 23);
    m_startWhen = new QLabel(this);
    m_startWhen->setObjectName(QLatin1String(m_names.startLabel));
    m_startWhen->setGeometry(12, top + 44, width, 16);

    QLabel *endCaption = label(QStringLiteral("Ending date of activity:"), 12, top + 66);
    m_endPanel = new QFrame(this);
    m_endPanel->setObjectName(QStringLiteral("Panel1"));
    m_endPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_endPanel->setGeometry(12, top + 84, width, 64);
    rbNow = new QRadioButton(QStringLiteral("Indefinite"), m_endPanel);
    rbNow->setObjectName(QStringLiteral("rbNow"));
    rbNow->setGeometry(140, 6, 120, 20);
    rbSpecific = new QRadioButton(QStringLiteral("Specific date"), m_endPanel);
    rbSpecific->setObjectName(QStringLiteral("rbSpecific"));
    rbSpecific->setGeometry(10, 6, 120, 20);
    rbNow->setChecked(true);
    edEndDate = new QLineEdit(m_endPanel);
    edEndDate->setObjectName(QStringLiteral("edEndDate"));
    edEndDate->setGeometry(10, 32, 130, 23);
    edEndDate->setEnabled(false);
    edEndDate->setAccessibleName(QStringLiteral("Ending date of activity"));
    endCaption->setBuddy(edEndDate);
    btEnd = new QToolButton(m_endPanel);
    btEnd->setObjectName(QStringLiteral("btEnd"));
    btEnd->setIcon(calendarIcon());
    btEnd->setToolTip(QStringLiteral("Popup calendar"));
    btEnd->setAccessibleName(QStringLiteral("Popup calendar"));
    btEnd->setGeometry(144, 32, 23, 23);
    btEnd->setEnabled(false);
    m_endWhen = new QLabel(this);
    m_endWhen->setObjectName(QLatin1String(m_names.endLabel));
    m_endWhen->setGeometry(12, top + 150, width, 16);

    QFont small = font();
    small.setPixelSize(11);
    m_startWhen->setFont(small);
    m_endWhen->setFont(small);

    btOK = new QPushButton(QStringLiteral("OK"), this);
    btOK->setObjectName(QStringLiteral("btOK"));
    btOK->setDefault(true);
    btOK->setGeometry(this->width() - 184, buttonsTop, 80, 27);
    btCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btCancel->setObjectName(QStringLiteral("btCancel"));
    btCancel->setGeometry(this->width() - 92, buttonsTop, 80, 27);

    connect(btOK, &QPushButton::clicked, this, &TActivityDialog::btOKClick);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_startButton, &QToolButton::clicked, this, [this] { guarded(this, [this] { btStartClick(); }); });
    connect(btEnd, &QToolButton::clicked, this, [this] { guarded(this, [this] { btEndClick(); }); });
    // Program assignments run the handler as well as clicks do.
    connect(rbSpecific, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            rbSpecificClick();
    });
    connect(rbNow, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            rbSpecificClick();
    });
    edDate->installEventFilter(this);
    edEndDate->installEventFilter(this);
}

void TActivityDialog::setEndIsNow(bool now)
{
    if (now)
        rbNow->setChecked(true);
    else
        rbSpecific->setChecked(true);
}

bool TActivityDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        if (watched == edDate) {
            updateDateWhen();
            if (m_refreshBothLabels)
                updateEndDateWhen();
        } else if (watched == edEndDate) {
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
    rememberedEndDate = edEndDate->text();
    const bool specific = rbSpecific->isChecked();
    edEndDate->setEnabled(specific);
    btEnd->setEnabled(specific);
    updateDateWhen();
    updateEndDateWhen();
    edName->setFocus();
}

void TActivityDialog::rbSpecificClick()
{
    const bool specific = rbSpecific->isChecked();
    edEndDate->setEnabled(specific);
    btEnd->setEnabled(specific);
    if (specific) {
        edEndDate->setText(rememberedEndDate);
        if (edEndDate->text() == QLatin1String("Now"))
            edEndDate->setText(shortDateText(Clock::now()));
    } else {
        edEndDate->setText(QStringLiteral("Now"));
    }
    if (edEndDate->text().isEmpty())
        edEndDate->setText(shortDateText(Clock::now()));
}

void TActivityDialog::btStartClick()
{
    DateValue d = strToDate(edDate->text());
    d = pickDate(edDate, d, m_birthDate);
    edDate->setText(shortDateText(d));
    edDate->setFocus();
    updateDateWhen();
    updateEndDateWhen();
}

void TActivityDialog::btEndClick()
{
    if (edEndDate->text() == QLatin1String("Now"))
        edEndDate->setText(shortDateText(Clock::now()));
    DateValue d = strToDate(edEndDate->text());
    d = pickDate(edEndDate, d, m_birthDate);
    edEndDate->setText(shortDateText(d));
    edEndDate->setFocus();
    rememberedEndDate = edEndDate->text();
    if (m_refreshBothLabels)
        updateDateWhen();
    updateEndDateWhen();
}

void TActivityDialog::updateDateWhen()
{
    DateValue d = 0;
    m_startWhen->setText(tryStrToDate(edDate->text(), d) ? dateWhenText(d, m_birthDate) : QString());
}

void TActivityDialog::updateEndDateWhen()
{
    DateValue d = 0;
    m_endWhen->setText(tryStrToDate(edEndDate->text(), d) ? dateWhenText(d, m_birthDate) : QString());
}

void TActivityDialog::failAt(QWidget *focus)
{
    if (focus)
        focus->setFocus();
}

bool TActivityDialog::checkDates(QString &message, DateValue &start, DateValue &end, bool &endValid)
{
    if (edName->text().isEmpty()) {
        message = QStringLiteral("Description cannot be blank");
        failAt(edName);
        return false;
    }
    if (!tryStrToDate(edDate->text(), start)) {
        message = QStringLiteral("Starting date is not valid");
        failAt(edDate);
        return false;
    }
    endValid = tryStrToDate(edEndDate->text(), end);
    if (rbSpecific->isChecked() && !endValid) {
        message = QStringLiteral("Ending date is not valid");
        failAt(edEndDate);
        return false;
    }
    return true;
}

bool TActivityDialog::checkBirthAndFuture(QString &message, DateValue start)
{
    // The birth-date text is read afresh: the main window lets nobody here without a valid one.
    DateValue birth = 0;
    if (tryStrToDate(m_birthText, birth) && wholeDay(start) < wholeDay(birth)) {
        message = QStringLiteral("Starting date is earlier than date of birth");
        failAt(edDate);
        return false;
    }
    if (wholeDay(start) > wholeDay(Clock::now())) {
        message = QStringLiteral("Starting date is in the future");
        failAt(edDate);
        return false;
    }
    return true;
}

void TActivityDialog::btOKClick()
{
    QString message;
    if (qKosher(message)) {
        if (rbNow->isChecked())
            edEndDate->setText(QStringLiteral("Now"));
        accept();
    } else {
        Prompts::showError(this, message);
    }
}
