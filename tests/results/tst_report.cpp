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
        ActivityModel table({});
        table.setCell(0, 0, QStringLiteral("Activity"));
        for (int row = 1; row <= filled; ++row)
            table.setCell(row, 0, row == gapAt ? QString() : QStringLiteral("A%1").arg(row));
        const QVector<int> printed = report::printedRows(table);
        QCOMPARE(printed.size(), rows);
        for (int i = 0; i < printed.size(); ++i)
            QCOMPARE(printed[i], i);
    }

    // The look-ahead section lists every row still going on today, with its total by the age;
    // an age already reached drops "at this pace".
    void lookAheadSection_data()
    {
        QTest::addColumn<int>("age");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("rows"); // activity total, ...
        // Born 3/15/1986, today 12/10/2026: the 30th birthday is behind, the 50th ahead.
        QTest::newRow("ahead") << 50 << "By age 50 at this pace" << "Work 57469, Guitar 2536";
        QTest::newRow("already reached") << 30 << "By age 30" << "Work 15726, Guitar 0";
    }
    void lookAheadSection()
    {
        QFETCH(int, age);
        testsupport::fixClock(2026, 12, 10, 14);
        ActivityModel table({});
        table.setRowTexts(0, {"Activity", "Time", "Per", "Start date", "End date", "Total Hrs"});
        table.setRowTexts(1, {"Old job", "8 Hrs", "Day", "1/1/2005", "1/1/2008", "8,760"});
        table.setRowTexts(2, {"Work", "40 Hrs", "Week", "9/1/2008", "3/31/2051", "1"});
        table.setRowTexts(3, {"Guitar", "3 Hrs", "Week", "1/1/2020", "Now", "1"});
        table.setExplanationContext(TableKind::Hours, 0, 0);
        const std::optional<LookAhead> ahead = lookAheadOf(QStringLiteral("3/15/1986"), age);
        table.setLookAhead(ahead);
        QTEST(report::lookAheadHeading(*ahead), "heading");
        const QVector<QStringList> section = report::lookAheadRows(table);
        QCOMPARE(section.first(), table.rowTexts(0));
        QStringList rows;
        for (const QStringList &cells : section.mid(1))
            rows << cells[ActivityModel::Activity] + QLatin1Char(' ') +
                        QString::number(totalCellValue(cells[ActivityModel::Total]));
        QTEST(rows.join(QStringLiteral(", ")), "rows");
    }
};

QTEST_GUILESS_MAIN(TestReport)
#include "tst_report.moc"
