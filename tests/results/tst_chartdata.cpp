// Chart points from the total cells of a table, chart titles and the colour table.
#include "calc/conversionerror.h"
#include "results/chartdata.h"
#include "support/testsupport.h"
#include "tables/activitymodel.h"
#include "tables/activitytotals.h"
#include <QTest>
#include <algorithm>

namespace {
using Totals = QStringList; // total cells of rows 1, 2, ...

void fill(ActivityModel &table, const Totals &totals)
{
    for (int i = 0; i < totals.size(); ++i) {
        table.setCell(i + 1, 0, QStringLiteral("Activity %1").arg(i + 1));
        table.setCell(i + 1, 5, totals[i]);
    }
}

ChartColours numberedColours()
{
    ChartColours colours;
    for (std::size_t i = 0; i < colours.size(); ++i)
        colours[i] = 0x010000u * static_cast<quint32>(i) + 0x42;
    return colours;
}

QString describe(const QVector<ChartPoint> &points)
{
    QStringList parts;
    for (const ChartPoint &p : points)
        parts.append(
            QStringLiteral("%1=%2#%3").arg(p.label).arg(p.value, 0, 'f', 2).arg(p.colour, 6, 16, QLatin1Char('0')));
    return parts.join(QLatin1Char(' '));
}
} // namespace

class TestChartData : public QObject
{
    Q_OBJECT
private slots:
    void init() { testsupport::resetSharedState(); }
    void cleanup() { testsupport::resetSharedState(); }

    void points_data()
    {
        QTest::addColumn<Totals>("totals");
        QTest::addColumn<double>("reference");
        QTest::addColumn<QString>("expected");

        QTest::newRow("hours below hours alive: Other first, white")
            << Totals{QStringLiteral("1,000 (10.00%)"), QStringLiteral("2,000 (20.00%)")} << 10000.0
            << QStringLiteral("Other=7000.00#ffffff Activity 1=1000.00#000042 Activity 2=2000.00#010042");
        QTest::newRow("rows summing to the reference: no Other")
            << Totals{QStringLiteral("6,000"), QStringLiteral("4,000")} << 10000.0
            << QStringLiteral("Activity 1=6000.00#000042 Activity 2=4000.00#010042");
        QTest::newRow("overlapping rows above the reference: no Other")
            << Totals{QStringLiteral("9,000"), QStringLiteral("4,000")} << 10000.0
            << QStringLiteral("Activity 1=9000.00#000042 Activity 2=4000.00#010042");
        QTest::newRow("money with income 0: no Other")
            << Totals{QStringLiteral("$1,500 (0.00%)")} << 0.0 << QStringLiteral("Activity 1=1500.00#000042");
        QTest::newRow("zero row keeps the colour index of the next")
            << Totals{QStringLiteral("10"), QStringLiteral("0 (0.00%)"), QStringLiteral("30")} << 0.0
            << QStringLiteral("Activity 1=10.00#000042 Activity 3=30.00#020042");
        QTest::newRow("separators, currency and percentage ignored")
            << Totals{QStringLiteral("$1,234,567 (12.50%)"), QStringLiteral("2,345.5 (3.45%)")} << 0.0
            << QStringLiteral("Activity 1=1234567.00#000042 Activity 2=2345.50#010042");
        QTest::newRow("all zero: empty chart")
            << Totals{QStringLiteral("0"), QStringLiteral("0 (0.00%)")} << 100.0 << QString();
    }
    void points()
    {
        QFETCH(Totals, totals);
        QFETCH(double, reference);
        QFETCH(QString, expected);
        ActivityModel table(TableKind::Hours);
        fill(table, totals);
        QCOMPARE(describe(chartPoints(table, computeSubTotal(table), reference, numberedColours())), expected);
    }

    void gapInTableKeepsRowColours()
    {
        // A settings file may leave a blank row inside the table.
        ActivityModel table(TableKind::Hours);
        table.setCell(1, 0, QStringLiteral("First"));
        table.setCell(1, 5, QStringLiteral("5"));
        table.setCell(3, 0, QStringLiteral("Third"));
        table.setCell(3, 5, QStringLiteral("7"));
        QCOMPARE(describe(chartPoints(table, 0, 0, numberedColours())),
                 QStringLiteral("First=5.00#000042 Third=7.00#020042"));
    }

    void lastRowTakesLastColour()
    {
        ActivityModel table(TableKind::Hours);
        for (int row = 1; row < ActivityModel::RowCount; ++row) {
            table.setCell(row, 0, QStringLiteral("A%1").arg(row));
            table.setCell(row, 5, QStringLiteral("1"));
        }
        const QVector<ChartPoint> points = chartPoints(table, 0, 0, numberedColours());
        QCOMPARE(points.size(), 50);
        QCOMPARE(points.last().colour, numberedColours()[49]);
    }

    void invalidTotalThrows_data()
    {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << QString() << QStringLiteral("'' is not a valid floating point value");
        QTest::newRow("only a percentage")
            << QStringLiteral(" (5.00%)") << QStringLiteral("'' is not a valid floating point value");
        QTest::newRow("two decimal points")
            << QStringLiteral("1.2.3") << QStringLiteral("'1.2.3' is not a valid floating point value");
    }
    void invalidTotalThrows()
    {
        QFETCH(QString, cell);
        QFETCH(QString, message);
        ActivityModel table(TableKind::Hours);
        fill(table, {QStringLiteral("10"), cell});
        try {
            chartPoints(table, 0, 0, numberedColours());
            QFAIL("no conversion error");
        } catch (const ConversionError &e) {
            QCOMPARE(e.message(), message);
        }
    }

    void titles_data()
    {
        QTest::addColumn<bool>("hours");
        QTest::addColumn<bool>("money");
        QTest::addColumn<QString>("title");
        QTest::newRow("hours") << true << false << QStringLiteral("Hours spent for Ann Lee  Age: 40  Hours: 9");
        QTest::newRow("hours wins over money")
            << true << true << QStringLiteral("Hours spent for Ann Lee  Age: 40  Hours: 9");
        QTest::newRow("money") << false << true << QStringLiteral("Money spent for Ann Lee  Lifetime income: $5");
        QTest::newRow("neither: frequency") << false << false << QStringLiteral("Frequency of activities for Ann Lee");
    }
    void titles()
    {
        QFETCH(bool, hours);
        QFETCH(bool, money);
        QFETCH(QString, title);
        QCOMPARE(chartTitle(chartTableOf(hours, money), QStringLiteral("Ann Lee"), QStringLiteral("Age: 40  Hours: 9"),
                            QStringLiteral("Lifetime income: $5")),
                 title);
    }

    void coloursFixed()
    {
        const ChartColours colours = chartColours(false, 0xFF0000);
        QVERIFY(std::all_of(colours.begin(), colours.end(), [](quint32 c) { return c == 0xFF0000; }));
    }

    void coloursRandomInRangeAndRepeatableFromSeed()
    {
        seedChartColours(1234);
        const ChartColours first = chartColours(true, 0xFF0000);
        const ChartColours second = chartColours(true, 0xFF0000);
        seedChartColours(1234);
        QCOMPARE(chartColours(true, 0), first);
        QVERIFY(first != second);
        QVERIFY(std::all_of(first.begin(), first.end(), [](quint32 c) { return c < 9999999; }));
        QVERIFY(std::any_of(first.begin(), first.end(), [&first](quint32 c) { return c != first[0]; }));
    }

    void noTwoColoursOfAChartLookAlike_data()
    {
        QTest::addColumn<quint32>("background");
        QTest::newRow("light") << quint32(0xFFFFFF);
        QTest::newRow("dark") << quint32(0x242424);
        QTest::newRow("dark blue") << quint32(0x3A1F12);
    }
    void noTwoColoursOfAChartLookAlike()
    {
        QFETCH(quint32, background);
        QVERIFY(qAbs(colourDistance(0xFFFFFF, 0x000000) - 100) < 1e-3);
        for (quint32 seed = 1; seed <= 200; ++seed) {
            seedChartColours(seed);
            const ChartColours colours = chartColours(true, 0, background);
            for (std::size_t i = 0; i < colours.size(); ++i) {
                QVERIFY2(colourDistance(colours[i], 0xFFFFFF) >= 20, qPrintable(QString::number(seed)));
                QVERIFY2(colourDistance(colours[i], background) >= 20, qPrintable(QString::number(seed)));
                for (std::size_t j = 0; j < i; ++j)
                    QVERIFY2(colourDistance(colours[i], colours[j]) >= 20, qPrintable(QString::number(seed)));
            }
        }
    }

    // Small slices' labels are left out where they would overlap a larger one's.
    void pieLabelsThatFit_data()
    {
        QTest::addColumn<QVector<double>>("values");
        QTest::addColumn<double>("start");
        QTest::addColumn<int>("mostShown");
        QTest::newRow("four quarters") << QVector<double>{1, 1, 1, 1} << 0.0 << 4;
        QTest::newRow("small slices far apart") << QVector<double>{100, 2, 100, 2, 100, 2} << 0.0 << 6;
        QVector<double> many{1000};
        many.append(QVector<double>(20, 1));
        // Twenty thin slices side by side at 12 o'clock: their labels would land on one spot.
        QTest::newRow("many small slices together") << many << 0.0 << 2;
        // Turned a quarter, the thin ones stand at 3 o'clock, 19 pixels from first to last: room for two
        // of theirs besides the largest one's.
        QTest::newRow("many small slices turned") << many << 90.0 << 3;
    }
    void pieLabelsThatFit()
    {
        QFETCH(QVector<double>, values);
        QFETCH(double, start);
        QFETCH(int, mostShown);
        const QVector<bool> shown = ::pieLabelsThatFit(values, start, 150, 0.06, QSizeF(32, 15));
        QCOMPARE(shown.size(), values.size());
        QVERIFY(shown[0]); // the largest always
        const auto count = std::count(shown.cbegin(), shown.cend(), true);
        QVERIFY2(count == mostShown || (values.size() > 6 && count >= 1 && count <= mostShown),
                 qPrintable(QString::number(count)));
    }
};

QTEST_GUILESS_MAIN(TestChartData)
#include "tst_chartdata.moc"
