#include "app/frmmain.h"

#include "about/frmabout.h"
#include "calc/clock.h"
#include "calc/conversionerror.h"
#include "calc/datediff.h"
#include "calc/datetext.h"
#include "calc/explain.h"
#include "calc/numbertext.h"
#include "calc/overlap.h"
#include "calc/totals.h"
#include "results/chartdata.h"
#include "results/frmgraph.h"
#include "results/outputdevices.h"
#include "results/printerchoice.h"
#include "results/report.h"
#include "results/reportprinter.h"
#include "results/tableexport.h"
#include "settings/atomicfile.h"
#include "settings/settingsfile.h"
#include "tables/activitychecks.h"
#include "tables/activitymodel.h"
#include "tables/activitytotals.h"
#include "tables/celldelegate.h"
#include "tables/frmmoney.h"
#include "tables/frmtime.h"
#include "tables/tablechange.h"
#include "tables/tablecolumns.h"
#include "tables/tablesettings.h"
#include "tables/tablesort.h"
#include "ui_frmmain.h"
#include "widgets/datehint.h"
#include "widgets/fonts.h"
#include "widgets/frmpickdate.h"
#include "widgets/guarded.h"
#include "widgets/icons.h"
#include "widgets/menuframe.h"
#include "widgets/prompts.h"
#include "widgets/savefilechoice.h"
#include <QAccessibleWidget>
#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPagedPaintDevice>
#include <QSessionManager>
#include <QShortcut>
#include <QTimer>
#include <QUndoStack>
#include <cstdio>
#include <functional>

namespace {

// Headings are navy; on a dark desktop theme navy would vanish, so a light blue stands in.
void paintNavy(QLabel *label)
{
    QPalette pal = label->palette();
    const bool darkTheme = pal.color(QPalette::Window).lightness() < 128;
    pal.setColor(QPalette::WindowText, darkTheme ? QColor(150, 170, 255) : QColor(0, 0, 128));
    label->setPalette(pal);
}

// A top-level QWidget reads to screen readers as a plain filler; this one is the program's window.
QAccessibleInterface *mainWindowAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("TfrmMain") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    return nullptr;
}

// Until the set-up left for after the first frame has run, anything the user does finishes it
// first, so that no key, click or close ever meets tables not yet read from the file.
class StartUpGate : public QObject
{
public:
    StartUpGate(QObject *parent, std::function<void()> finish) : QObject(parent), m_finish(std::move(finish)) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TabletPress:
        case QEvent::InputMethod:
        case QEvent::Drop:
        case QEvent::Close:
            m_finish();
            break;
        default:
            break;
        }
        return false;
    }

private:
    std::function<void()> m_finish;
};

} // namespace

TfrmMain::TfrmMain(QWidget *parent, StartUp startUp)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::TfrmMain>()), m_hours(std::make_unique<ActivityModel>(QSet<int>{ActivityModel::Total})),
      m_money(std::make_unique<ActivityModel>(QSet<int>{ActivityModel::Amount, ActivityModel::Total})),
      m_freq(std::make_unique<ActivityModel>(QSet<int>{ActivityModel::Amount, ActivityModel::Total})),
      m_startUp(startUp), m_undo(std::make_unique<QUndoStack>())
{
    static const bool accessibleAsWindow = (QAccessible::installFactory(mainWindowAccessible), true);
    Q_UNUSED(accessibleAsWindow)
    // The window's face before its controls are made, so that they are made in it.
    setFont(sansFont(11));
    ui->setupUi(this);
    setUpControls();
}

TfrmMain::~TfrmMain() = default;

// What the layout file cannot say: faces at pixel sizes, theme colours, icons, the models and the
// wiring.
void TfrmMain::setUpControls()
{
    for (QLabel *heading : {ui->Label1, ui->Label2, ui->Label3, ui->Label8, ui->Label4}) {
        heading->setFont(serifFont(24, true));
        paintNavy(heading);
    }
    QFont decorative(QStringLiteral("Algerian"));
    decorative.setStyleHint(QFont::Decorative);
    decorative.setFamilies(installedFamilies({QStringLiteral("Algerian"), QStringLiteral("URW Chancery L"),
                                              QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman")}));
    decorative.setPixelSize(48);
    decorative.setBold(true);
    decorative.setItalic(true);
    ui->lblTitle->setFont(decorative);
    paintNavy(ui->lblTitle);
    for (QLabel *note : {ui->Label7, ui->Label12})
        note->setFont(serifFont(11));
    for (QPushButton *b : {ui->btSort1, ui->btAdd1, ui->btEdit1, ui->btDel1, ui->btSort2, ui->btAdd2, ui->btEdit2,
                           ui->btDel2, ui->btSort3, ui->btAdd3, ui->btEdit3, ui->btDel3})
        b->setFont(sansFont(11));
    ui->SpeedButton1->setIcon(calendarIcon());
    showDateForm(ui->edDOB);
    ui->numIncome->setMask(true, 0);
    if (m_startUp == StartUp::WhenShown)
        setUpGrids();

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->addActions({ui->ActivitySort, ui->StartDate1, ui->Total1});
    keepMenuFrameVisible(PopupMenu1);

    // The tables out to a spreadsheet: Ctrl+C in a table, and an export at the end of its menu that
    // Ctrl+E reaches from anywhere on the table's page.
    auto *copyRows = new QAction(QStringLiteral("Copy"), this);
    copyRows->setObjectName(QStringLiteral("CopyRows1"));
    copyRows->setShortcut(QKeySequence::Copy);
    copyRows->setShortcutContext(Qt::WidgetShortcut);
    auto *exportCsv = new QAction(QStringLiteral("Export as CSV…"), this);
    exportCsv->setObjectName(QStringLiteral("ExportCsv1"));
    exportCsv->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    exportCsv->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(exportCsv);
    for (QTableView *grid : {ui->gridHours, ui->gridMoney, ui->gridFreq})
        grid->addAction(copyRows);
    for (QWidget *page : {ui->pageHours, ui->pageDollars, ui->pageItems})
        page->addAction(exportCsv);
    connect(copyRows, &QAction::triggered, this, &TfrmMain::CopyRows1Click);
    connectGuarded(exportCsv, &QAction::triggered, this, &TfrmMain::ExportCsv1Click);

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
        QTableView *grid;
        void (TfrmMain::*onAdd)();
        void (TfrmMain::*onEdit)();
        void (TfrmMain::*onDel)();
    } pages[] = {
        {ui->btAdd1, ui->btEdit1, ui->btDel1, ui->btSort1, ui->gridHours, &TfrmMain::btAdd1Click,
         &TfrmMain::btEdit1Click, &TfrmMain::btDel1Click},
        {ui->btAdd2, ui->btEdit2, ui->btDel2, ui->btSort2, ui->gridMoney, &TfrmMain::btAdd2Click,
         &TfrmMain::btEdit2Click, &TfrmMain::btDel2Click},
        {ui->btAdd3, ui->btEdit3, ui->btDel3, ui->btSort3, ui->gridFreq, &TfrmMain::btAdd3Click,
         &TfrmMain::btEdit3Click, &TfrmMain::btDel3Click},
    };
    for (const auto &p : pages) {
        connectGuarded(p.add, &QPushButton::clicked, this, p.onAdd);
        connectGuarded(p.edit, &QPushButton::clicked, this, p.onEdit);
        connect(p.del, &QPushButton::clicked, this, p.onDel);
        connectGuarded(p.grid, &QTableView::doubleClicked, this, p.onEdit);
        connect(p.sort, &QPushButton::clicked, this, &TfrmMain::btSort1Click);
    }
    connectGuarded(ui->btReport, &QPushButton::clicked, this, &TfrmMain::btReportClick);
    connectGuarded(ui->btGrHour, &QPushButton::clicked, this, &TfrmMain::btGrHourClick);
    connectGuarded(ui->btGrMoney, &QPushButton::clicked, this, &TfrmMain::btGrMoneyClick);
    connectGuarded(ui->btGrFreq, &QPushButton::clicked, this, &TfrmMain::btGrFreqClick);
    ui->edDOB->installEventFilter(this);
    for (QPushButton *button : findChildren<QPushButton *>())
        button->installEventFilter(this);

    connectGuarded(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this, &TfrmMain::saveClick);
    QAction *undo = m_undo->createUndoAction(this);
    undo->setShortcuts(QKeySequence::Undo);
    QAction *redo = m_undo->createRedoAction(this);
    // Ctrl+Shift+Z and Ctrl+Y on every desktop, whatever its own redo key; each key once, or Qt
    // takes it as ambiguous and does nothing.
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    for (const QKeySequence &key : {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)})
        if (!redoKeys.contains(key))
            redoKeys << key;
    redo->setShortcuts(redoKeys);
    addActions({undo, redo});
#ifndef QT_NO_SESSIONMANAGER
    // A log-out closes no window by itself; without this the session's entries would be lost.
    connect(
        qGuiApp, &QGuiApplication::commitDataRequest, this,
        [this](QSessionManager &manager) {
            if (!maySaveBeforeClosing(manager.allowsInteraction()))
                manager.cancel();
            manager.release();
        },
        Qt::DirectConnection);
#endif

    m_recoveryTimer = new QTimer(this);
    m_recoveryTimer->setSingleShot(true);
    m_recoveryTimer->setInterval(1000);
    connect(m_recoveryTimer, &QTimer::timeout, this, &TfrmMain::writeRecovery);
    for (const ActivityModel *model : {m_hours.get(), m_money.get(), m_freq.get()})
        connect(model, &QAbstractItemModel::dataChanged, this, &TfrmMain::scheduleRecovery);
    connect(ui->edName, &QLineEdit::textChanged, this, &TfrmMain::scheduleRecovery);
    connect(ui->edDOB, &QLineEdit::textChanged, this, &TfrmMain::scheduleRecovery);
    connect(ui->numIncome, &QDoubleSpinBox::valueChanged, this, &TfrmMain::scheduleRecovery);

    showPage(Intro);
}

void TfrmMain::setUpGrids()
{
    setUpGrid(ui->gridHours, m_hours.get());
    setUpGrid(ui->gridMoney, m_money.get());
    setUpGrid(ui->gridFreq, m_freq.get());
}

void TfrmMain::setUpGrid(QTableView *grid, ActivityModel *model)
{
    // A shown title row measures its titles whenever the model, a column or a font changes, which
    // a table on a page not yet seen need not do: the row appears when its page is first shown.
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setModel(model);
    grid->setItemDelegate(new ActivityCellDelegate(grid));
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // The minimum first: without one, the header measures its font to find it.
    grid->verticalHeader()->setMinimumSectionSize(21);
    grid->verticalHeader()->setDefaultSectionSize(21);
    QHeaderView *header = grid->horizontalHeader();
    header->setFixedHeight(21);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setMinimumSectionSize(10);
    for (int col = 0; col < ActivityModel::ColCount; ++col)
        grid->setColumnWidth(col, ColumnPixels[static_cast<std::size_t>(col)]);
    grid->installEventFilter(this);
    grid->setCurrentIndex(model->index(0, 0));
}

int TfrmMain::currentPage() const
{
    return ui->Notebook1->currentIndex();
}

void TfrmMain::showPage(int page)
{
    ui->Notebook1->setCurrentIndex(page);
    // Focus the page's first control, so the keyboard always acts on what is shown.
    // The page's first control in the window's tab order, wherever the page itself stands in it.
    QWidget *current = ui->Notebook1->currentWidget();
    for (QWidget *w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        if (!current->isAncestorOf(w))
            continue;
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(this) && w->isEnabled()) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    if (ui->btNext && ui->btNext->isEnabled())
        ui->btNext->setFocus(Qt::TabFocusReason);
}

void TfrmMain::showEvent(QShowEvent *event)
{
    if (!m_shown) {
        m_shown = true;
        if (m_startUp == StartUp::AfterFirstFrame) {
            m_startUpPending = true;
            m_startUpGate = new StartUpGate(this, [this] { guarded(this, [this] { finishStartUp(); }); });
            QCoreApplication::instance()->installEventFilter(m_startUpGate);
            ui->btPrev->setEnabled(false);
            ui->btNext->setEnabled(true);
        } else {
            FormShow();
        }
    }
    QWidget::showEvent(event);
}

void TfrmMain::paintEvent(QPaintEvent *event)
{
    // The rest of the set-up and the icon, read from its file, wait until the window has drawn
    // itself the first time.
    if (!m_iconScheduled) {
        m_iconScheduled = true;
        if (m_startUpPending)
            QMetaObject::invokeMethod(
                this, [this] { guarded(this, [this] { finishStartUp(); }); }, Qt::QueuedConnection);
        QTimer::singleShot(0, this, [this] { setWindowIcon(programIcon()); });
    }
    QWidget::paintEvent(event);
}

void TfrmMain::finishStartUp()
{
    if (!m_startUpPending)
        return;
    m_startUpPending = false;
    // Removing a filter from within its own filtering is allowed; deleting it is not.
    QCoreApplication::instance()->removeEventFilter(m_startUpGate);
    setUpGrids();
    FormShow();
}

void TfrmMain::FormShow()
{
    m_birthDate = Clock::now();
    adjustColWidths();
    initGrids();
    readSettings();
    offerRecovery();
    ShowBirthDate();
    computeStartUpTotals();
    showPage(Intro);
    ui->btPrev->setEnabled(false);
    ui->btNext->setEnabled(true);
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
    const QString path = settingsFilePath();
    const SettingsFileCheck check = checkSettingsFile(path);
    m_unreadableReason = check.status == SettingsFileStatus::Unreadable ? check.reason : QString();
    if (!m_unreadableReason.isEmpty())
        Prompts::warning(this, QStringLiteral("Lifetally cannot read your entries in %1: %2.\n\n"
                                              "Close will not be able to keep your entries there.")
                                   .arg(QDir::toNativeSeparators(path), m_unreadableReason));
    readSettingsFrom(path);
    m_savedState = storedState();
    m_fingerprintPath = path;
    m_fingerprint = fileFingerprint(path);
}

void TfrmMain::readSettingsFrom(const QString &path)
{
    BioFields bio;
    m_formatState = readTables(path, bio, *m_hours, *m_money, *m_freq);
    ui->edName->setText(bio.name);
    ui->edDOB->setText(bio.birthDate);
    // The field's range is 0 to 99,999,999; a stored value beyond it is clamped.
    ui->numIncome->setValue(bio.income);
}

void TfrmMain::computeStartUpTotals()
{
    // A stored birth date that is not a date is reported here, and start-up goes on.
    guarded(this, [this] {
        try {
            computeTotals();
        } catch (const ConversionError &e) {
            if (m_formatState != FileFormatState::Foreign)
                throw;
            // Say what to do, not only what failed: the texts are right, but in another format.
            Prompts::applicationError(
                this, e.message() +
                          QStringLiteral(".\n\nThe dates and amounts in %1 are written in another regional format "
                                         "than yours (%2), and Lifetally cannot tell which one. Correct them on "
                                         "the tables' pages, or start Lifetally under the regional settings they "
                                         "were written in")
                              .arg(QDir::toNativeSeparators(settingsFilePath()), shortDatePatternText()));
        }
    });
}

void TfrmMain::writeSettings()
{
    // Never the empty tables of a window whose file is not read yet.
    finishStartUp();
    const QString path = settingsFilePath();
    // Replacing a file that could not be read would lose whatever it holds.
    if (!m_unreadableReason.isEmpty())
        throw FileWriteError(path);
    BioFields bio;
    bio.name = ui->edName->text();
    bio.birthDate = ui->edDOB->text();
    bio.income = static_cast<int>(ui->numIncome->value());
    writeSettingsFile(path, bio, m_hours->table(), m_money->table(), m_freq->table(), m_formatState);
    m_savedState = storedState();
    m_fingerprintPath = path;
    m_fingerprint = fileFingerprint(path);
    removeRecovery();
}

bool TfrmMain::saveEntries(bool interactive)
{
    finishStartUp();
    const QString path = settingsFilePath();
    if (interactive && m_unreadableReason.isEmpty() && path == m_fingerprintPath &&
        fileFingerprint(path) != m_fingerprint &&
        !Prompts::ask(this,
                      QStringLiteral("%1 was changed by another program since Lifetally read it.\n\n"
                                     "Replace it with the entries shown here? The changed file is kept as %2.")
                          .arg(QDir::toNativeSeparators(path), QFileInfo(path).fileName() + QStringLiteral(".bak")),
                      QStringLiteral("Replace"), QStringLiteral("Cancel")))
        return false;
    writeSettings();
    return true;
}

bool TfrmMain::saveWithoutQuestions()
{
    finishStartUp();
    const QStringList state = storedState();
    if (state == m_savedState || state == m_discardedState)
        return true;
    try {
        writeSettings();
        return true;
    } catch (const std::exception &e) {
        std::fprintf(stderr, "lifetally: %s; your entries are kept in %s.\n", e.what(),
                     QDir::toNativeSeparators(recoveryFilePath(settingsFilePath())).toLocal8Bit().constData());
        writeRecovery();
        return false;
    }
}

void TfrmMain::scheduleRecovery()
{
    // Not restarted by each change: a second after the first one, whatever follows.
    if (m_recoveryTimer && !m_recoveryTimer->isActive())
        m_recoveryTimer->start();
}

void TfrmMain::writeRecovery()
{
    if (m_recoveryBroken || m_startUpPending || !m_shown)
        return;
    const QStringList state = storedState();
    if (state == m_savedState) {
        removeRecovery();
        return;
    }
    if (state == m_recoveryState)
        return;
    BioFields bio;
    bio.name = ui->edName->text();
    bio.birthDate = ui->edDOB->text();
    bio.income = static_cast<int>(ui->numIncome->value());
    try {
        writeRecoveryFile(settingsFilePath(), bio, m_hours->table(), m_money->table(), m_freq->table(),
                          m_formatState);
        m_recoveryState = state;
    } catch (const FileWriteError &) {
        // A folder that takes no recovery file takes no settings file either; Close says so.
    }
}

void TfrmMain::removeRecovery()
{
    if (m_recoveryBroken)
        return;
    if (m_recoveryTimer)
        m_recoveryTimer->stop();
    QFile::remove(recoveryFilePath(settingsFilePath()));
    m_recoveryState.clear();
}

void TfrmMain::offerRecovery()
{
    const QString path = recoveryFilePath(settingsFilePath());
    const SettingsFileCheck check = checkSettingsFile(path);
    if (check.status == SettingsFileStatus::Missing)
        return;
    if (check.status != SettingsFileStatus::Readable) {
        // Never used in part, and never overwritten: it may be all that is left of the entries.
        m_recoveryBroken = true;
        Prompts::warning(this, QStringLiteral("Lifetally kept entries that were not saved in %1, but cannot read "
                                              "them: %2.\n\nThe file is kept as it is.")
                                   .arg(QDir::toNativeSeparators(path), check.reason));
        return;
    }
    const FileFormatState fileState = m_formatState;
    readSettingsFrom(path);
    const QStringList recovered = storedState();
    if (recovered == m_savedState) {
        m_formatState = fileState;
        removeRecovery();
        return;
    }
    const QDateTime changed = QFileInfo(path).lastModified();
    const QDate day = changed.date();
    const QTime time = changed.time();
    const DateValue at = encodeDate(day.year(), day.month(), day.day()) + time.msecsSinceStartOfDay() / 86400000.0;
    const QString when = shortDateText(at) + QLatin1Char(' ') + longTimeText(at);
    if (Prompts::ask(this,
                     QStringLiteral("Lifetally did not end properly last time. Entries you had not saved were kept "
                                    "(%1).\n\nRestore them?")
                         .arg(when),
                     QStringLiteral("Restore"), QStringLiteral("Discard"))) {
        m_recoveryState = recovered;
        return;
    }
    readSettingsFrom(settingsFilePath());
    m_formatState = fileState;
    removeRecovery();
}

QStringList TfrmMain::storedState() const
{
    QStringList state{ui->edName->text(), ui->edDOB->text(), QString::number(static_cast<int>(ui->numIncome->value()))};
    for (const ActivityModel *model : {m_hours.get(), m_money.get(), m_freq.get()}) {
        for (int row = 1; row < ActivityModel::RowCount; ++row)
            state += model->rowTexts(row).mid(0, ActivityModel::Total);
    }
    return state;
}

bool TfrmMain::isModified() const
{
    return storedState() != m_savedState;
}

bool TfrmMain::maySaveBeforeClosing(bool interactive)
{
    finishStartUp();
    const QStringList state = storedState();
    if (state == m_savedState || state == m_discardedState)
        return true;
    switch (interactive ? Prompts::askSaveChanges(this) : Prompts::SaveAnswer::Save) {
    case Prompts::SaveAnswer::Discard:
        m_discardedState = state;
        removeRecovery();
        return true;
    case Prompts::SaveAnswer::Cancel:
        return false;
    case Prompts::SaveAnswer::Save:
        break;
    }
    bool saved = false;
    guarded(this, [this, interactive, &saved] { saved = saveEntries(interactive); });
    return saved;
}

void TfrmMain::closeEvent(QCloseEvent *event)
{
    // The Close button has saved already; any other way of closing asks first.
    if (maySaveBeforeClosing(true))
        event->accept();
    else
        event->ignore();
}

void TfrmMain::saveClick()
{
    saveEntries(true);
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
    ui->Label10->setText(ageLine(ui->edDOB->text()));
    ui->Label10->setToolTip(ageExplanation(ui->edDOB->text()));
    ui->label11->setText(incomeLine(ui->numIncome->text()));
    ui->label11->setToolTip(incomeExplanation(static_cast<qint64>(ui->numIncome->value())));
    computeAllRowTotals(*m_hours, *m_money, *m_freq, m_hoursAlive, static_cast<qint64>(ui->numIncome->value()));
}

void TfrmMain::btNextClick()
{
    finishStartUp();
    const int p = currentPage();
    ui->btNext->setEnabled(true);
    ui->btPrev->setEnabled(true);
    if (p == Bio) {
        if (!checkBioPage()) {
            Prompts::showError(this, QStringLiteral("Your birthdate is mandatory to proceed to the next step."));
            return;
        }
        if (!keepDespite(birthDateReading(ui->edDOB->text()))) {
            ui->edDOB->setFocus();
            return;
        }
        computeTotals();
    }
    if (p == Hours && !keepDespite(overlapWarning()))
        return;
    if (p == Dollars) {
        computeTotals();
        if (!keepDespite(incomeWarning()))
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

QString TfrmMain::overlapWarning() const
{
    const std::optional<Overload> overload = hoursOverlap(*m_hours);
    return overload ? overloadMessage(*overload) : QString();
}

QString TfrmMain::incomeWarning() const
{
    const double share = incomeShareSum(*m_money, static_cast<qint64>(ui->numIncome->value()));
    if (!(share > 100))
        return QString();
    return QStringLiteral("Your money activities add up to ") + formatNumber(share, 2) +
           QStringLiteral("% of your lifetime income.");
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

void TfrmMain::checkRow(const ActivityTable &t, int row)
{
    QStringList warnings;
    if (t.kind == TableKind::Hours) {
        if (const std::optional<Overload> overload = hoursOverlap(*m_hours))
            warnings << overloadMessage(*overload);
    }
    if (countsTimeNotYetLived(t.model->cell(row, ActivityModel::Start), t.model->cell(row, ActivityModel::End)))
        warnings << QStringLiteral("%1 ends after today, so its total counts time not yet lived.")
                        .arg(t.model->cell(row, ActivityModel::Activity));
    if (warnings.isEmpty() || Prompts::keepOrChange(this, warnings.join(QStringLiteral("\n\n"))))
        return;
    t.grid->setCurrentIndex(t.model->index(row - 1, 0));
    editRow(t);
}

void TfrmMain::btPrevClick()
{
    finishStartUp();
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

void TfrmMain::edDOBExit()
{
    ShowBirthDate();
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
    auto *grid = qobject_cast<QTableView *>(watched);
    const bool isGrid = grid && (grid == ui->gridHours || grid == ui->gridMoney || grid == ui->gridFreq);
    if (watched == ui->edDOB && event->type() == QEvent::FocusOut) {
        edDOBExit();
    } else if (isGrid && event->type() == QEvent::Show && grid->horizontalHeader()->isHidden()) {
        // The table's face too, which the hidden title row and rows had no use for.
        grid->setFont(serifFont(13));
        grid->horizontalHeader()->setFont(serifFont(13));
        grid->horizontalHeader()->show();
    } else if (isGrid && event->type() == QEvent::ContextMenu) {
        // The grids' hint promises a sort menu on a right click; the menu key opens it too.
        auto *menuEvent = static_cast<QContextMenuEvent *>(event);
        if (menuEvent->reason() == QContextMenuEvent::Keyboard)
            openSortMenuFromKeyboard(grid);
        else
            openSortMenu(menuEvent->globalPos());
        return true;
    } else if (event->type() == QEvent::KeyPress && qobject_cast<QPushButton *>(watched)) {
        // Enter presses the focused button, as in dialogs; no button is a default that Enter
        // presses from a text field.
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            static_cast<QPushButton *>(watched)->animateClick();
            return true;
        }
    } else if (isGrid && event->type() == QEvent::KeyPress) {
        // Keyboard users edit with Enter, add with Insert and delete with Delete, as with the buttons.
        const ActivityTable t = tableOf(grid);
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            guarded(this, [&] { editRow(t); });
            return true;
        case Qt::Key_Insert:
            guarded(this, [&] { addRow(t); });
            return true;
        case Qt::Key_Delete:
            deleteRow(t);
            return true;
        case Qt::Key_Menu:
            openSortMenuFromKeyboard(grid);
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

template <typename Change> void TfrmMain::changeTable(const ActivityTable &t, const QString &what, Change &&change)
{
    // Recorded even when the change ends in a failed conversion: what it wrote stays, and so can
    // be undone.
    struct Record {
        TfrmMain *window;
        const ActivityTable &table;
        const QString &what;
        const TableCells before;
        ~Record()
        {
            if (table.model->table() != before) {
                const TableKind kind = table.kind;
                window->m_undo->push(
                    new TableChange(*table.model, before, what, [w = window, kind] { w->revealTable(kind); }));
            }
        }
    } record{this, t, what, t.model->table()};
    change();
}

void TfrmMain::revealTable(TableKind kind)
{
    const int page = kind == TableKind::Hours ? Hours : kind == TableKind::Money ? Dollars : Items;
    if (currentPage() == page)
        return;
    showPage(page);
    ui->btPrev->setEnabled(true);
    ui->btNext->setEnabled(true);
}

TfrmMain::ActivityTable TfrmMain::table(TableKind kind) const
{
    switch (kind) {
    case TableKind::Hours:
        return {kind, ui->gridHours, m_hours.get()};
    case TableKind::Money:
        return {kind, ui->gridMoney, m_money.get()};
    case TableKind::Frequency:
        break;
    }
    return {TableKind::Frequency, ui->gridFreq, m_freq.get()};
}

TfrmMain::ActivityTable TfrmMain::tableOf(const QTableView *grid) const
{
    if (grid == ui->gridHours)
        return table(TableKind::Hours);
    return table(grid == ui->gridMoney ? TableKind::Money : TableKind::Frequency);
}

std::unique_ptr<TActivityDialog> TfrmMain::makeDialog(TableKind kind)
{
    if (kind == TableKind::Hours)
        return std::make_unique<TfrmTime>(ui->edDOB->text(), m_birthDate, this);
    return std::make_unique<TfrmMoney>(kind == TableKind::Money, ui->edDOB->text(), m_birthDate, this);
}

void TfrmMain::computeRowTotal(const ActivityTable &t, int row)
{
    if (t.kind == TableKind::Hours)
        computeHourTotal(*t.model, row, m_hoursAlive);
    else
        computeMoneyTotal(*t.model, row, t.kind == TableKind::Money, static_cast<qint64>(ui->numIncome->value()));
}

int TfrmMain::selectedRow(QTableView *grid) const
{
    const QModelIndex current = grid->currentIndex();
    return current.isValid() ? current.row() + 1 : 1;
}

void TfrmMain::addRow(const ActivityTable &t)
{
    const int row = t.model->findFirstBlankRow();
    if (row == -1) {
        Prompts::showError(this, QStringLiteral("Maximum number of rows reached"));
        return;
    }
    const std::unique_ptr<TActivityDialog> dlg = makeDialog(t.kind);
    dlg->setRow({QString(), QString(), QStringLiteral("Day"), ui->edDOB->text(), QStringLiteral("Now")});
    if (dlg->exec() != QDialog::Accepted)
        return;
    changeTable(t, QStringLiteral("Add"), [&] {
        t.model->setRowTexts(row, dlg->row() << QString());
        computeRowTotal(t, row);
    });
    checkRow(t, row);
}

void TfrmMain::editRow(const ActivityTable &t)
{
    const int row = selectedRow(t.grid);
    if (t.model->isBlank(row)) {
        Prompts::showError(this, QStringLiteral("Nothing to edit"));
        return;
    }
    std::unique_ptr<TActivityDialog> dlg = makeDialog(t.kind);
    dlg->setRow(t.model->rowTexts(row).mid(0, ActivityModel::Total));
    const bool accepted = dlg->exec() == QDialog::Accepted;
    const QStringList cells = dlg->row() << t.model->cell(row, ActivityModel::Total);
    dlg.reset();
    changeTable(t, QStringLiteral("Edit"), [&] {
        if (accepted)
            t.model->setRowTexts(row, cells);
        computeRowTotal(t, row);
    });
    if (accepted)
        checkRow(t, row);
}

void TfrmMain::deleteRow(const ActivityTable &t)
{
    const int row = selectedRow(t.grid);
    if (t.model->isBlank(row)) {
        Prompts::showError(this, QStringLiteral("Nothing to delete"));
        return;
    }
    if (!Prompts::confirm(this, QStringLiteral("Confirm"),
                          QStringLiteral("Really delete ") + t.model->cell(row, ActivityModel::Activity) +
                              QStringLiteral("?")))
        return;
    changeTable(t, QStringLiteral("Delete"), [&] { t.model->deleteRowMove(row); });
    const QModelIndex current = t.grid->currentIndex();
    t.grid->setCurrentIndex(t.model->index(row - 1, current.isValid() ? current.column() : 0));
}

void TfrmMain::AddButton(QTableView *grid, bool)
{
    addRow(tableOf(grid));
}

void TfrmMain::editButton(QTableView *grid, bool)
{
    editRow(tableOf(grid));
}

void TfrmMain::DeleteGrid(QTableView *grid)
{
    deleteRow(tableOf(grid));
}

void TfrmMain::btAdd1Click()
{
    addRow(table(TableKind::Hours));
}

void TfrmMain::btEdit1Click()
{
    editRow(table(TableKind::Hours));
}

void TfrmMain::btDel1Click()
{
    DeleteGrid(ui->gridHours);
}

void TfrmMain::btAdd2Click()
{
    AddButton(ui->gridMoney, true);
}

void TfrmMain::btEdit2Click()
{
    editButton(ui->gridMoney, true);
}

void TfrmMain::btDel2Click()
{
    DeleteGrid(ui->gridMoney);
}

void TfrmMain::btAdd3Click()
{
    AddButton(ui->gridFreq, false);
}

void TfrmMain::btEdit3Click()
{
    editButton(ui->gridFreq, false);
}

void TfrmMain::btDel3Click()
{
    DeleteGrid(ui->gridFreq);
}

QTableView *TfrmMain::gridOfCurrentPage() const
{
    switch (currentPage()) {
    case Hours:
        return ui->gridHours;
    case Dollars:
        return ui->gridMoney;
    case Items:
        return ui->gridFreq;
    default:
        return nullptr;
    }
}

void TfrmMain::btSort1Click()
{
    const QRect g = ui->gridHours->geometry();
    openSortMenu(mapToGlobal(QPoint(g.left() + g.width() - 300, g.top() + g.height() - 100)));
}

void TfrmMain::openSortMenuFromKeyboard(QTableView *grid)
{
    // At the current cell, where the user's eyes are; the Sort button's place when there is none.
    const QModelIndex current = grid->currentIndex();
    if (current.isValid())
        openSortMenu(grid->viewport()->mapToGlobal(grid->visualRect(current).center()));
    else
        btSort1Click();
}

void TfrmMain::openSortMenu(const QPoint &globalPos)
{
    PopupMenu1->popup(globalPos);
}

void TfrmMain::sortCurrentPage(int order)
{
    QTableView *grid = gridOfCurrentPage();
    if (!grid)
        return;
    changeTable(tableOf(grid), QStringLiteral("Sort"),
                [&] { sortActivityTable(*tableOf(grid).model, static_cast<ActivitySort>(order)); });
}

void TfrmMain::ActivitySortClick()
{
    sortCurrentPage(static_cast<int>(ActivitySort::ByActivity));
}

void TfrmMain::StartDate1Click()
{
    sortCurrentPage(static_cast<int>(ActivitySort::ByStartDate));
}

void TfrmMain::Total1Click()
{
    sortCurrentPage(static_cast<int>(ActivitySort::ByTotal));
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
    m_report = std::make_unique<ReportPrinter>(*m_printer, this);
    try {
        printGrid(ui->gridHours, identity, income, true, false);
        printGrid(ui->gridMoney, identity, income, false, false);
        printGrid(ui->gridFreq, identity, income, false, true);
    } catch (...) {
        // A failure ends the job with the event; the next report starts afresh.
        m_report.reset();
        throw;
    }
    m_report.reset();
}

void TfrmMain::printGrid(QTableView *grid, const QString &identity, const QString &income, bool header, bool close)
{
    QVector<int> widths;
    for (int col = 0; col < ActivityModel::ColCount; ++col)
        widths.append(report::columnChars(grid->columnWidth(col)));
    m_report->printGrid(*tableOf(grid).model, widths, identity, income, header, close);
}

void TfrmMain::btGrHourClick()
{
    initAColors(true, 0xFF0000);
    graphit(true, false, false);
}

void TfrmMain::btGrMoneyClick()
{
    initAColors(true, 0xFF0000);
    graphit(false, true, false);
}

void TfrmMain::btGrFreqClick()
{
    initAColors(true, 0xFF0000);
    graphit(false, false, true);
}

void TfrmMain::initAColors(bool random, quint32 colour)
{
    aColors = chartColours(random, colour);
}

void TfrmMain::graphit(bool hours, bool money, bool)
{
    const ChartTable which = chartTableOf(hours, money);
    const QString title = chartTitle(which, ui->edName->text(), ui->Label10->text(), ui->label11->text());
    const TableKind kind = which == ChartTable::Hours   ? TableKind::Hours
                           : which == ChartTable::Money ? TableKind::Money
                                                        : TableKind::Frequency;
    const ActivityModel &table = *this->table(kind).model;
    double subtotal = 0;
    double reference = 0;
    if (which == ChartTable::Hours) {
        subtotal = computeSubTotal(table);
        reference = m_hoursAlive;
    } else if (which == ChartTable::Money) {
        subtotal = computeSubTotal(table);
        reference = ui->numIncome->value();
    }
    // The points are built before the window exists, so a total that is not a number leaves no
    // window behind.
    const QVector<ChartPoint> points = chartPoints(table, subtotal, reference, aColors);
    TfrmGraph graph(this);
    graph.setTitle(title);
    graph.setPoints(points);
    graph.setWindowState(graph.windowState() | Qt::WindowMaximized);
    graph.exec();
}

void TfrmMain::CopyRows1Click()
{
    QTableView *grid = gridOfCurrentPage();
    if (!grid)
        return;
    QVector<int> rows;
    for (const QModelIndex &index : grid->selectionModel()->selectedRows())
        rows.append(index.row() + 1);
    QGuiApplication::clipboard()->setText(tableexport::tabSeparated(*tableOf(grid).model, rows));
}

void TfrmMain::ExportCsv1Click()
{
    QTableView *grid = gridOfCurrentPage();
    if (!grid)
        return;
    const ActivityTable t = tableOf(grid);
    const QString path =
        SaveFileChoice::ask(this, QStringLiteral("Export as CSV"), tableexport::suggestedFileName(t.kind),
                            QStringLiteral("CSV files (*.csv)"));
    if (!path.isEmpty())
        writeFileAtomically(path, tableexport::csv(*t.model));
}
