// The life-in-weeks window: its rows, what a week says, the keyboard and legend, the exports.
#include "calc/tablerow.h"
#include "calc/conversionerror.h"
#include "calc/lookahead.h"
#include "results/frmweeks.h"
#include "results/weekview.h"
#include "support/testsupport.h"
#include "tables/activitymodel.h"
#include "widgets/contrast.h"
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPalette>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QPrinter>
#include <QScopeGuard>
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
        // The entry shown alone is the one a screen reader hears as selected.
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(legend);
        QVERIFY(list->child(1)->state().selected);
        QVERIFY(!list->child(0)->state().selected);
        // Moving along the legend selects nothing; only what is shown alone is selected.
        QTest::keyClick(legend, Qt::Key_Down);
        QVERIFY(list->child(1)->state().selected);
        QVERIFY(!list->child(2)->state().selected);
        QTest::keyClick(legend, Qt::Key_Up);
        QTest::keyClick(legend, Qt::Key_Space);
        QVERIFY(!list->child(1)->state().selected);

        // Every week column is named by its header.
        QAccessibleTableCellInterface *cell =
            QAccessible::queryAccessibleInterface(grid)->tableInterface()->cellAt(3, 5)->tableCellInterface();
        // The header cells are made for the caller; registering hands them to Qt, which deletes them.
        const QList<QAccessibleInterface *> columnHeaders = cell->columnHeaderCells();
        const QList<QAccessibleInterface *> rowHeaders = cell->rowHeaderCells();
        const QString column = columnHeaders.value(0)->text(QAccessible::Name);
        const QString row = rowHeaders.value(0)->text(QAccessible::Name);
        for (QAccessibleInterface *header : columnHeaders + rowHeaders)
            QAccessible::deleteAccessibleInterface(QAccessible::registerAccessibleInterface(header));
        QCOMPARE(column, QStringLiteral("Week 6"));
        QCOMPARE(row, QStringLiteral("Age 3"));

        // Main activity by default; All hours is the other choice.
        QCOMPARE(window.model().look(), WeekLook::MainActivity);
        window.findChild<QComboBox *>(QStringLiteral("cbLook"))->setCurrentIndex(1);
        QCOMPARE(window.model().look(), WeekLook::AllHours);
    }

    void titles_data()
    {
        QTest::addColumn<int>("age");
        QTest::addColumn<QString>("subtitle");
        QTest::newRow("to 80") << 80 << "Ages 0 to 79, a row a year.";
        QTest::newRow("to 30, before today") << 30 << "Ages 0 to 29, a row a year. Drawn to age 30, before today.";
        QTest::newRow("to 41, this year") << 41 << "Ages 0 to 40, a row a year.";
    }
    void titles()
    {
        QFETCH(int, age);
        TfrmWeeks window(TfrmWeeks::weeksOf(m_hours, Birth, age));
        window.setPerson(QStringLiteral(" Ann Lee "), Birth);
        QCOMPARE(window.title(), QStringLiteral("Life in Weeks \u2014 Ann Lee, born 3/15/1986"));
        QTEST(window.subtitle(), "subtitle");
        QCOMPARE(window.model().rowCount(), age);
    }

    void bands_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("week");
        QTest::addColumn<int>("activity");
        QTest::addColumn<int>("alone");
        QTest::addColumn<double>("bottom");
        QTest::addColumn<double>("height");
        // Age 17: Sleep 56 h, School 30 h, Guitar 3 h of 168; age 13's week 51 has 9 days.
        // clang-format off
        QTest::newRow("first from the bottom") << 17 << 0 << 0 << -1 << 0.0 << 56.0 / 168;
        QTest::newRow("stacked on those before") << 17 << 0 << 2 << -1 << 86.0 / 168 << 3.0 / 168;
        QTest::newRow("nine-day week against its 216 hours") << 13 << 51 << 0 << -1 << 0.0 << 90.0 / 216;
        QTest::newRow("alone, against its busiest week") << 17 << 0 << 1 << 1 << 0.0 << 1.0;
        QTest::newRow("alone hides the others") << 17 << 0 << 0 << 1 << 0.0 << 0.0;
        // clang-format on
    }
    void bands()
    {
        QFETCH(int, year);
        QFETCH(int, week);
        QFETCH(int, activity);
        QFETCH(int, alone);
        const LifeWeeks weeks = TfrmWeeks::weeksOf(m_hours, Birth, 80);
        QCOMPARE(weeks.days(13, 51), 9);
        const WeekBand band = weekBand(weeks, year, week, activity, alone, 30.0 / 7);
        QFETCH(double, bottom);
        QFETCH(double, height);
        QVERIFY(qAbs(band.bottom - bottom) < 1e-9);
        QVERIFY2(qAbs(band.height - height) < 1e-9, qPrintable(QString::number(band.height)));
    }

    void overfullDrawnInProportion()
    {
        ActivityModel hours{TableKind::Hours};
        hours.setRowTexts(1, {"Sleep", "10 Hrs", "Day", "3/15/1986", "Now", ""});
        hours.setRowTexts(2, {"Work", "16 Hrs", "Day", "3/15/2000", "3/15/2001", ""});
        const LifeWeeks weeks = TfrmWeeks::weeksOf(hours, Birth, 80);
        QVERIFY(isOverfull(weeks, 14, 3));
        QVERIFY(!isOverfull(weeks, 15, 3));
        QVERIFY(qAbs(weekBand(weeks, 14, 3, 1, -1, 0).bottom - 10.0 / 26) < 1e-9);
        QVERIFY(qAbs(weekBand(weeks, 14, 3, 1, -1, 0).height - 16.0 / 26) < 1e-9);
    }

    void paperTurnsToFit_data()
    {
        QTest::addColumn<int>("age");
        QTest::addColumn<bool>("landscape");
        QTest::newRow("a long life stands") << 90 << false;
        QTest::newRow("thirty years lie") << 30 << true;
    }
    void paperTurnsToFit()
    {
        QFETCH(int, age);
        QFETCH(bool, landscape);
        TfrmWeeks window(TfrmWeeks::weeksOf(m_hours, Birth, age));
        const QSize size = window.imageSize(QPageSize(QPageSize::A2));
        QCOMPARE(size.width() > size.height(), landscape);
        QCOMPARE(std::max(size.width(), size.height()), 7016);
    }

    void eventsFromOnceRows()
    {
        ActivityModel money{TableKind::Money};
        money.setRowTexts(1, {"Car", "$24,500.00", "Once", "5/5/2012", "Now", ""});
        money.setRowTexts(2, {"Rent", "$900.00", "Month", "1/1/2010", "1/1/2015", ""});
        money.setRowTexts(3, {"Bad", "$x", "Once", "5/5/2012", "Now", ""});
        ActivityModel frequency{TableKind::Frequency};
        frequency.setRowTexts(1, {"Move", "1", "Once", "2/29/2016", "Now", ""});
        frequency.setRowTexts(2, {"Party", "3", "Once", "3/20/2016", "Now", ""});
        const LifeWeeks weeks = TfrmWeeks::weeksOf(m_hours, Birth, 80, &money, &frequency);
        QCOMPARE(weeks.events().size(), 3);
        QCOMPARE(weeks.description(26, 7),
                 QStringLiteral("Week of 5/3/2012, age 26: Sleep 56 h \u00b7 Car $24,500.00"));
        QVERIFY(weeks.description(29, 50).endsWith(QStringLiteral("Sleep 56 h \u00b7 Move")));
        QVERIFY(weeks.description(30, 0).endsWith(QStringLiteral("Sleep 56 h \u00b7 Party \u00d73")));
    }

    void fiftyActivities()
    {
        // On a laptop's screen the legend wraps into columns and shows every entry.
        ActivityModel hours{TableKind::Hours};
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

        // Long names on a smaller screen: the window stays on it, its buttons within reach.
        for (int row = 1; row <= 50; ++row)
            hours.setRowTexts(row, {QStringLiteral("Activity number %1 with a long name").arg(row), "1 Hrs", "Week",
                                    "1/1/2000", "Now", ""});
        TfrmWeeks small(TfrmWeeks::weeksOf(hours, Birth, 80));
        small.fitTo(QSize(1093, 614));
        QVERIFY2(small.width() <= 1093, qPrintable(QString::number(small.width())));

        // Every swatch stands out 3:1 on paper and on a dark window, and no two are the same.
        QSet<QRgb> seen;
        for (int a = 0; a < 50; ++a) {
            const QColor colour = weekColour(a);
            QVERIFY2(contrastRatio(colour, Qt::white) >= 3, qPrintable(colour.name()));
            QVERIFY2(contrastRatio(colour, QColor(0x35, 0x35, 0x35)) >= 3, qPrintable(colour.name()));
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
        // A dark desktop: the files and paper are light all the same.
        const QPalette light = QApplication::palette();
        QPalette dark(QColor(0x35, 0x35, 0x35));
        dark.setColor(QPalette::Base, QColor(0x2d, 0x2d, 0x2d));
        QApplication::setPalette(dark);
        const auto restore = qScopeGuard([&light] { QApplication::setPalette(light); });
        TfrmWeeks window(TfrmWeeks::weeksOf(m_hours, Birth, 90));
        window.setPerson(QStringLiteral("Ann Lee"), Birth);
        QTemporaryDir dir;
        const QString png = dir.filePath(QStringLiteral("weeks.png"));
        const QString svg = dir.filePath(QStringLiteral("weeks.svg"));
        window.setPaper(QPageSize(QPageSize::A4));
        window.saveImage(png);
        window.saveImage(svg);
        const QImage image(png);
        QCOMPARE(image.size(), QSize(2480, 3508));
        QCOMPARE(image.pixelColor(10, 10), QColor(Qt::white));
        window.setPaper(QPageSize(QPageSize::A3));
        QCOMPARE(window.imageSize(QPageSize(QPageSize::A3)), QSize(3508, 4961));
        QFile file(svg);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("<svg"));

        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A3));
        const QString pdf = dir.filePath(QStringLiteral("weeks.pdf"));
        printer.setOutputFileName(pdf);
        QVERIFY(window.printOn(printer));
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);
        // Shapes, not a picture of the screen: small, and without an image in it.
        QFile out(pdf);
        QVERIFY(out.open(QIODevice::ReadOnly));
        const QByteArray bytes = out.readAll();
        QVERIFY2(bytes.size() < 1000000, qPrintable(QString::number(bytes.size())));
        QVERIFY(!bytes.contains("/Subtype /Image"));

        // Weeks with nothing entered are squares on paper too, as in the legend.
        const ActivityModel none{TableKind::Hours};
        TfrmWeeks empty(TfrmWeeks::weeksOf(none, Birth, 90));
        empty.setPaper(QPageSize(QPageSize::A4));
        empty.saveImage(png);
        const QImage blank = QImage(png).convertToFormat(QImage::Format_RGB32);
        qsizetype grey = 0;
        for (int y = 0; y < blank.height(); ++y)
            for (int x = 0; x < blank.width(); ++x)
                grey += blank.pixel(x, y) == qRgb(0xc8, 0xc8, 0xc8);
        QVERIFY2(grey > 200000, qPrintable(QString::number(grey)));
    }

private:
    ActivityModel m_hours{TableKind::Hours};
};

QTEST_MAIN(TestFrmWeeks)
#include "tst_frmweeks.moc"
