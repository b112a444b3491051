// Start-up reference: the main window's widget tree with none of the program's logic. A page stack
// of six pages, three tables of 50 rows under a title row of six columns at the program's column
// widths, the four navigation buttons, and Qt Charts linked in. The tables stay empty, as reading
// the settings file and computing the totals is the program's own work the comparison is about.
// With --first-page the first page shows what the program's does, its title and introduction in
// the program's faces: the cost of drawing that frame, which no change to the program can save.
#include "widgets/exitafterfirstpaint.h"
#include "widgets/fonts.h"

#include <QApplication>
#include <QChart>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTableView>
#include <QWidget>
#include <cstring>

namespace {
const int ColumnWidths[6] = {171, 87, 41, 66, 67, 119};

QWidget *tablePage(QObject *owner)
{
    auto *page = new QWidget;
    auto *model = new QStandardItemModel(50, 6, owner);
    model->setHorizontalHeaderLabels({QStringLiteral("Activity"), QStringLiteral("Time"), QStringLiteral("Per"),
                                      QStringLiteral("Start date"), QStringLiteral("End date"),
                                      QStringLiteral("Total Hrs")});
    auto *grid = new QTableView(page);
    grid->setModel(model);
    grid->setGeometry(8, 49, 577, 263);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(21);
    grid->horizontalHeader()->setFixedHeight(21);
    for (int col = 0; col < 6; ++col)
        grid->setColumnWidth(col, ColumnWidths[col]);
    int x = 238;
    for (const char *text : {"Sort", "Add", "Edit", "Delete"}) {
        auto *b = new QPushButton(QLatin1String(text), page);
        b->setGeometry(x, 320, 75, 25);
        x += 88;
    }
    return page;
}

QWidget *labelPage(const QString &text)
{
    auto *page = new QWidget;
    auto *label = new QLabel(text, page);
    label->setGeometry(40, 100, 510, 240);
    return page;
}

// The program's first page, as its window file and set-up make it.
QWidget *firstPage()
{
    auto *page = new QWidget;
    auto *title = new QLabel(QStringLiteral("Lifetally"), page);
    title->setGeometry(0, 16, 590, 64);
    title->setAlignment(Qt::AlignCenter);
    QFont decorative(QStringLiteral("Algerian"));
    decorative.setStyleHint(QFont::Decorative);
    decorative.setFamilies(installedFamilies({QStringLiteral("Algerian"), QStringLiteral("URW Chancery L"),
                                              QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman")}));
    decorative.setPixelSize(48);
    decorative.setBold(true);
    decorative.setItalic(true);
    title->setFont(decorative);
    auto *intro = new QLabel(
        QStringLiteral("How much of your life have you spent at work, asleep, in front of the television or on the "
                       "road? How much money has gone on rent, cars or coffee? Lifetally adds it up for you.\n\n"
                       "On the next pages you enter a few facts about yourself, then the things you spend time on, "
                       "the things you spend money on and the things you do regularly: how much, how often, and "
                       "since when.\n\n"
                       "Lifetally works out the lifetime total of every activity and its share of your life or your "
                       "income, draws them as charts and prints a report.  Press Next to begin."),
        page);
    intro->setGeometry(40, 100, 510, 240);
    intro->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    intro->setWordWrap(true);
    return page;
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Keeps Qt Charts a real dependency, loaded and relocated at start-up as the program's is.
    const QMetaObject *volatile charts = &QChart::staticMetaObject;
    (void)charts;

    const bool samePage = argc > 1 && std::strcmp(argv[1], "--first-page") == 0;
    QWidget window;
    window.setFixedSize(610, 416);
    if (samePage)
        window.setFont(sansFont(11));
    auto *stack = new QStackedWidget(&window);
    stack->setGeometry(11, 11, 590, 361);
    stack->addWidget(samePage ? firstPage() : labelPage(QStringLiteral("Introduction")));
    stack->addWidget(labelPage(QStringLiteral("Biography")));
    for (int i = 0; i < 3; ++i)
        stack->addWidget(tablePage(&window));
    stack->addWidget(labelPage(QStringLiteral("Results")));
    int x = 264;
    for (const char *text : {"<<&Prev", "&Next>>", "&About", "Close"}) {
        auto *b = new QPushButton(QLatin1String(text), &window);
        b->setGeometry(x, 384, 75, 25);
        x += 88;
    }

    ExitAfterFirstPaint exit;
    exit.watch(&window);
    window.show();
    return app.exec();
}
