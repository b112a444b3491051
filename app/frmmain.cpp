#include "app/frmmain.h"

#include "about/frmabout.h"
#include "calc/clock.h"
#include "calc/conversionerror.h"
#include "calc/datediff.h"
#include "calc/datetext.h"
#include "calc/explain.h"
#include "calc/todayprices.h"
#include "results/chartdata.h"
#include "results/frmgraph.h"
#include "results/frmprices.h"
#include "results/frmweeks.h"
#include "results/lookaheadpanel.h"
#include "results/outputdevices.h"
#include "results/printerchoice.h"
#include "results/report.h"
#include "results/reportprinter.h"
#include "tables/activitychecks.h"
#include "tables/activitymodel.h"
#include "tables/activitytotals.h"
#include "tables/tablechange.h"
#include "tables/tablecolumns.h"
#include "ui_frmmain.h"
#include "widgets/datehint.h"
#include "widgets/fonts.h"
#include "widgets/frmpickdate.h"
#include "widgets/guarded.h"
#include "widgets/icons.h"
#include "widgets/menuframe.h"
#include "widgets/prompts.h"
#include <QAccessibleWidget>
#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPrinter>
#include <QSessionManager>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTimer>
#include <QUndoStack>
#include <cstdio>

namespace {
// A top-level QWidget reads to screen readers as a plain filler; this one is the program's window.
QAccessibleInterface *mainWindowAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("TfrmMain") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    return nullptr;
}
// One message for every table whose rows in the file outnumber the table's.
QString rowsPastCapacityText(const QString &path, const RowsPastCapacity &past)
{
    QStringList tables;
    const std::pair<QString, int> counts[] = {{TfrmMain::tr("Hours", "table name"), past.hours},
                                              {TfrmMain::tr("Money", "table name"), past.money},
                                              {TfrmMain::tr("Items", "table name"), past.freq}};
    for (const auto &[table, rows] : counts) {
        // English has no translation loaded, so singular and plural are two messages.
        if (rows > 0)
            tables << (rows == 1 ? TfrmMain::tr("%1: %n row", "a table, its rows", rows)
                                 : TfrmMain::tr("%1: %n rows", "a table, its rows", rows))
                          .arg(table);
    }
    return TfrmMain::tr("%1 holds more rows than the window can show (%2 a table). Not shown: %3.\n\n"
                        "They are not counted or exported, and they stay in the file as they are.")
        .arg(QDir::toNativeSeparators(path))
        .arg(TableRows - 1)
        .arg(tables.join(QStringLiteral(", ")));
}
} // namespace

TfrmMain::TfrmMain(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::TfrmMain>()), m_hours(std::make_unique<ActivityModel>(TableKind::Hours)),
      m_money(std::make_unique<ActivityModel>(TableKind::Money)),
      m_freq(std::make_unique<ActivityModel>(TableKind::Frequency)), m_undo(std::make_unique<QUndoStack>())
{
    static const bool accessibleAsWindow = (QAccessible::installFactory(mainWindowAccessible), true);
    Q_UNUSED(accessibleAsWindow)
    // The window's face before its controls are made, so that they are made in it.
    setFont(sansFont(11));
    ui->setupUi(this);
    setWindowIcon(programIcon());
    setUpControls();
}

TfrmMain::~TfrmMain() = default;

// What the layout file cannot say: faces at pixel sizes, theme colours, icons, the models and the
// wiring.
void TfrmMain::setUpControls()
{
    styleFields();
    setUpSortMenu();
    connectHandlers();
    keepUnsavedAsTyped();
    showPage(Intro);
}

void TfrmMain::styleFields()
{
    for (QLabel *heading : {ui->Label1, ui->Label2, ui->Label3, ui->Label8, ui->Label4}) {
        fitLabelFont(heading, serifFont(24, true), 16);
        paintNavy(heading);
    }
    ui->lblTitle->setFont(titleFont());
    paintNavy(ui->lblTitle);
    for (QLabel *note : {ui->Label7, ui->Label12})
        fitLabelFont(note, serifFont(11), 8);
    ui->SpeedButton1->setIcon(calendarIcon());
    showDateForm(ui->edDOB);
    m_lookAhead =
        new LookAheadPanel(ui->numLookAhead, ui->lblByAge, {m_hours.get(), m_money.get(), m_freq.get()}, this);
    ui->numIncome->setMask(true, 0);
}

// The sort menu, shared by the three table pages, with Copy and Export as CSV, and the pages.
void TfrmMain::setUpSortMenu()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->addActions({ui->ActivitySort, ui->StartDate1, ui->Total1});
    keepMenuFrameVisible(PopupMenu1);
    PopupMenu1->addSeparator();
    QAction *copyRows = TTablePage::addCopyAction(PopupMenu1);
    connect(copyRows, &QAction::triggered, this, &TfrmMain::copyClick);
    QAction *exportCsv = TTablePage::addExportAction(PopupMenu1);
    setUpPages();
    for (QWidget *page : m_pages)
        page->addAction(exportCsv);
    connectGuarded(exportCsv, &QAction::triggered, this, &TfrmMain::ExportCsv1Click);
}

void TfrmMain::connectHandlers()
{
    // Handlers that parse cell or field texts strictly, or write the file, go through the guard.
    connect(ui->btPrev, &QPushButton::clicked, this, &TfrmMain::btPrevClick);
    connectGuarded(ui->btNext, &QPushButton::clicked, this, &TfrmMain::btNextClick);
    connect(ui->btAbout, &QPushButton::clicked, this, &TfrmMain::btAboutClick);
    connectGuarded(ui->btClose, &QPushButton::clicked, this, &TfrmMain::btCloseClick);
    connectGuarded(ui->SpeedButton1, &QToolButton::clicked, this, &TfrmMain::SpeedButton1Click);
    connect(ui->ActivitySort, &QAction::triggered, this, &TfrmMain::ActivitySortClick);
    connect(ui->StartDate1, &QAction::triggered, this, &TfrmMain::StartDate1Click);
    connect(ui->Total1, &QAction::triggered, this, &TfrmMain::Total1Click);
    const struct {
        QPushButton *add, *edit, *del, *sort;
        void (TfrmMain::*onAdd)();
        void (TfrmMain::*onEdit)();
        void (TfrmMain::*onDel)();
    } buttons[] = {
        {ui->btAdd1, ui->btEdit1, ui->btDel1, ui->btSort1, &TfrmMain::btAdd1Click, &TfrmMain::btEdit1Click,
         &TfrmMain::btDel1Click},
        {ui->btAdd2, ui->btEdit2, ui->btDel2, ui->btSort2, &TfrmMain::btAdd2Click, &TfrmMain::btEdit2Click,
         &TfrmMain::btDel2Click},
        {ui->btAdd3, ui->btEdit3, ui->btDel3, ui->btSort3, &TfrmMain::btAdd3Click, &TfrmMain::btEdit3Click,
         &TfrmMain::btDel3Click},
    };
    for (const auto &b : buttons) {
        connectGuarded(b.add, &QPushButton::clicked, this, b.onAdd);
        connectGuarded(b.edit, &QPushButton::clicked, this, b.onEdit);
        connect(b.del, &QPushButton::clicked, this, b.onDel);
        connect(b.sort, &QPushButton::clicked, this, &TfrmMain::btSort1Click);
    }
    connectGuarded(ui->btReport, &QPushButton::clicked, this, &TfrmMain::btReportClick);
    connectGuarded(ui->btGrHour, &QPushButton::clicked, this, &TfrmMain::btGrHourClick);
    connectGuarded(ui->btGrMoney, &QPushButton::clicked, this, &TfrmMain::btGrMoneyClick);
    connectGuarded(ui->btGrFreq, &QPushButton::clicked, this, &TfrmMain::btGrFreqClick);
    TfrmWeeks::openFrom(ui->btWeeks, *m_hours, *m_money, *m_freq, ui->edName, ui->edDOB, ui->numLookAhead);
    connectGuarded(ui->chkTodayPrices, &QCheckBox::toggled, this, &TfrmMain::todayPricesToggled);
    connectGuarded(ui->btPrices, &QPushButton::clicked, this, &TfrmMain::btPricesClick);
    ui->edDOB->installEventFilter(this);
    for (QPushButton *button : findChildren<QPushButton *>())
        button->installEventFilter(this);

    connectGuarded(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this, &TfrmMain::saveClick);
    // The desktop's quit key does what Close does.
    auto *quit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
    connectGuarded(quit, &QShortcut::activated, this, &TfrmMain::btCloseClick);
    addUndoActions(this, *m_undo);
#ifndef QT_NO_SESSIONMANAGER
    // A log-out closes no window by itself; without this the session's entries would be lost.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &TfrmMain::commitData, Qt::DirectConnection);
#endif
}

// Every change reaches the recovery file a second after it is made.
void TfrmMain::keepUnsavedAsTyped()
{
    m_recoveryTimer = new QTimer(this);
    m_recoveryTimer->setSingleShot(true);
    m_recoveryTimer->setInterval(1000);
    connect(m_recoveryTimer, &QTimer::timeout, this, &TfrmMain::writeRecovery);
    // Not restarted by each change: a second after the first one, whatever follows.
    const auto changed = [this] {
        if (!m_recoveryTimer->isActive())
            m_recoveryTimer->start();
    };
    for (const ActivityModel *model : {m_hours.get(), m_money.get(), m_freq.get()})
        connect(model, &QAbstractItemModel::dataChanged, this, changed);
    connect(ui->edName, &QLineEdit::textChanged, this, changed);
    connect(ui->edDOB, &QLineEdit::textChanged, this, changed);
    connect(ui->numIncome, &QDoubleSpinBox::valueChanged, this, changed);
    connect(ui->numLookAhead, &QSpinBox::valueChanged, this, changed);
}

void TfrmMain::setUpPages()
{
    const auto biography = [this] {
        return TTablePage::Biography{ui->edDOB->text(), m_birthDate, m_hoursAlive,
                                     static_cast<qint64>(ui->numIncome->value())};
    };
    m_pages = {ui->pageHours, ui->pageDollars, ui->pageItems};
    QTableView *grids[] = {ui->gridHours, ui->gridMoney, ui->gridFreq};
    ActivityModel *models[] = {m_hours.get(), m_money.get(), m_freq.get()};
    for (int i = 0; i < 3; ++i) {
        TTablePage *page = m_pages[static_cast<std::size_t>(i)];
        page->setUp(models[i], grids[i], m_undo.get(), PopupMenu1, biography);
        connect(page, &TTablePage::revealRequested, this, [this, page] { revealPage(page); });
    }
}

int TfrmMain::currentPage() const
{
    return ui->Notebook1->currentIndex();
}

void TfrmMain::revealPage(QWidget *page)
{
    if (ui->Notebook1->currentWidget() == page)
        return;
    showPage(ui->Notebook1->indexOf(page));
    ui->btPrev->setEnabled(true);
    ui->btNext->setEnabled(true);
}

void TfrmMain::showPage(int page)
{
    // The keyboard always acts on what is shown: a page without controls leaves it on Next.
    if (!ui->Notebook1->showPage(page) && ui->btNext->isEnabled())
        ui->btNext->setFocus(Qt::TabFocusReason);
}

void TfrmMain::showEvent(QShowEvent *event)
{
    // The file is read and the totals made before the window is first seen.
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
    QWidget::showEvent(event);
}

void TfrmMain::FormShow()
{
    m_birthDate = Clock::now();
    adjustColWidths();
    initGrids();
    const Entries blank = entries();
    readSettings();
    offerRecovery(blank);
    ShowBirthDate();
    computeStartUpTotals();
    showPage(Intro);
    ui->btPrev->setEnabled(false);
    ui->btNext->setEnabled(true);
    // What start-up put into the fields is no change of the user's; keeping starts now, after any
    // question about a recovery file has been answered.
    m_recoveryTimer->stop();
    m_keeping = true;
}

void TfrmMain::adjustColWidths()
{
    for (int col = 0; col < ActivityModel::ColCount; ++col) {
        ui->gridMoney->setColumnWidth(col, ui->gridHours->columnWidth(col));
        ui->gridFreq->setColumnWidth(col, ui->gridHours->columnWidth(col));
    }
}

void TfrmMain::initGrids()
{
    writeColumnTitles(*m_hours, TableKind::Hours);
    writeColumnTitles(*m_money, TableKind::Money);
    writeColumnTitles(*m_freq, TableKind::Frequency);
}

void TfrmMain::readSettings()
{
    Entries read = entries();
    m_keeper.read(read);
    if (!m_keeper.unreadableReason().isEmpty())
        Prompts::cannotRead(this, Prompts::Unreadable::Settings, settingsFilePath(), m_keeper.unreadableReason());
    if (m_keeper.rowsPastCapacity().any())
        Prompts::warning(this, rowsPastCapacityText(settingsFilePath(), m_keeper.rowsPastCapacity()));
    showEntries(read);
    m_saved = entries();
}

Entries TfrmMain::entries() const
{
    return {{ui->edName->text(), ui->edDOB->text(), static_cast<int>(ui->numIncome->value()), m_lookAhead->chosenAge(),
             m_prices},
            m_hours->table(),
            m_money->table(),
            m_freq->table()};
}

void TfrmMain::showEntries(const Entries &e)
{
    ui->edName->setText(e.bio.name);
    ui->edDOB->setText(e.bio.birthDate);
    // The field's range is 0 to 99,999,999; a stored value beyond it is clamped.
    ui->numIncome->setValue(e.bio.income);
    m_lookAhead->setChosenAge(e.bio.lookAheadAge);
    m_prices = e.bio.prices;
    const QSignalBlocker quiet(ui->chkTodayPrices);
    ui->chkTodayPrices->setChecked(m_prices.today);
    m_hours->setTable(e.hours);
    m_money->setTable(e.money);
    m_freq->setTable(e.freq);
}

void TfrmMain::computeStartUpTotals()
{
    // A stored birth date that is not a date is reported here, and start-up goes on.
    guarded(this, [this] {
        const bool foreign = m_keeper.formatState() == FileFormatState::Foreign;
        try {
            computeTotals();
        } catch (const ConversionError &e) {
            if (!foreign)
                throw;
            // Say what to do, not only what failed: the texts are right, but in another format.
            Prompts::applicationError(this,
                                      e.message() + QStringLiteral(".\n\n") + foreignFormatHint(settingsFilePath()));
            return;
        }
        // Amounts of another format add up without an error, wrongly: said all the same.
        if (foreign)
            Prompts::applicationError(this, foreignFormatHint(settingsFilePath()));
    });
}

void TfrmMain::writeSettings()
{
    m_keeper.write(entries());
    m_saved = entries();
    m_recoveryTimer->stop();
}

bool TfrmMain::saveEntries(bool interactive)
{
    const QString path = settingsFilePath();
    switch (interactive ? m_keeper.changeOnDisk() : SettingsKeeper::DiskChange::None) {
    case SettingsKeeper::DiskChange::Changed:
        if (!Prompts::askReplaceChanged(this, path))
            return false;
        break;
    case SettingsKeeper::DiskChange::Removed:
        if (!Prompts::askCreateAgain(this, path))
            return false;
        break;
    case SettingsKeeper::DiskChange::FolderRemoved: // nothing to ask: the save fails and says why
    case SettingsKeeper::DiskChange::Unreachable:
    case SettingsKeeper::DiskChange::None:
        break;
    }
    writeSettings();
    return true;
}

bool TfrmMain::saveWithoutQuestions()
{
    // The run ends: a question still open at start-up decides nothing, and the recovery file stays.
    m_ending = true;
    m_recoveryTimer->stop();
    const Entries now = entries();
    if (now == m_saved || (m_discarded && now == *m_discarded))
        return true;
    try {
        writeSettings();
        return true;
    } catch (const std::exception &e) {
        const QString why = m_keeper.keepUnsaved(entries());
        if (why.isEmpty()) {
            const QString said =
                tr("lifetally: %1; your entries are kept in %2.", "why saving failed, a file")
                    .arg(QString::fromLocal8Bit(e.what()), QDir::toNativeSeparators(m_keeper.recoveryPath()));
            std::fprintf(stderr, "%s\n", said.toLocal8Bit().constData());
            return true;
        }
        const QString said =
            tr("lifetally: %1, and the entries not saved could not be kept in %2 either: %3.",
               "why saving failed, a file, why keeping failed")
                .arg(QString::fromLocal8Bit(e.what()), QDir::toNativeSeparators(m_keeper.recoveryPath()), why);
        std::fprintf(stderr, "%s\n", said.toLocal8Bit().constData());
        return false;
    }
}

void TfrmMain::writeRecovery()
{
    if (!m_keeping || m_ending)
        return;
    if (isModified())
        m_keeper.keepUnsaved(entries());
    else
        m_keeper.dropUnsaved();
}

void TfrmMain::offerRecovery(const Entries &blank)
{
    Entries unsaved = blank;
    QString reason;
    switch (m_keeper.findUnsaved(unsaved, reason)) {
    case SettingsFileStatus::Missing:
        return;
    case SettingsFileStatus::Readable:
        break;
    default:
        Prompts::cannotRead(this, Prompts::Unreadable::Recovery, m_keeper.recoveryPath(), reason,
                            m_keeper.setAsidePath());
        return;
    }
    if (unsaved == entries()) {
        m_keeper.dropUnsaved();
        return;
    }
    const bool restore = Prompts::askRestore(this, QFileInfo(m_keeper.recoveryPath()).lastModified());
    if (m_ending)
        return;
    if (restore) {
        showEntries(unsaved);
        m_keeper.adoptUnsaved();
    } else {
        m_keeper.dropUnsaved();
    }
}

bool TfrmMain::maySaveBeforeClosing(bool interactive)
{
    const Entries now = entries();
    if (now == m_saved || (m_discarded && now == *m_discarded))
        return true;
    const Prompts::Answer answer = interactive ? Prompts::askSaveChanges(this) : Prompts::Answer::Save;
    if (answer == Prompts::Answer::Cancel)
        return false;
    if (answer == Prompts::Answer::Discard) {
        m_discarded = now;
        m_keeper.dropUnsaved();
        return true;
    }
    bool saved = false;
    guarded(this, [this, interactive, &saved] { saved = saveEntries(interactive); });
    return saved;
}

#ifndef QT_NO_SESSIONMANAGER
void TfrmMain::commitData(QSessionManager &manager)
{
    if (!maySaveBeforeClosing(manager.allowsInteraction()))
        manager.cancel();
    manager.release();
}
#endif

void TfrmMain::closeEvent(QCloseEvent *event)
{
    // The Close button has saved already; any other way of closing asks first.
    if (maySaveBeforeClosing(true))
        event->accept();
    else
        event->ignore();
}

void TfrmMain::ShowBirthDate()
{
    DateValue parsed = 0;
    if (!tryStrToDate(ui->edDOB->text(), parsed))
        return;
    m_birthDate = parsed;
    m_hoursAlive = computedatediff(Clock::now(), m_birthDate).totalHours;
}

bool TfrmMain::checkBioPage() const
{
    DateValue parsed = 0;
    return !ui->edDOB->text().isEmpty() && tryStrToDate(ui->edDOB->text(), parsed);
}

void TfrmMain::computeTotals()
{
    const Clock::Pass onePass;
    todayprices::setInForce(priceBasisOf(m_prices, LocaleSettings::current(), Clock::now()));
    ui->Label10->setText(ageLine(ui->edDOB->text()));
    ui->Label10->setToolTip(ageExplanation(ui->edDOB->text()));
    ui->label11->setText(incomeLine(ui->numIncome->text()));
    for (QLabel *line : {ui->Label10, ui->label11})
        fitLabelFont(line, line->parentWidget()->font(), 9);
    ui->label11->setToolTip(incomeExplanation(static_cast<qint64>(ui->numIncome->value())));
    computeAllRowTotals(*m_hours, *m_money, *m_freq, m_hoursAlive, static_cast<qint64>(ui->numIncome->value()));
    m_lookAhead->refresh(ui->edDOB->text());
}

void TfrmMain::btNextClick()
{
    const int p = currentPage();
    ui->btNext->setEnabled(true);
    ui->btPrev->setEnabled(true);
    if (p == Bio) {
        if (!checkBioPage()) {
            Prompts::showError(this, tr("Your birthdate is mandatory to proceed to the next step."));
            return;
        }
        if (!keepDespite(birthDateReading(ui->edDOB->text()))) {
            ui->edDOB->setFocus();
            return;
        }
        computeTotals();
    }
    if (p == Hours && !keepDespite(overlapWarning(*m_hours)))
        return;
    if (p == Dollars) {
        computeTotals();
        if (!keepDespite(incomeWarning(*m_money, static_cast<qint64>(ui->numIncome->value()))))
            return;
    }
    if (p == Items) {
        ui->btGrHour->setEnabled(!m_hours->isBlank(1));
        ui->btGrMoney->setEnabled(!m_money->isBlank(1));
        ui->btGrFreq->setEnabled(!m_freq->isBlank(1));
        computeTotals();
    }
    if (p < Graphs)
        showPage(p + 1);
    if (currentPage() == Graphs)
        ui->btNext->setEnabled(false);
}

bool TfrmMain::keepDespite(const QString &warning)
{
    // Said once: a warning the user chose to keep is not repeated until it reads differently.
    if (warning.isEmpty() || m_keptWarnings.contains(warning))
        return true;
    if (!Prompts::keepOrChange(this, warning))
        return false;
    m_keptWarnings.insert(warning);
    return true;
}

void TfrmMain::btPrevClick()
{
    const int p = currentPage();
    ui->btPrev->setEnabled(true);
    ui->btNext->setEnabled(true);
    if (p > 0)
        showPage(p - 1);
    if (currentPage() == Intro)
        ui->btPrev->setEnabled(false);
}

void TfrmMain::btCloseClick()
{
    if (saveEntries(true))
        close();
}

void TfrmMain::SpeedButton1Click()
{
    DateValue d = strToDate(ui->edDOB->text());
    d = pickDate(ui->edDOB, d, m_birthDate);
    ui->edDOB->setText(shortDateText(d));
    ui->edDOB->setFocus();
    ShowBirthDate();
}

bool TfrmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->edDOB && event->type() == QEvent::FocusOut) {
        edDOBExit();
    } else if (event->type() == QEvent::KeyPress && qobject_cast<QPushButton *>(watched)) {
        // Enter presses the focused button, as in dialogs; no button is a default that Enter
        // presses from a text field.
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            static_cast<QPushButton *>(watched)->animateClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

TTablePage *TfrmMain::tablePage(const QTableView *grid) const
{
    return qobject_cast<TTablePage *>(grid->parentWidget());
}

TTablePage *TfrmMain::currentTablePage() const
{
    return qobject_cast<TTablePage *>(ui->Notebook1->currentWidget());
}

void TfrmMain::btSort1Click()
{
    if (TTablePage *page = currentTablePage())
        page->openSortMenu();
}

void TfrmMain::sortCurrentPage(ActivitySort order)
{
    if (TTablePage *page = currentTablePage())
        page->sortBy(order);
}

void TfrmMain::copyClick()
{
    if (TTablePage *page = currentTablePage())
        page->copyRows();
}

void TfrmMain::ExportCsv1Click()
{
    if (TTablePage *page = currentTablePage())
        page->exportCsv();
}

void TfrmMain::btAboutClick()
{
    TfrmAbout::showModal(this);
}

void TfrmMain::btReportClick()
{
    // Both lines are taken before the dialog, as they stand when the button is pressed.
    const QString identity = report::identityLine(ui->edName->text(), ui->edDOB->text(), ui->Label10->text());
    const QString income = ui->label11->text();
    if (!m_printer)
        m_printer = OutputDevices::newPrinter();
    if (!PrinterChoice::ask(*m_printer, this))
        return;
    // A failure ends the job with the event; the next report starts afresh.
    ReportPrinter report(*m_printer, this);
    printGrid(report, ui->gridHours, identity, income, true, false);
    printGrid(report, ui->gridMoney, identity, income, false, false);
    printGrid(report, ui->gridFreq, identity, income, false, false);
    report.printLookAhead({m_hours.get(), m_money.get(), m_freq.get()});
}

void TfrmMain::todayPricesToggled()
{
    m_prices.today = ui->chkTodayPrices->isChecked();
    computeTotals();
}

void TfrmMain::btPricesClick()
{
    const std::optional<PricesChoice> chosen = TfrmPrices::ask(m_prices, LocaleSettings::current(), Clock::now(), this);
    if (!chosen)
        return;
    m_prices = *chosen;
    computeTotals();
}

void TfrmMain::printGrid(ReportPrinter &report, QTableView *grid, const QString &identity, const QString &income,
                         bool header, bool close)
{
    QVector<int> widths;
    for (int col = 0; col < ActivityModel::ColCount; ++col)
        widths.append(report::columnChars(grid->columnWidth(col)));
    report.printGrid(tablePage(grid)->model(), widths, identity, income, header, close);
}

void TfrmMain::initAColors(bool random, quint32 colour)
{
    const QColor base = palette().color(QPalette::Base); // the chart's background
    aColors = chartColours(random, colour, quint32(base.red() | base.green() << 8 | base.blue() << 16));
}

void TfrmMain::graphit(bool hours, bool money, bool /*frequency: neither of the others*/)
{
    const TableKind which = chartTableOf(hours, money);
    QString title = chartTitle(which, ui->edName->text(), ui->Label10->text(), ui->label11->text());
    // In today's prices the income, one sum of unknown years, is no measure: no "Other" share of it.
    const PriceBasis *prices = which == TableKind::Money ? todayprices::inForce() : nullptr;
    if (prices)
        title = tr("%1  in %2", "a chart title, then the prices' year wording")
                    .arg(title, todayprices::yearPrices(*prices));
    const qint64 income = prices ? 0 : static_cast<qint64>(ui->numIncome->value());
    const ActivityModel &table = which == TableKind::Hours ? *m_hours : which == TableKind::Money ? *m_money : *m_freq;
    double subtotal = 0;
    double reference = 0;
    if (which == TableKind::Hours) {
        subtotal = computeSubTotal(table);
        reference = m_hoursAlive;
    } else if (which == TableKind::Money) {
        subtotal = computeSubTotal(table);
        reference = double(income);
    }
    // The points are built before the window exists, so a total that is not a number leaves no
    // window behind.
    const QVector<ChartPoint> points = chartPoints(table, subtotal, reference, aColors);
    const auto ahead = lookAheadChartPoints(table, which, income, aColors);
    TfrmGraph graph(this);
    graph.setTitle(title);
    graph.setPoints(points);
    if (const std::optional<LookAhead> &by = table.lookAhead())
        graph.setLookAhead(by->age, lookAheadChartTitle(which, ui->edName->text(), *by, ui->label11->text()), ahead);
    graph.setWindowState(graph.windowState() | Qt::WindowMaximized);
    graph.exec();
}
