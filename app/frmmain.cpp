#include "app/frmmain.h"

#include "about/frmabout.h"
#include "app/datetext.h"
#include "app/frmpickdate.h"
#include "app/guarded.h"
#include "app/icons.h"
#include "app/numedit.h"
#include "app/prompts.h"
#include "app/settingsfile.h"
#include "calc/clock.h"
#include "calc/datediff.h"
#include "calc/periodtext.h"
#include "calc/totals.h"
#include "results/chartdata.h"
#include "results/frmgraph.h"
#include "results/printerchoice.h"
#include "results/report.h"
#include "results/reportprinter.h"
#include "tables/activitymodel.h"
#include "tables/activitytotals.h"
#include "tables/celldelegate.h"
#include "tables/frmmoney.h"
#include "tables/frmtime.h"
#include "tables/tablesort.h"
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableView>
#include <QToolButton>

namespace {

enum Page { Intro = 0, Bio = 1, Hours = 2, Dollars = 3, Items = 4, Graphs = 5 };

const int ColumnWidths[ActivityModel::ColCount] = {171, 87, 41, 66, 67, 119};

QFont sansFont(int pixels, bool bold = false)
{
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QFont serifFont(int pixels, bool bold = false)
{
    QFont f(QStringLiteral("Times New Roman"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

// Headings are navy; on a dark desktop theme navy would vanish, so a light blue stands in.
void paintNavy(QLabel *label)
{
    QPalette pal = label->palette();
    const bool darkTheme = pal.color(QPalette::Window).lightness() < 128;
    pal.setColor(QPalette::WindowText, darkTheme ? QColor(150, 170, 255) : QColor(0, 0, 128));
    label->setPalette(pal);
}

QLabel *heading(QWidget *page, const char *name, const QString &text)
{
    auto *label = new QLabel(text, page);
    label->setObjectName(QLatin1String(name));
    label->setFont(serifFont(24, true));
    paintNavy(label);
    label->setGeometry(8, 6, 574, 32);
    return label;
}

QPushButton *button(QWidget *parent, const char *name, const QString &text, const QRect &geometry)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(geometry);
    b->setAutoDefault(false);
    return b;
}

} // namespace

TfrmMain::TfrmMain(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_hours(std::make_unique<ActivityModel>(QSet<int>{5})), m_money(std::make_unique<ActivityModel>(QSet<int>{1, 5})),
      m_freq(std::make_unique<ActivityModel>(QSet<int>{1, 5}))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Lifetally"));
    setWindowIcon(programIcon());
    setFixedSize(610, 416);
    setFont(sansFont(11));
    buildWindow();
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::buildWindow()
{
    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Raised);
    Bevel1->setGeometry(3, 6, 606, 369);

    Notebook1 = new QStackedWidget(this);
    Notebook1->setObjectName(QStringLiteral("Notebook1"));
    Notebook1->setGeometry(11, 11, 590, 361);
    Notebook1->setFont(serifFont(16));
    Notebook1->addWidget(buildIntroPage());
    Notebook1->addWidget(buildBioPage());
    Notebook1->addWidget(buildTablePage(Hours));
    Notebook1->addWidget(buildTablePage(Dollars));
    Notebook1->addWidget(buildTablePage(Items));
    Notebook1->addWidget(buildGraphsPage());

    btPrev = button(this, "btPrev", QStringLiteral("<<&Prev"), QRect(264, 384, 75, 25));
    btNext = button(this, "btNext", QStringLiteral("&Next>>"), QRect(352, 384, 75, 25));
    btAbout = button(this, "btAbout", QStringLiteral("&About"), QRect(440, 384, 75, 25));
    btClose = button(this, "btClose", QStringLiteral("Close"), QRect(528, 384, 75, 25));
    connect(btPrev, &QPushButton::clicked, this, [this] { guarded(this, [this] { btPrevClick(); }); });
    connect(btNext, &QPushButton::clicked, this, [this] { guarded(this, [this] { btNextClick(); }); });
    connect(btAbout, &QPushButton::clicked, this, [this] { guarded(this, [this] { btAboutClick(); }); });
    connect(btClose, &QPushButton::clicked, this, [this] { guarded(this, [this] { btCloseClick(); }); });

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    QAction *activitySort = PopupMenu1->addAction(QStringLiteral("Sort by activity"));
    activitySort->setObjectName(QStringLiteral("ActivitySort"));
    QAction *startDate = PopupMenu1->addAction(QStringLiteral("Sort by start date"));
    startDate->setObjectName(QStringLiteral("StartDate1"));
    QAction *total = PopupMenu1->addAction(QStringLiteral("Sort by total"));
    total->setObjectName(QStringLiteral("Total1"));
    connect(activitySort, &QAction::triggered, this, [this] { guarded(this, [this] { ActivitySortClick(); }); });
    connect(startDate, &QAction::triggered, this, [this] { guarded(this, [this] { StartDate1Click(); }); });
    connect(total, &QAction::triggered, this, [this] { guarded(this, [this] { Total1Click(); }); });

    showPage(Intro);
}

QWidget *TfrmMain::buildIntroPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("pageIntro"));
    auto *title = new QLabel(QStringLiteral("Lifetally"), page);
    title->setObjectName(QStringLiteral("lblTitle"));
    QFont decorative(QStringLiteral("Algerian"));
    decorative.setStyleHint(QFont::Decorative);
    decorative.setFamilies({QStringLiteral("Algerian"), QStringLiteral("URW Chancery L"),
                            QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman")});
    decorative.setPixelSize(48);
    decorative.setBold(true);
    decorative.setItalic(true);
    title->setFont(decorative);
    paintNavy(title);
    title->setAlignment(Qt::AlignCenter);
    title->setGeometry(0, 16, 590, 64);

    auto *text = new QLabel(page);
    text->setObjectName(QStringLiteral("lblIntro"));
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setGeometry(40, 100, 510, 240);
    text->setText(QStringLiteral(
        "How much of your life have you spent at work, asleep, in front of the television or on the road? "
        "How much money has gone on rent, cars or coffee? Lifetally adds it up for you.\n\n"
        "On the next pages you enter a few facts about yourself, then the things you spend time on, the "
        "things you spend money on and the things you do regularly: how much, how often, and since when.\n\n"
        "Lifetally works out the lifetime total of every activity and its share of your life or your "
        "income, draws them as charts and prints a report.  Press Next to begin."));
    return page;
}

QWidget *TfrmMain::buildBioPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("pageBio"));
    heading(page, "Label1", QStringLiteral("Step 1: Personal Biographical Information"));

    auto *label6 = new QLabel(QStringLiteral("Your name:"), page);
    label6->setObjectName(QStringLiteral("Label6"));
    label6->setGeometry(40, 80, 200, 24);
    edName = new QLineEdit(page);
    edName->setObjectName(QStringLiteral("edName"));
    edName->setGeometry(250, 78, 289, 26);
    label6->setBuddy(edName);

    auto *label5 = new QLabel(QStringLiteral("Your birthdate:"), page);
    label5->setObjectName(QStringLiteral("Label5"));
    label5->setGeometry(40, 134, 200, 24);
    edDOB = new QLineEdit(page);
    edDOB->setObjectName(QStringLiteral("edDOB"));
    edDOB->setGeometry(250, 132, 130, 26);
    label5->setBuddy(edDOB);
    SpeedButton1 = new QToolButton(page);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setIcon(calendarIcon());
    SpeedButton1->setToolTip(QStringLiteral("Popup calendar"));
    SpeedButton1->setAccessibleName(QStringLiteral("Popup calendar"));
    SpeedButton1->setGeometry(382, 132, 26, 26);

    auto *label9 = new QLabel(QStringLiteral("Estimate your lifetime income up to now:"), page);
    label9->setObjectName(QStringLiteral("Label9"));
    label9->setWordWrap(true);
    label9->setGeometry(40, 180, 130, 60);
    numIncome = new TNumEdit(page);
    numIncome->setObjectName(QStringLiteral("numIncome"));
    numIncome->setRange(0, 99999999);
    numIncome->setSingleStep(10000);
    numIncome->setMask(true, 0);
    numIncome->setGeometry(250, 190, 160, 26);
    label9->setBuddy(numIncome);
    numIncome->setAccessibleName(label9->text());

    connect(SpeedButton1, &QToolButton::clicked, this, [this] { guarded(this, [this] { SpeedButton1Click(); }); });
    edDOB->installEventFilter(this);
    return page;
}

QTableView *TfrmMain::makeGrid(QWidget *page, const char *name, ActivityModel *model)
{
    auto *grid = new QTableView(page);
    grid->setObjectName(QLatin1String(name));
    grid->setModel(model);
    grid->setItemDelegate(new ActivityCellDelegate(grid));
    grid->setGeometry(8, 49, 577, 263);
    grid->setFont(serifFont(13));
    grid->setToolTip(QStringLiteral("Double click to edit, right click to sort"));
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setTabKeyNavigation(false);
    grid->setWordWrap(false);
    grid->setCornerButtonEnabled(false);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(21);
    grid->verticalHeader()->setMinimumSectionSize(21);
    QHeaderView *header = grid->horizontalHeader();
    header->setFixedHeight(21);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setFont(serifFont(13));
    header->setMinimumSectionSize(10);
    for (int col = 0; col < ActivityModel::ColCount; ++col)
        grid->setColumnWidth(col, ColumnWidths[col]);
    grid->setContextMenuPolicy(Qt::DefaultContextMenu);
    grid->setAccessibleName(model == m_hours.get()   ? QStringLiteral("Hours spent on activities")
                            : model == m_money.get() ? QStringLiteral("Money spent on activities")
                                                     : QStringLiteral("Frequency of activities"));
    grid->installEventFilter(this);
    grid->setCurrentIndex(model->index(0, 0));
    return grid;
}

QWidget *TfrmMain::buildTablePage(int pageIndex)
{
    auto *page = new QWidget;
    QTableView *grid = nullptr;
    QPushButton *sort = nullptr;
    QPushButton *add = nullptr;
    QPushButton *edit = nullptr;
    QPushButton *del = nullptr;
    const int y = 320;
    auto buttons = [&](const char *s, const char *a, const char *e, const char *d) {
        sort = button(page, s, QStringLiteral("Sort"), QRect(238, y, 75, 25));
        add = button(page, a, QStringLiteral("Add"), QRect(326, y, 75, 25));
        edit = button(page, e, QStringLiteral("Edit"), QRect(414, y, 75, 25));
        del = button(page, d, QStringLiteral("Delete"), QRect(502, y, 75, 25));
    };
    auto note = [&](const char *name, const QString &text) {
        auto *label = new QLabel(text, page);
        label->setObjectName(QLatin1String(name));
        label->setWordWrap(true);
        label->setFont(serifFont(11));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setGeometry(8, 316, 222, 42);
    };

    if (pageIndex == Hours) {
        page->setObjectName(QStringLiteral("pageHours"));
        heading(page, "Label2", QStringLiteral("Step 2: Number of hours spent on various activities"));
        grid = gridHours = makeGrid(page, "gridHours", m_hours.get());
        note("Label7", QStringLiteral("Note that the percentage is based on the number of hours you have been "
                                      "alive.  Percentages may not add up to 100 due to overlap."));
        buttons("btSort1", "btAdd1", "btEdit1", "btDel1");
        connect(add, &QPushButton::clicked, this, [this] { guarded(this, [this] { btAdd1Click(); }); });
        connect(edit, &QPushButton::clicked, this, [this] { guarded(this, [this] { btEdit1Click(); }); });
        connect(del, &QPushButton::clicked, this, [this] { guarded(this, [this] { btDel1Click(); }); });
        connect(grid, &QTableView::doubleClicked, this, [this] { guarded(this, [this] { btEdit1Click(); }); });
    } else if (pageIndex == Dollars) {
        page->setObjectName(QStringLiteral("pageDollars"));
        heading(page, "Label3", QStringLiteral("Step 3: Money spent on various activities"));
        grid = gridMoney = makeGrid(page, "gridMoney", m_money.get());
        note("Label12", QStringLiteral("Note that the percentage is based on your lifetime income."));
        buttons("btSort2", "btAdd2", "btEdit2", "btDel2");
        connect(add, &QPushButton::clicked, this, [this] { guarded(this, [this] { btAdd2Click(); }); });
        connect(edit, &QPushButton::clicked, this, [this] { guarded(this, [this] { btEdit2Click(); }); });
        connect(del, &QPushButton::clicked, this, [this] { guarded(this, [this] { btDel2Click(); }); });
        connect(grid, &QTableView::doubleClicked, this, [this] { guarded(this, [this] { btEdit2Click(); }); });
    } else {
        page->setObjectName(QStringLiteral("pageItems"));
        heading(page, "Label8", QStringLiteral("Step 4: Frequency of various activities"));
        grid = gridFreq = makeGrid(page, "gridFreq", m_freq.get());
        buttons("btSort3", "btAdd3", "btEdit3", "btDel3");
        connect(add, &QPushButton::clicked, this, [this] { guarded(this, [this] { btAdd3Click(); }); });
        connect(edit, &QPushButton::clicked, this, [this] { guarded(this, [this] { btEdit3Click(); }); });
        connect(del, &QPushButton::clicked, this, [this] { guarded(this, [this] { btDel3Click(); }); });
        connect(grid, &QTableView::doubleClicked, this, [this] { guarded(this, [this] { btEdit3Click(); }); });
    }
    connect(sort, &QPushButton::clicked, this, [this] { guarded(this, [this] { btSort1Click(); }); });
    for (QPushButton *b : {sort, add, edit, del})
        b->setFont(sansFont(11));
    setTabOrder(grid, sort);
    setTabOrder(sort, add);
    setTabOrder(add, edit);
    setTabOrder(edit, del);
    return page;
}

QWidget *TfrmMain::buildGraphsPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("pageGraphs"));
    heading(page, "Label4", QStringLiteral("Results"))->setGeometry(8, 6, 120, 32);
    Label10 = new QLabel(page);
    Label10->setObjectName(QStringLiteral("Label10"));
    Label10->setAlignment(Qt::AlignCenter);
    Label10->setGeometry(160, 12, 353, 22);
    label11 = new QLabel(page);
    label11->setObjectName(QStringLiteral("label11"));
    label11->setAlignment(Qt::AlignCenter);
    label11->setGeometry(160, 40, 353, 22);

    btReport = button(page, "btReport", QStringLiteral("Print report"), QRect(126, 84, 337, 33));
    auto *bevel2 = new QFrame(page);
    bevel2->setObjectName(QStringLiteral("Bevel2"));
    bevel2->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel2->setGeometry(110, 136, 369, 165);
    btGrHour = button(page, "btGrHour", QStringLiteral("Graph results of hours"), QRect(126, 152, 337, 33));
    btGrMoney = button(page, "btGrMoney", QStringLiteral("Graph results of money"), QRect(126, 202, 337, 33));
    btGrFreq = button(page, "btGrFreq", QStringLiteral("Graph results of frequency"), QRect(126, 252, 337, 33));
    connect(btReport, &QPushButton::clicked, this, [this] { guarded(this, [this] { btReportClick(); }); });
    connect(btGrHour, &QPushButton::clicked, this, [this] { guarded(this, [this] { btGrHourClick(); }); });
    connect(btGrMoney, &QPushButton::clicked, this, [this] { guarded(this, [this] { btGrMoneyClick(); }); });
    connect(btGrFreq, &QPushButton::clicked, this, [this] { guarded(this, [this] { btGrFreqClick(); }); });
    return page;
}

int TfrmMain::currentPage() const
{
    return Notebook1->currentIndex();
}

void TfrmMain::showPage(int page)
{
    Notebook1->setCurrentIndex(page);
    // Focus the page's first control, so the keyboard always acts on what is shown.
    QWidget *current = Notebook1->currentWidget();
    for (QWidget *w = current->nextInFocusChain(); w && w != current; w = w->nextInFocusChain()) {
        if (!current->isAncestorOf(w))
            continue;
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(this) && w->isEnabled()) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    if (btNext && btNext->isEnabled())
        btNext->setFocus(Qt::TabFocusReason);
}

void TfrmMain::updateNavButtons()
{
    btPrev->setEnabled(currentPage() != Intro);
    btNext->setEnabled(currentPage() != Graphs);
}

void TfrmMain::showEvent(QShowEvent *event)
{
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
    readSettings();
    ShowBirthDate();
    // A stored birth date that is not a date is reported here, and start-up goes on.
    guarded(this, [this] { computeTotals(); });
    showPage(Intro);
    btPrev->setEnabled(false);
    btNext->setEnabled(true);
}

void TfrmMain::adjustColWidths()
{
    for (int col = 0; col < ActivityModel::ColCount; ++col) {
        gridMoney->setColumnWidth(col, gridHours->columnWidth(col));
        gridFreq->setColumnWidth(col, gridHours->columnWidth(col));
    }
}

void TfrmMain::initGrids()
{
    const QString common[] = {QStringLiteral("Activity"), QString(),
                              QStringLiteral("Per"),      QStringLiteral("Start date"),
                              QStringLiteral("End date"), QString()};
    for (int col = 0; col < ActivityModel::ColCount; ++col) {
        m_hours->setCell(0, col, common[col]);
        m_money->setCell(0, col, common[col]);
        m_freq->setCell(0, col, common[col]);
    }
    m_hours->setCell(0, 1, QStringLiteral("Time"));
    m_hours->setCell(0, 5, QStringLiteral("Total Hrs"));
    m_money->setCell(0, 1, QStringLiteral("Amount"));
    m_money->setCell(0, 5, QStringLiteral("Total Amt"));
    m_freq->setCell(0, 1, QStringLiteral("Frequency"));
    m_freq->setCell(0, 5, QStringLiteral("Total Freq"));
}

void TfrmMain::readSettings()
{
    BioFields bio;
    readSettingsFile(settingsFilePath(), bio, *m_hours, *m_money, *m_freq);
    edName->setText(bio.name);
    edDOB->setText(bio.birthDate);
    // The field's range is 0 to 99,999,999; a stored value beyond it is clamped.
    numIncome->setValue(bio.income);
}

void TfrmMain::writeSettings()
{
    BioFields bio;
    bio.name = edName->text();
    bio.birthDate = edDOB->text();
    bio.income = static_cast<int>(numIncome->value());
    writeSettingsFile(settingsFilePath(), bio, *m_hours, *m_money, *m_freq);
}

void TfrmMain::ShowBirthDate()
{
    DateValue parsed = 0;
    if (!tryStrToDate(edDOB->text(), parsed))
        return;
    m_birthDate = parsed;
    m_hoursAlive = computedatediff(Clock::now(), m_birthDate).totalHours;
}

bool TfrmMain::checkBioPage() const
{
    DateValue parsed = 0;
    return !edDOB->text().isEmpty() && tryStrToDate(edDOB->text(), parsed);
}

void TfrmMain::computeTotals()
{
    Label10->setText(ageLine(edDOB->text()));
    label11->setText(incomeLine(numIncome->text()));
    computeAllRowTotals(*m_hours, *m_money, *m_freq, m_hoursAlive, static_cast<qint64>(numIncome->value()));
}

void TfrmMain::btNextClick()
{
    const int p = currentPage();
    btNext->setEnabled(true);
    btPrev->setEnabled(true);
    if (p == Bio) {
        if (!checkBioPage()) {
            Prompts::showError(this, QStringLiteral("Your birthdate is mandatory to proceed to the next step."));
            return;
        }
        computeTotals();
    }
    if (p == Dollars)
        computeTotals();
    if (p == Items) {
        btGrHour->setEnabled(!m_hours->isBlank(1));
        btGrMoney->setEnabled(!m_money->isBlank(1));
        btGrFreq->setEnabled(!m_freq->isBlank(1));
        computeTotals();
    }
    if (p < Graphs)
        showPage(p + 1);
    if (currentPage() == Graphs)
        btNext->setEnabled(false);
}

void TfrmMain::btPrevClick()
{
    const int p = currentPage();
    btPrev->setEnabled(true);
    btNext->setEnabled(true);
    if (p > 0)
        showPage(p - 1);
    if (currentPage() == Intro)
        btPrev->setEnabled(false);
}

void TfrmMain::btCloseClick()
{
    writeSettings();
    close();
}

void TfrmMain::edDOBExit()
{
    ShowBirthDate();
}

void TfrmMain::SpeedButton1Click()
{
    DateValue d = strToDate(edDOB->text());
    d = pickDate(edDOB, d, m_birthDate);
    edDOB->setText(shortDateText(d));
    edDOB->setFocus();
    ShowBirthDate();
}

bool TfrmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == edDOB && event->type() == QEvent::FocusOut) {
        edDOBExit();
    } else if (event->type() == QEvent::ContextMenu &&
               (watched == gridHours || watched == gridMoney || watched == gridFreq)) {
        // The grids' hint promises a sort menu on a right click.
        openSortMenu(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    } else if (event->type() == QEvent::KeyPress &&
               (watched == gridHours || watched == gridMoney || watched == gridFreq)) {
        // Keyboard users edit with Enter, add with Insert and delete with Delete, as with the buttons.
        auto *grid = static_cast<QTableView *>(watched);
        const int key = static_cast<QKeyEvent *>(event)->key();
        const bool hours = grid == gridHours;
        const bool money = grid == gridMoney;
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            guarded(this, [&] { hours ? btEdit1Click() : editButton(grid, money); });
            return true;
        }
        if (key == Qt::Key_Insert) {
            guarded(this, [&] { hours ? btAdd1Click() : AddButton(grid, money); });
            return true;
        }
        if (key == Qt::Key_Delete) {
            guarded(this, [&] { DeleteGrid(grid); });
            return true;
        }
        if (key == Qt::Key_Menu) {
            const QRect cell = grid->visualRect(grid->currentIndex());
            openSortMenu(grid->viewport()->mapToGlobal(cell.center()));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

ActivityModel *TfrmMain::modelOf(QTableView *grid) const
{
    if (grid == gridHours)
        return m_hours.get();
    if (grid == gridMoney)
        return m_money.get();
    return m_freq.get();
}

int TfrmMain::selectedRow(QTableView *grid) const
{
    const QModelIndex current = grid->currentIndex();
    return current.isValid() ? current.row() + 1 : 1;
}

void TfrmMain::btAdd1Click()
{
    const int row = m_hours->findFirstBlankRow();
    if (row == -1) {
        Prompts::showError(this, QStringLiteral("Maximum number of rows reached"));
        return;
    }
    TfrmTime dlg(edDOB->text(), m_birthDate, this);
    dlg.edName->setText(QString());
    dlg.numHours->setValue(0);
    dlg.numMin->setValue(0);
    dlg.edDate->setText(edDOB->text());
    dlg.setEndIsNow(true);
    dlg.edEndDate->setText(QStringLiteral("Now"));
    if (dlg.exec() != QDialog::Accepted)
        return;
    m_hours->setRowTexts(row, {dlg.edName->text(), durationText(dlg.numHours->value(), dlg.numMin->value()),
                               periodFromChoice(dlg.rbDay->isChecked(), dlg.rbWeek->isChecked()), dlg.edDate->text(),
                               dlg.edEndDate->text(), QString()});
    computeHourTotal(*m_hours, row, m_hoursAlive);
}

void TfrmMain::btEdit1Click()
{
    const int row = selectedRow(gridHours);
    if (m_hours->isBlank(row)) {
        Prompts::showError(this, QStringLiteral("Nothing to edit"));
        return;
    }
    {
        TfrmTime dlg(edDOB->text(), m_birthDate, this);
        dlg.edName->setText(m_hours->cell(row, 0));
        dlg.numHours->setValue(hoursOf(m_hours->cell(row, 1)));
        dlg.numMin->setValue(minutesOf(m_hours->cell(row, 1)));
        const QString per = m_hours->cell(row, 2);
        dlg.setPeriod(isDay(per), isWeek(per), isMonth(per));
        dlg.edDate->setText(m_hours->cell(row, 3));
        dlg.edEndDate->setText(m_hours->cell(row, 4));
        dlg.rememberedEndDate = dlg.edEndDate->text();
        dlg.setEndIsNow(dlg.edEndDate->text() == QLatin1String("Now"));
        if (dlg.exec() == QDialog::Accepted) {
            QStringList texts = {dlg.edName->text(),
                                 durationText(dlg.numHours->value(), dlg.numMin->value()),
                                 periodFromChoice(dlg.rbDay->isChecked(), dlg.rbWeek->isChecked()),
                                 dlg.edDate->text(),
                                 dlg.edEndDate->text(),
                                 m_hours->cell(row, 5)};
            m_hours->setRowTexts(row, texts);
        }
    }
    computeHourTotal(*m_hours, row, m_hoursAlive);
}

void TfrmMain::btDel1Click()
{
    DeleteGrid(gridHours);
}

void TfrmMain::btAdd2Click()
{
    AddButton(gridMoney, true);
}

void TfrmMain::btEdit2Click()
{
    editButton(gridMoney, true);
}

void TfrmMain::btDel2Click()
{
    DeleteGrid(gridMoney);
}

void TfrmMain::btAdd3Click()
{
    AddButton(gridFreq, false);
}

void TfrmMain::btEdit3Click()
{
    editButton(gridFreq, false);
}

void TfrmMain::btDel3Click()
{
    DeleteGrid(gridFreq);
}

void TfrmMain::AddButton(QTableView *grid, bool isMoney)
{
    ActivityModel *model = modelOf(grid);
    const int row = model->findFirstBlankRow();
    if (row == -1) {
        Prompts::showError(this, QStringLiteral("Maximum number of rows reached"));
        return;
    }
    TfrmMoney dlg(edDOB->text(), m_birthDate, this);
    dlg.edName->setText(QString());
    dlg.numMoney->setValue(0);
    dlg.edDate->setText(edDOB->text());
    dlg.setEndIsNow(true);
    dlg.edEndDate->setText(QStringLiteral("Now"));
    dlg.isMoney = isMoney;
    if (dlg.exec() != QDialog::Accepted)
        return;
    model->setRowTexts(row, {dlg.edName->text(), dlg.amountDisplayText(), periodName(dlg.cbWhen->currentIndex()),
                             dlg.edDate->text(), dlg.edEndDate->text(), QString()});
    computeMoneyTotal(*model, row, isMoney, static_cast<qint64>(numIncome->value()));
}

void TfrmMain::editButton(QTableView *grid, bool isMoney)
{
    ActivityModel *model = modelOf(grid);
    const int row = selectedRow(grid);
    if (model->isBlank(row)) {
        Prompts::showError(this, QStringLiteral("Nothing to edit"));
        return;
    }
    {
        TfrmMoney dlg(edDOB->text(), m_birthDate, this);
        dlg.edName->setText(model->cell(row, 0));
        dlg.amountText = digitsOnly(model->cell(row, 1));
        dlg.cbWhen->setCurrentIndex(periodIndex(model->cell(row, 2)));
        dlg.edDate->setText(model->cell(row, 3));
        dlg.edEndDate->setText(model->cell(row, 4));
        dlg.rememberedEndDate = dlg.edEndDate->text();
        dlg.setEndIsNow(dlg.edEndDate->text() == QLatin1String("Now"));
        dlg.isMoney = isMoney;
        if (dlg.exec() == QDialog::Accepted) {
            model->setRowTexts(row,
                               {dlg.edName->text(), dlg.amountDisplayText(), periodName(dlg.cbWhen->currentIndex()),
                                dlg.edDate->text(), dlg.edEndDate->text(), model->cell(row, 5)});
        }
    }
    computeMoneyTotal(*model, row, isMoney, static_cast<qint64>(numIncome->value()));
}

void TfrmMain::DeleteGrid(QTableView *grid)
{
    ActivityModel *model = modelOf(grid);
    const int row = selectedRow(grid);
    if (model->isBlank(row)) {
        Prompts::showError(this, QStringLiteral("Nothing to delete"));
        return;
    }
    if (!Prompts::confirm(this, QStringLiteral("Confirm"),
                          QStringLiteral("Really delete ") + model->cell(row, 0) + QStringLiteral("?")))
        return;
    model->deleteRowMove(row);
    grid->setCurrentIndex(model->index(row - 1, grid->currentIndex().isValid() ? grid->currentIndex().column() : 0));
}

QTableView *TfrmMain::gridOfCurrentPage() const
{
    switch (currentPage()) {
    case Hours:
        return gridHours;
    case Dollars:
        return gridMoney;
    case Items:
        return gridFreq;
    default:
        return nullptr;
    }
}

void TfrmMain::btSort1Click()
{
    const QRect g = gridHours->geometry();
    openSortMenu(mapToGlobal(QPoint(g.left() + g.width() - 300, g.top() + g.height() - 100)));
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
    sortActivityTable(*modelOf(grid), static_cast<ActivitySort>(order));
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
    const QString identity = report::identityLine(edName->text(), edDOB->text(), Label10->text());
    const QString income = label11->text();
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!PrinterChoice::ask(*m_printer, this))
        return;
    m_report = std::make_unique<ReportPrinter>(*m_printer, this);
    try {
        printGrid(gridHours, identity, income, true, false);
        printGrid(gridMoney, identity, income, false, false);
        printGrid(gridFreq, identity, income, false, true);
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
    m_report->printGrid(*modelOf(grid), widths, identity, income, header, close);
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
    const QString title = chartTitle(which, edName->text(), Label10->text(), label11->text());
    const ActivityModel &table = which == ChartTable::Hours   ? *m_hours
                                 : which == ChartTable::Money ? *m_money
                                                              : *m_freq;
    double subtotal = 0;
    double reference = 0;
    if (which == ChartTable::Hours) {
        subtotal = computeSubTotal(table);
        reference = m_hoursAlive;
    } else if (which == ChartTable::Money) {
        subtotal = computeSubTotal(table);
        reference = numIncome->value();
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
