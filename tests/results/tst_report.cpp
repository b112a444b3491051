// Texts of the printed report: header lines, cell padding and which rows print.
#include "calc/clock.h"
#include "results/report.h"
#include "support/testsupport.h"
#include "tables/activitymodel.h"
#include <QTest>

class TestReport : public QObject
{
    Q_OBJECT
private slots:
    void init() { testsupport::resetSharedState(); }
    void cleanup() { testsupport::resetSharedState(); }

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
        ActivityModel table(TableKind::Hours);
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
