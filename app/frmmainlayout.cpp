// The window's controls, laid out at the fixed positions and sizes of the wizard's design.
#include "app/frmmain.h"

#include "tables/activitymodel.h"
#include "tables/celldelegate.h"
#include "widgets/fonts.h"
#include "widgets/guarded.h"
#include "widgets/icons.h"
#include "widgets/numedit.h"
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QToolButton>

namespace {

const int ColumnWidths[ActivityModel::ColCount] = {171, 87, 41, 66, 67, 119};

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
