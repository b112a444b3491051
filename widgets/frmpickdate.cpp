#include "widgets/frmpickdate.h"

#include "calc/clock.h"
#include "calc/datephrase.h"
#include "calc/datetext.h"
#include "widgets/spinner.h"
#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTableView>
#include <QTextCharFormat>
#include <QToolButton>

namespace {

TfrmPickDate::PickHook &pickHook()
{
    static TfrmPickDate::PickHook hook;
    return hook;
}

QLabel *raisedPanel(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setFrameStyle(QFrame::Panel | QFrame::Raised);
    label->setLineWidth(1);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(geometry);
    return label;
}

} // namespace

TPickCalendar::TPickCalendar(QWidget *parent) : QCalendarWidget(parent)
{
    setNavigationBarVisible(false);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setGridVisible(false);
    setFirstDayOfWeek(Qt::Sunday);
    QTextCharFormat dayNames;
    dayNames.setBackground(palette().color(QPalette::Button));
    dayNames.setForeground(palette().color(QPalette::ButtonText));
    setHeaderTextFormat(dayNames);
    // Weekend days look like the others: the cell drawing decides every colour.
    QTextCharFormat plain;
    setWeekdayTextFormat(Qt::Saturday, plain);
    setWeekdayTextFormat(Qt::Sunday, plain);
}

void TPickCalendar::paintCell(QPainter *painter, const QRect &cell, QDate date) const
{
    const QPalette pal = palette();
    painter->save();
    QRect r = cell.adjusted(0, 0, -1, -1);
    painter->setPen(pal.color(QPalette::Button));
    painter->drawRect(r);
    QColor textColour = pal.color(QPalette::ButtonText);

    const bool inShownMonth = date.month() == monthShown() && date.year() == yearShown();
    if (inShownMonth) {
        r.adjust(1, 1, -1, -1);
        const bool selected = date == selectedDate();
        painter->fillRect(r.adjusted(1, 1, -1, -1), pal.color(QPalette::Button));
        // Outline with the four corner pixels cut.
        painter->setPen(pal.color(QPalette::Shadow));
        painter->drawLine(r.left() + 1, r.top(), r.right() - 1, r.top());
        painter->drawLine(r.left() + 1, r.bottom(), r.right() - 1, r.bottom());
        painter->drawLine(r.left(), r.top() + 1, r.left(), r.bottom() - 1);
        painter->drawLine(r.right(), r.top() + 1, r.right(), r.bottom() - 1);
        const QRect in = r.adjusted(1, 1, -1, -1);
        if (selected) {
            painter->setPen(pal.color(QPalette::Dark));
            painter->drawLine(in.topLeft(), in.topRight());
            painter->drawLine(in.topLeft(), in.bottomLeft());
            painter->setPen(pal.color(QPalette::Shadow));
            painter->drawRect(in.adjusted(0, 0, 0, 0));
        } else {
            painter->setPen(pal.color(QPalette::Light));
            painter->drawLine(in.topLeft(), in.topRight());
            painter->drawLine(in.topLeft(), in.bottomLeft());
            painter->setPen(pal.color(QPalette::Dark));
            painter->drawLine(in.bottomLeft(), in.bottomRight());
            painter->drawLine(in.topRight(), in.bottomRight());
        }
        if (selected) {
            painter->fillRect(in.adjusted(2, 2, -1, -1), pal.color(QPalette::Highlight));
            textColour = pal.color(QPalette::HighlightedText);
        }
    } else {
        painter->fillRect(r, pal.color(QPalette::Button));
        const QColor grey = pal.color(QPalette::Disabled, QPalette::ButtonText);
        painter->setPen(grey);
        painter->drawRect(r);
        textColour = grey;
    }
    painter->setPen(textColour);
    painter->drawText(r, Qt::AlignCenter | Qt::TextSingleLine, QString::number(date.day()));
    painter->restore();
}

TfrmPickDate::TfrmPickDate(DateValue initialDate, DateValue birthday, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_initialDate(initialDate), m_birthday(birthday)
{
    setObjectName(QStringLiteral("frmPickDate"));
    setWindowTitle(QStringLiteral("Calendar"));
    setFixedSize(370, 291);

    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(2);
    panel->setMidLineWidth(1);
    panel->setGeometry(0, 0, 370, 291);

    Calendar = new TPickCalendar(panel);
    Calendar->setObjectName(QStringLiteral("Calendar"));
    Calendar->setGeometry(8, 7, 353, 190);
    Calendar->setAccessibleName(QStringLiteral("Calendar"));

    pnlMonth = raisedPanel(panel, "pnlMonth", QRect(9, 200, 149, 24));
    MonthSpinner = new TSpinner(QStringLiteral("Previous month"), QStringLiteral("Next month"), panel);
    MonthSpinner->setObjectName(QStringLiteral("MonthSpinner"));
    MonthSpinner->setToolTip(QStringLiteral("Change the displayed month"));
    MonthSpinner->setGeometry(159, 200, 18, 24);
    pnlYear = raisedPanel(panel, "pnlYear", QRect(190, 200, 151, 24));
    YearSpinner = new TSpinner(QStringLiteral("Next year"), QStringLiteral("Previous year"), panel);
    YearSpinner->setObjectName(QStringLiteral("YearSpinner"));
    YearSpinner->setToolTip(QStringLiteral("Change the displayed year"));
    YearSpinner->setGeometry(341, 200, 18, 24);
    pnlWhen = raisedPanel(panel, "pnlWhen", QRect(9, 226, 351, 24));

    SpeedButton1 = new QToolButton(panel);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setText(QStringLiteral("Birthday"));
    SpeedButton1->setToolTip(QStringLiteral("Go to your birthdate"));
    SpeedButton1->setFocusPolicy(Qt::NoFocus);
    SpeedButton1->setGeometry(9, 254, 78, 23);
    sbNow = new QToolButton(panel);
    sbNow->setObjectName(QStringLiteral("sbNow"));
    sbNow->setText(QStringLiteral("Today"));
    sbNow->setToolTip(QStringLiteral("Go to today"));
    sbNow->setFocusPolicy(Qt::NoFocus);
    sbNow->setGeometry(100, 254, 78, 23);
    btnOk = new QPushButton(QStringLiteral("OK"), panel);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setToolTip(QStringLiteral("Select date"));
    btnOk->setGeometry(190, 254, 78, 23);
    btnOk->setAutoDefault(false);
    btnCancel = new QPushButton(QStringLiteral("Cancel"), panel);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setToolTip(QStringLiteral("Cancel"));
    btnCancel->setGeometry(281, 254, 78, 23);
    btnCancel->setAutoDefault(false);

    // The month spinner's upper arrow goes back in time, the year spinner's goes forward.
    connect(MonthSpinner, &TSpinner::upClicked, this, &TfrmPickDate::MonthSpinnerUp);
    connect(MonthSpinner, &TSpinner::downClicked, this, &TfrmPickDate::MonthSpinnerDown);
    connect(YearSpinner, &TSpinner::upClicked, this, &TfrmPickDate::YearSpinnerUp);
    connect(YearSpinner, &TSpinner::downClicked, this, &TfrmPickDate::YearSpinnerDown);
    connect(sbNow, &QToolButton::clicked, this, &TfrmPickDate::sbNowClick);
    connect(SpeedButton1, &QToolButton::clicked, this, &TfrmPickDate::SpeedButton1Click);
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(Calendar, &QCalendarWidget::selectionChanged, this, &TfrmPickDate::CalendarChange);
    connect(Calendar, &QCalendarWidget::activated, this, &QDialog::accept);

    setShownDate(toQDate(m_initialDate > 0 ? m_initialDate : Clock::now()));
    watchKeys(this);
    Calendar->setFocus();
}

QDate TfrmPickDate::shownDate() const
{
    return Calendar->selectedDate();
}

void TfrmPickDate::setShownDate(QDate date)
{
    if (!date.isValid() || date < Calendar->minimumDate() || date > Calendar->maximumDate())
        return;
    Calendar->setSelectedDate(date);
    Calendar->setCurrentPage(date.year(), date.month());
    updatePanels();
}

void TfrmPickDate::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TfrmPickDate::FormShow()
{
    setShownDate(toQDate(m_initialDate > 0 ? m_initialDate : Clock::now()));
    updatePanels();
}

void TfrmPickDate::CalendarChange()
{
    updatePanels();
}

void TfrmPickDate::updatePanels()
{
    const QDate d = shownDate();
    pnlMonth->setText(longMonthName(d.month()));
    pnlYear->setText(QStringLiteral("%1").arg(d.year(), 4, 10, QLatin1Char('0')));
    pnlWhen->setText(dateWhenText(fromQDate(d), m_birthday));
}

void TfrmPickDate::moveMonths(int months)
{
    setShownDate(shownDate().addMonths(months));
}

void TfrmPickDate::MonthSpinnerUp()
{
    moveMonths(-1);
}

void TfrmPickDate::MonthSpinnerDown()
{
    moveMonths(1);
}

void TfrmPickDate::YearSpinnerUp()
{
    moveMonths(12);
}

void TfrmPickDate::YearSpinnerDown()
{
    moveMonths(-12);
}

void TfrmPickDate::sbNowClick()
{
    setShownDate(toQDate(Clock::now()));
    updatePanels();
}

void TfrmPickDate::SpeedButton1Click()
{
    setShownDate(toQDate(m_birthday));
    updatePanels();
}

void TfrmPickDate::watchKeys(QWidget *widget)
{
    widget->installEventFilter(this);
    for (QWidget *child : widget->findChildren<QWidget *>())
        child->installEventFilter(this);
}

bool TfrmPickDate::eventFilter(QObject *watched, QEvent *event)
{
    // The window sees every key before its controls.
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Home)
            return true;
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            accept();
            return true;
        }
    } else if (event->type() == QEvent::KeyRelease) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Home && !key->isAutoRepeat()) {
            sbNowClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmPickDate::setPickHook(PickHook hook)
{
    pickHook() = std::move(hook);
}

DateValue pickDate(QWidget *anchor, DateValue initial, DateValue birthday)
{
    if (pickHook())
        return pickHook()(initial, birthday);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    TfrmPickDate picker(initial, birthday, anchor ? anchor->window() : nullptr);
    QApplication::restoreOverrideCursor();
    if (picker.exec() == QDialog::Accepted)
        return fromQDate(picker.shownDate());
    return initial;
}
