// Texts of the printed report: header lines, cell padding and which rows print.
#include "calc/clock.h"
#include "results/report.h"
#include "support/testsupport.h"
#include "tables/activitymodel.h"
#include <QTest>

namespace
{
const QVector<int> PixelWidths = {171, 87, 41, 66, 67, 119};

QVector<int> printedWidths()
{
    QVector<int> widths;
    for (int pixels : PixelWidths)
        widths.append(report::columnChars(pixels));
    return widths;
}
} // namespace

class TestReport : public QObject
{
    Q_OBJECT
private slots:
    void init() { testsupport::resetSharedState(); }
    void cleanup() { testsupport::resetSharedState(); }

    void headerTexts()
    {
        QCOMPARE(report::titleLine(), QStringLiteral("Lifetally  - version 1.0"));
        QCOMPARE(report::identityLine(QStringLiteral("Ann Lee"), QStringLiteral("3/15/1956"),
                                      QStringLiteral("Age: 40 years  Hours: 351,432")),
                 QStringLiteral("Ann Lee 3/15/1956 Age: 40 years  Hours: 351,432"));
        QCOMPARE(report::identityLine(QString(), QStringLiteral("3/15/1956"), QStringLiteral("Age: 1")),
                 QStringLiteral(" 3/15/1956 Age: 1"));
        QVERIFY(report::creditLine().contains(QStringLiteral("http://www.brightwell.example/")));
    }

    void printedLine_data()
    {
        QTest::addColumn<int>("hour");
        QTest::addColumn<QString>("expected");
        QTest::newRow("afternoon") << 14 << QStringLiteral("Printed : 3/5/2024  2:07:09 PM");
        QTest::newRow("morning") << 9 << QStringLiteral("Printed : 3/5/2024  9:07:09 AM");
    }
    void printedLine()
    {
        QFETCH(int, hour);
        QFETCH(QString, expected);
        testsupport::fixClock(2024, 3, 5, hour, 7, 9);
        QCOMPARE(report::printedLine(Clock::now()), expected);
    }

    void columnWidthsFromPixels() { QCOMPARE(printedWidths(), (QVector<int>{28, 14, 6, 11, 11, 19})); }

    void cellPiece_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("piece");
        QTest::newRow("empty") << QString() << 6 << QStringLiteral("       ");
        QTest::newRow("shorter") << QStringLiteral("Day") << 6 << QStringLiteral("Day    ");
        QTest::newRow("exact") << QStringLiteral("Months") << 6 << QStringLiteral("Months ");
        QTest::newRow("longer kept whole") << QStringLiteral("Fortnight") << 6 << QStringLiteral("Fortnight ");
    }
    void cellPiece()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QString, piece);
        QCOMPARE(report::cellPiece(text, width), piece);
    }

    void rowLayout_data()
    {
        QTest::addColumn<QString>("activity");
        QTest::addColumn<int>("shift");
        QTest::newRow("short activity") << QStringLiteral("Sleeping") << 0;
        QTest::newRow("28 characters fill the column") << QString(28, QLatin1Char('x')) << 0;
        QTest::newRow("30 characters push the row by 2") << QString(30, QLatin1Char('y')) << 2;
    }
    void rowLayout()
    {
        QFETCH(QString, activity);
        QFETCH(int, shift);
        ActivityModel table({1, 5});
        const QStringList cells = {activity,
                                   QStringLiteral("8 Hrs"),
                                   QStringLiteral("Day"),
                                   QStringLiteral("3/15/1956"),
                                   QStringLiteral("Now"),
                                   QStringLiteral("140,000 (39.84%)")};
        table.setRowTexts(1, cells);
        const QString line = report::rowPieces(table, 1, printedWidths()).join(QString());
        QCOMPARE(line.size(), 95 + shift);
        const int starts[] = {0, 29, 44, 51, 63, 75};
        for (int col = 0; col < ActivityModel::ColCount; ++col)
            QCOMPARE(line.mid(col == 0 ? 0 : starts[col] + shift, cells[col].size()), cells[col]);
    }

    void printedRows_data()
    {
        QTest::addColumn<int>("filled");
        QTest::addColumn<int>("gapAt");
        QTest::addColumn<int>("rows");
        QTest::newRow("no activities: titles only") << 0 << -1 << 1;
        QTest::newRow("three activities") << 3 << -1 << 4;
        QTest::newRow("full table: titles and 50 rows") << 50 << -1 << 51;
        QTest::newRow("ends at the first blank row") << 5 << 3 << 3;
    }
    void printedRows()
    {
        QFETCH(int, filled);
        QFETCH(int, gapAt);
        QFETCH(int, rows);
        ActivityModel table({});
        table.setCell(0, 0, QStringLiteral("Activity"));
        for (int row = 1; row <= filled; ++row)
            table.setCell(row, 0, row == gapAt ? QString() : QStringLiteral("A%1").arg(row));
        const QVector<int> printed = report::printedRows(table);
        QCOMPARE(printed.size(), rows);
        for (int i = 0; i < printed.size(); ++i)
            QCOMPARE(printed[i], i);
    }
};

QTEST_GUILESS_MAIN(TestReport)
#include "tst_report.moc"
