// The results taken elsewhere from the windows: Ctrl+C and "Export as CSV…" in the tables, "Save
// image…" in the chart window, and a settings file named on the command line.
#include "app/frmmain.h"
#include "calc/localesettings.h"
#include "guisupport.h"
#include "results/frmgraph.h"
#include "results/frmweeks.h"
#include "results/printerchoice.h"
#include "settings/settingsfile.h"
#include "tables/activitymodel.h"
#include "tables/tablecolumns.h"
#include "tables/tableexport.h"
#include "widgets/savefilechoice.h"
#include <QChartView>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QtTest>
#include <memory>

using namespace testsupport;

namespace {
QStringList row(const QString &activity)
{
    return {activity,
            QStringLiteral("8 Hrs"),
            QStringLiteral("Day"),
            QStringLiteral("1/1/2020"),
            QStringLiteral("1/11/2020"),
            QString()};
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class TestExport : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WindowTestScope> m_scope;
    QStringList m_suggested;

    // Answers the save dialog with `path` (empty: cancel), noting the suggested file names.
    void answerSaveDialog(const QString &path)
    {
        SaveFileChoice::setAnswer([this, path](const QString &, const QString &suggested) {
            m_suggested.append(QFileInfo(suggested).fileName());
            return path;
        });
    }

    // The main window shown and active on `page`, with rows in the hours and money tables.
    static void openOnPage(TfrmMain &w, int page)
    {
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.hoursModel().setRowTexts(1, row(QStringLiteral("Sleeping")));
        w.hoursModel().setRowTexts(2, row(QStringLiteral("=Eating, \"fast\"")));
        w.moneyModel().setRowTexts(1, row(QStringLiteral("Rent")));
        for (int p = TfrmMain::Intro; p < page; ++p)
            click(&w, "btNext");
        QCOMPARE(w.currentPage(), page);
    }

private slots:
    void init()
    {
        m_scope = std::make_unique<WindowTestScope>();
        m_suggested.clear();
    }
    void cleanup()
    {
        SaveFileChoice::setAnswer({});
        m_scope.reset();
    }

    void windowAndExportsAgreeOnColumns()
    {
        TfrmMain w;
        w.show();
        const struct {
            const char *grid;
            TableKind kind;
        } tables[] = {
            {"gridHours", TableKind::Hours}, {"gridMoney", TableKind::Money}, {"gridFreq", TableKind::Frequency}};
        for (const auto &t : tables) {
            auto *grid = child<QTableView>(&w, t.grid);
            QStringList titles;
            for (int col = 0; col < ActivityModel::ColCount; ++col) {
                QCOMPARE(grid->columnWidth(col), ColumnPixels[col]);
                titles.append(grid->model()->headerData(col, Qt::Horizontal).toString());
            }
            QCOMPARE(titles, columnTitles(t.kind));
        }
    }

    void ctrlCCopiesTheSelectedRowOrTheTable()
    {
        TfrmMain w;
        openOnPage(w, TfrmMain::Hours);
        auto *grid = child<QTableView>(&w, "gridHours");
        grid->setFocus();
        grid->selectRow(1);
        QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), tableexport::tabSeparated(w.hoursModel(), {2}));
        QCOMPARE(QGuiApplication::clipboard()->mimeData()->html(), tableexport::htmlTable(w.hoursModel(), {2}));
        QGuiApplication::clipboard()->clear();
        w.sortMenu()->actions()[4]->trigger(); // the right-click menu's Copy
        QCOMPARE(QGuiApplication::clipboard()->text(), tableexport::tabSeparated(w.hoursModel(), {2}));

        grid->clearSelection();
        QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text().count(QLatin1Char('\n')), 3);

        // Several rows, and with Ctrl+A the whole table, though one row is always current.
        for (int r = 3; r <= 50; ++r)
            w.hoursModel().setRowTexts(r, row(QStringLiteral("Row %1").arg(r)));
        grid->selectRow(0);
        QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), tableexport::tabSeparated(w.hoursModel(), {1, 2}));
        QTest::keyClick(grid, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text().count(QLatin1Char('\n')), 51);
    }

    void exportAsCsvEndsTheSortMenu()
    {
        const QString path = m_scope->folder().file(QStringLiteral("money.csv"));
        answerSaveDialog(path);
        TfrmMain w;
        const QList<QAction *> items = w.sortMenu()->actions();
        QCOMPARE(items.size(), 6);
        QVERIFY(items[3]->isSeparator());
        QCOMPARE(items[4]->text(), QStringLiteral("Copy"));
        QCOMPARE(items[4]->shortcut(), QKeySequence(QKeySequence::Copy));
        QCOMPARE(items[5]->text(), QStringLiteral("Export as CSV…"));
        openOnPage(w, TfrmMain::Dollars);
        // Ctrl+E from the page's buttons as well as from its table.
        child<QPushButton>(&w, "btAdd2")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(m_suggested, QStringList{QStringLiteral("lifetally-money.csv")});
        QCOMPARE(contents(path),
                 tableexport::csv(w.moneyModel(), tableexport::CsvStyle::regional(LocaleSettings::current())));
        QVERIFY(Prompts::shown().isEmpty());
    }

    void failedExportSaysSoAndLeavesNoFile()
    {
        const QString path = m_scope->folder().file(QStringLiteral("missing/hours.csv"));
        answerSaveDialog(path);
        TfrmMain w;
        openOnPage(w, TfrmMain::Hours);
        w.sortMenu()->actions().last()->trigger();
        QCOMPARE(promptTexts(),
                 QStringList{QStringLiteral("Unable to write to %1: The folder %2 does not exist.")
                                 .arg(path, m_scope->folder().file(QStringLiteral("missing")))});
        QVERIFY(!QFile::exists(path));

        // Cancelling the dialog writes nothing and says nothing.
        Prompts::clearShown();
        answerSaveDialog(QString());
        w.sortMenu()->actions().last()->trigger();
        QVERIFY(Prompts::shown().isEmpty());
    }

    // The export dialog's answer that would replace the entries is refused, naming both files.
    void exportOverTheEntriesIsRefused()
    {
        const QString ini = m_scope->settingsPath();
        TfrmMain w;
        openOnPage(w, TfrmMain::Hours);
        answerSaveDialog(ini + QStringLiteral(".bak"));
        w.sortMenu()->actions().last()->trigger();
        QCOMPARE(promptTexts(), QStringList{QStringLiteral("The file %1.bak is the settings file's backup %1.bak; "
                                                           "choose another name. Nothing was written.")
                                                .arg(ini)});
        QVERIFY(!QFile::exists(ini + QStringLiteral(".bak")));
    }

    // The print dialog's "Print to file" onto the entries is refused as the export dialogs refuse it.
    void printToFileOverTheEntriesIsRefused_data()
    {
        QTest::addColumn<QString>("output"); // beside the settings file
        QTest::addColumn<QString>("found");
        QTest::newRow("the settings file") << "lfy.ini" << "the settings file @lfy.ini";
        QTest::newRow("its backup") << "lfy.ini.bak" << "the settings file's backup @lfy.ini.bak";
        QTest::newRow("a link to it") << "report.pdf" << "the settings file @lfy.ini";
    }
    void printToFileOverTheEntriesIsRefused()
    {
        QFETCH(QString, output);
        QFETCH(QString, found);
        const QByteArray entries = "[Name]\nname=Ann\n";
        m_scope->writeSettings(entries);
        const QString path = m_scope->folder().file(output);
        QVERIFY(QFile::link(m_scope->settingsPath(), m_scope->folder().file(QStringLiteral("report.pdf"))));
        PrinterChoice::setAnswer([&](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            return true;
        });
        TfrmMain w;
        openOnPage(w, TfrmMain::Graphs);
        click(&w, "btReport");
        PrinterChoice::setAnswer({});
        QCOMPARE(promptTexts(), QStringList{QStringLiteral("The file %1 is %2; choose another name. Nothing was written.")
                                                .arg(path, found.replace(QLatin1Char('@'), m_scope->folder().path()))});
        QCOMPARE(m_scope->readSettings(), entries);
        QVERIFY(!QFile::exists(m_scope->settingsPath() + QStringLiteral(".bak")));
    }

    void saveImageBySuffix_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("PNG") << QStringLiteral("chart.png");
        QTest::newRow("SVG") << QStringLiteral("chart.SVG");
    }
    void saveImageBySuffix()
    {
        QFETCH(QString, name);
        const QString path = m_scope->folder().file(name);
        answerSaveDialog(path);
        TfrmGraph graph;
        graph.setTitle(QStringLiteral("Hours spent for Ann"));
        graph.setPoints({{30, QStringLiteral("Sleeping"), 0x0000FF}, {10, QStringLiteral("Eating"), 0x00FF00}});
        graph.resize(700, 500);
        graph.show();
        QVERIFY(QTest::qWaitForWindowExposed(&graph));
        // Left of Print, clear of "Reduce # visible points", which keeps its place.
        auto *save = child<QPushButton>(&graph, "btSaveImage");
        // Its caption whole in any face: as wide as it needs, its right edge where a 75-pixel button's was.
        QCOMPARE(save->geometry().right(), 700 - 240 + 74);
        QVERIFY(save->width() >= qMax(75, save->fontMetrics().horizontalAdvance(save->text()) + 8));
        QVERIFY(!save->geometry().intersects(child<QWidget>(&graph, "SpeedButton1")->geometry()));
        save->click();
        QCOMPARE(m_suggested, QStringList{QStringLiteral("lifetally-chart.png")});
        const QByteArray data = contents(path);
        if (name.endsWith(QLatin1String(".png"))) {
            const QImage image = QImage::fromData(data, "PNG");
            auto *view = child<QWidget>(&graph, "Chart1");
            QCOMPARE(image.size(), view->size() * view->devicePixelRatio());
        } else {
            QVERIFY(data.contains("<svg"));
            QVERIFY(data.contains("<title>Hours spent for Ann</title>"));
        }
        QVERIFY(Prompts::shown().isEmpty());
    }

    // One file by age 50, its rows ending after that birthday: the chart's "By age" title and
    // slices, the Results line, the CSV column and the weeks grid agree.
    void byAgeFiguresAgree()
    {
        fixClock(2026, 12, 10, 14);
        m_scope->writeSettings(
            "[DOB]\nDate=3/15/1986\n[Name]\nname=Pat\n[Projection]\nAge=50\n[Hours]\nCount=2\n"
            "[Hour1]\nDesc=Work\nHrMin=40 Hrs\nPer=Week\nStart=9/1/2008\nEnd=3/31/2051\n"
            "[Hour2]\nDesc=Kids\nHrMin=5 Hrs\nPer=Week\nStart=9/1/2020\nEnd=6/30/2038\n[Money]\nCount=1\n"
            "[Money1]\nDesc=Mortgage\nAmount=$1,800.00\nPer=Month\nStart=6/1/2015\nEnd=6/1/2045\n");
        TfrmMain w;
        w.show();
        for (int p = TfrmMain::Intro; p < TfrmMain::Graphs; ++p)
            click(&w, "btNext");
        QMap<QString, double> csv, chart; // the CSV's last column and the slices, by activity
        for (const QString &line : QString::fromUtf8(tableexport::csvAll(w.hoursModel(), w.moneyModel(), w.freqModel()))
                                       .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)
                                       .mid(1))
            csv[line.section(QLatin1Char(','), 1, 1)] = line.section(QLatin1Char(','), -1).toDouble();
        QCOMPARE(csv, (QMap<QString, double>{{"Work", 57469}, {"Kids", 4053}, {"Mortgage", 450000}}));
        QCOMPARE(child<QLabel>(&w, "lblByAge")->text(), "By age 50 at this pace: 61,522 hours and $450,000 spent");
        answerNextDialog([&](QDialog *dialog) {
            child<QCheckBox>(dialog, "cbByAge")->setChecked(true);
            QCOMPARE(static_cast<TfrmGraph *>(dialog)->title(),
                     "Hours spent for Pat  Age: 50 years  Hours: 438,312  By age 50");
            for (const ChartPoint &p : static_cast<TfrmGraph *>(dialog)->points())
                chart[p.label] = p.value;
        });
        click(&w, "btGrHour");
        QCOMPARE(chart, (QMap<QString, double>{{"Other", 438312 - 61522}, {"Work", 57469}, {"Kids", 4053}}));
        const LifeWeeks weeks = TfrmWeeks::weeksOf(w.hoursModel(), QStringLiteral("3/15/1986"), 50);
        for (int a = 0; a < weeks.activityCount(); ++a) {
            double sum = 0;
            for (int y = 0; y < weeks.years() * WeeksPerYear; ++y)
                sum += weeks.hours(y / WeeksPerYear, y % WeeksPerYear, a);
            QCOMPARE(std::round(sum), csv.value(weeks.names().at(a)));
        }
    }

    void chosenSettingsFileIsWrittenAtClose()
    {
        const QString chosen = m_scope->folder().file(QStringLiteral("pat.ini"));
        setSettingsFilePath(chosen);
        TfrmMain w;
        w.show();
        click(&w, "btClose");
        QVERIFY(QFile::exists(chosen));
        QVERIFY(!QFile::exists(m_scope->settingsPath()));
    }
};

QTEST_MAIN(TestExport)
#include "tst_export.moc"
