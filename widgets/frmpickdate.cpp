#include "widgets/frmpickdate.h"

#include "calc/clock.h"
#include "calc/datephrase.h"
#include "calc/datetext.h"
#include "ui_frmpickdate.h"
#include "widgets/fonts.h"
#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QScreen>
#include <algorithm>

namespace {

TfrmPickDate::PickHook &pickHook()
{
    static TfrmPickDate::PickHook hook;
    return hook;
}

} // namespace

TfrmPickDate::TfrmPickDate(DateValue initialDate, DateValue birthday, QWidget *parent)
    : QDialog(parent, Qt::Popup | Qt::FramelessWindowHint), ui(std::make_unique<Ui::TfrmPickDate>()),
      m_initialDate(initialDate), m_birthday(birthday)
{
    ui->setupUi(this);
    // A click outside only cancels, as a click beside a modal window does nothing: replayed on the
    // field's calendar button it would open the picker again.
    setAttribute(Qt::WA_NoMouseReplay);

    // Nothing here converts text, so nothing can fail: the handlers are wired plainly.
    // The month spinner's upper arrow goes back in time, the year spinner's goes forward.
    connect(ui->MonthSpinner, &TSpinner::upClicked, this, &TfrmPickDate::MonthSpinnerUp);
    connect(ui->MonthSpinner, &TSpinner::downClicked, this, &TfrmPickDate::MonthSpinnerDown);
    connect(ui->YearSpinner, &TSpinner::upClicked, this, &TfrmPickDate::YearSpinnerUp);
    connect(ui->YearSpinner, &TSpinner::downClicked, this, &TfrmPickDate::YearSpinnerDown);
    connect(ui->sbNow, &QToolButton::clicked, this, &TfrmPickDate::sbNowClick);
    connect(ui->SpeedButton1, &QToolButton::clicked, this, &TfrmPickDate::SpeedButton1Click);
    connect(ui->btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->Calendar, &QCalendarWidget::selectionChanged, this, &TfrmPickDate::CalendarChange);
    connect(ui->Calendar, &QCalendarWidget::activated, this, &QDialog::accept);

    setShownDate(toQDate(m_initialDate > 0 ? m_initialDate : Clock::now()));
    watchKeys(this);
    ui->Calendar->setFocus();
}

TfrmPickDate::~TfrmPickDate() = default;

QDate TfrmPickDate::shownDate() const
{
    return ui->Calendar->selectedDate();
}

void TfrmPickDate::setShownDate(QDate date)
{
    if (!date.isValid() || date < ui->Calendar->minimumDate() || date > ui->Calendar->maximumDate())
        return;
    ui->Calendar->setSelectedDate(date);
    ui->Calendar->setCurrentPage(date.year(), date.month());
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
    ui->pnlMonth->setText(longMonthName(d.month()));
    ui->pnlYear->setText(QStringLiteral("%1").arg(d.year(), 4, 10, QLatin1Char('0')));
    ui->pnlWhen->setText(dateWhenText(fromQDate(d), m_birthday));
    fitLabelFont(ui->pnlWhen, font(), 8);
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
    // Placed by its field as a popup, which every window system puts where it is told: on Wayland a
    // popup is placed relative to its parent, where a plain window is placed by the compositor.
    if (anchor) {
        const QRect field(anchor->mapToGlobal(QPoint(0, 0)), anchor->size());
        if (const QScreen *screen = anchor->screen())
            picker.move(popupPlace(field, picker.size(), screen->availableGeometry()));
    } else if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        picker.move(screen->availableGeometry().center() - picker.rect().center());
    }
    // Shown as a popup and not as a modal window: on Wayland the keyboard stays with the window
    // below, whose keys Qt hands to the open popup, but would drop as blocked by a modal one. A
    // click outside closes the popup, so nothing below takes input while it is open.
    QEventLoop loop;
    QObject::connect(&picker, &QDialog::finished, &loop, &QEventLoop::quit);
    picker.show();
    loop.exec(QEventLoop::DialogExec);
    if (picker.result() == QDialog::Accepted)
        return fromQDate(picker.shownDate());
    return initial;
}

QPoint popupPlace(const QRect &anchor, const QSize &size, const QRect &available)
{
    int y = anchor.bottom() + 1;
    if (y + size.height() > available.bottom() + 1 && anchor.top() - size.height() >= available.top())
        y = anchor.top() - size.height();
    y = std::max(std::min(y, available.bottom() + 1 - size.height()), available.top());
    int x = std::min(anchor.left(), available.right() + 1 - size.width());
    x = std::max(x, available.left());
    return {x, y};
}
