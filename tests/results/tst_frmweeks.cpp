// The life-in-weeks window: its rows, what a week says, the keyboard and legend, the exports.
#include "calc/conversionerror.h"
#include "calc/lookahead.h"
#include "results/frmweeks.h"
#include "results/weekview.h"
#include "support/testsupport.h"
#include "tables/activitymodel.h"
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QPrinter>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using testsupport::ymdValue;

namespace {
const QString Birth = QStringLiteral("3/15/1986");

void fill(ActivityModel &hours)
{
    const QList<QStringList> rows{
        {"Sleep", "10 Hrs", "Day", "3/15/1986", "3/15/2000", ""},
        {"School", "30 Hrs", "Week", "9/1/1992", "6/30/2004", ""},
        {"Sleep", "8 Hrs", "Day", "3/15/2000", "Now", ""},
        {"Guitar", "3 Hrs", "Week", "1/1/2001", "1/1/2006", ""},
    };
    for (int i = 0; i < rows.size(); ++i)
        hours.setRowTexts(i + 1, rows[i]);
}
} // namespace

class TestFrmWeeks : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        testsupport::resetSharedState();
        testsupport::fixClock(2026, 12, 10, 9);
        fill(m_hours);
    }
    void cleanup() { testsupport::resetSharedState(); }

    void activitiesByName()
    {
        const LookAhead ahead = *lookAheadOf(Birth, 80);
        const QVector<WeekActivity> activities = WeekModel::activitiesOf(m_hours, ahead);
        QCOMPARE(activities.size(), 3);
        QCOMPARE(activities[0].name, QStringLiteral("Sleep"));
        QCOMPARE(activities[0].loads.size(), 2);
        // Still going on: to the 80th birthday, 8 hours a day.
        QCOMPARE(activities[0].loads[1].to, ymdValue(2066, 3, 15));
        QVERIFY(qAbs(activities[0].loads[1].minutesPerDay - 480) < 1e-9);
        QCOMPARE(activities[2].name, QStringLiteral("Guitar"));
    }

    void windowShowsEveryYear()
    {
        TfrmWeeks window(TfrmWeeks::weeksOf(m_hours, Birth, 80));
        auto *grid = window.findChild<TWeekView *>(QStringLiteral("gridWeeks"));
        QVERIFY(grid);
        QCOMPARE(grid->model()->rowCount(), 80);
        QCOMPARE(grid->model()->columnCount(), 52);
        window.fitTo(QSize(1280, 1024));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(!grid->verticalScrollBar()->isVisible());
        QVERIFY(!grid->horizontalScrollBar()->isVisible());
        QCOMPARE(window.windowTitle(), QStringLiteral("Life in Weeks"));

        // Home is today's week; its neighbours are reached with the arrows.
        QCOMPARE(grid->currentIndex(), grid->model()->index(40, 38));
        QTest::keyClick(grid, Qt::Key_Right);
        QCOMPARE(grid->currentIndex().data(Qt::AccessibleTextRole).toString(),
                 QStringLiteral("Week of 12/13/2026, age 40, ahead: Sleep 56 h"));
        QTest::keyClick(grid, Qt::Key_Up);
        QTest::keyClick(grid, Qt::Key_Home);
        QCOMPARE(grid->currentIndex(), grid->model()->index(40, 38));
        QCOMPARE(grid->model()->index(17, 0).data(Qt::ToolTipRole).toString(),
                 QStringLiteral("Week of 3/15/2003, age 17: Sleep 56 h, School 30 h, Guitar 3 h"));
        QCOMPARE(grid->model()->headerData(39, Qt::Horizontal, Qt::AccessibleTextRole).toString(), "Week 40");
        QCOMPARE(grid->model()->index(0, 0).data(Qt::AccessibleTextRole).toString(),
                 QStringLiteral("Week of 3/15/1986, age 0: Sleep 70 h"));

        // A legend entry shows its activity alone; again, all.
        auto *legend = window.findChild<QListWidget *>(QStringLiteral("lstLegend"));
        QCOMPARE(legend->count(), 3);
        QTest::mouseClick(legend->viewport(), Qt::LeftButton, {}, legend->visualItemRect(legend->item(1)).center());
        QCOMPARE(window.model().highlighted(), 1);
        QCOMPARE(window.model().highlightedPeak(), 30.0 / 7);
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Tab);
        QCOMPARE(window.focusWidget(), legend);
        legend->setCurrentRow(1);
        QTest::keyClick(legend, Qt::Key_Return);
        QCOMPARE(window.model().highlighted(), -1);
        QTest::keyClick(legend, Qt::Key_Space);
        QCOMPARE(window.model().highlighted(), 1);
    }

    void fiftyActivities()
    {
        // On a laptop's screen the legend wraps into columns and shows every entry.
        ActivityModel hours{QSet<int>{ActivityModel::Total}};
        for (int row = 1; row <= 50; ++row)
            hours.setRowTexts(row, {QStringLiteral("Activity %1").arg(row), "1 Hrs", "Week", "1/1/2000", "Now", ""});
        TfrmWeeks window(TfrmWeeks::weeksOf(hours, Birth, 80));
        window.fitTo(QSize(1366, 700));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *legend = window.findChild<QListWidget *>(QStringLiteral("lstLegend"));
        QCOMPARE(legend->count(), 50);
        for (int row = 0; row < legend->count(); ++row)
            QVERIFY2(legend->viewport()->rect().contains(legend->visualItemRect(legend->item(row))),
                     qPrintable(legend->item(row)->text()));

        QSet<QRgb> seen;
        for (int a = 0; a < 50; ++a) {
            const QColor colour = weekColour(a);
            QVERIFY2(colour.lightnessF() >= 0.34 && colour.lightnessF() <= 0.82, qPrintable(colour.name()));
            seen.insert(colour.rgb());
        }
        QCOMPARE(seen.size(), 50);
    }

    void badBirthDateOpensNothing()
    {
        QVERIFY_THROWS_EXCEPTION(ConversionError, TfrmWeeks::weeksOf(m_hours, QStringLiteral("3/32/1986"), 80));
    }

    void exports()
    {
        TfrmWeeks window(TfrmWeeks::weeksOf(m_hours, Birth, 80));
        window.fitTo(QSize(1280, 1024));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTemporaryDir dir;
        const QString png = dir.filePath(QStringLiteral("weeks.png"));
        const QString svg = dir.filePath(QStringLiteral("weeks.svg"));
        window.saveImage(png);
        window.saveImage(svg);
        const QImage image(png);
        const qreal ratio = window.devicePixelRatioF();
        QCOMPARE(image.size(), window.picture()->size() * ratio);
        QFile file(svg);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("<svg"));

        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = dir.filePath(QStringLiteral("weeks.pdf"));
        printer.setOutputFileName(pdf);
        QVERIFY(window.printOn(printer));
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);
        QVERIFY(QFileInfo(pdf).size() > 1000);
    }

private:
    ActivityModel m_hours{QSet<int>{ActivityModel::Total}};
};

QTEST_MAIN(TestFrmWeeks)
#include "tst_frmweeks.moc"
