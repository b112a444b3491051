#include "calc/clock.h"
#include "calc/datetext.h"
#include "calc/explain.h"
#include "calc/lookahead.h"
#include "support/testsupport.h"

#include <QTest>

Q_DECLARE_METATYPE(TableKind)

class TestLookAhead : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        testsupport::resetSharedState();
        testsupport::fixClock(2025, 2, 10, 14);
    }
    void cleanup() { testsupport::resetSharedState(); }

    void ages_data()
    {
        QTest::addColumn<QString>("birth");
        QTest::addColumn<int>("wanted");
        QTest::addColumn<int>("lowest");
        QTest::addColumn<int>("bounded");
        QTest::addColumn<QString>("day"); // the day the user turns `bounded`
        QTest::newRow("default age") << "1/1/1990" << 80 << 36 << 80 << "1/1/2070";
        QTest::newRow("birthday still to come this year") << "3/15/1990" << 35 << 35 << 35 << "3/15/2025";
        QTest::newRow("birthday today") << "2/10/1990" << 35 << 36 << 36 << "2/10/2026";
        QTest::newRow("29 February in a common year") << "2/29/1988" << 30 << 37 << 37 << "2/28/2025";
        QTest::newRow("older than 80") << "1/1/1940" << 80 << 86 << 86 << "1/1/2026";
        QTest::newRow("born after today") << "1/1/2030" << 80 << 1 << 80 << "1/1/2110";
    }
    void ages()
    {
        QFETCH(QString, birth);
        QFETCH(int, wanted);
        QFETCH(int, lowest);
        QFETCH(int, bounded);
        QFETCH(QString, day);
        const DateValue b = strToDate(birth);
        QCOMPARE(lowestLookAheadAge(b, Clock::now()), lowest);
        QCOMPARE(boundedLookAheadAge(wanted, b, Clock::now()), bounded);
        QCOMPARE(shortDateText(birthdayAt(b, bounded)), day);
    }

    void sentences_data()
    {
        QTest::addColumn<TableKind>("kind");
        QTest::addColumn<QString>("birth");
        QTest::addColumn<int>("age");
        QTest::addColumn<QString>("row"); // amount|per|start|end
        QTest::addColumn<QString>("sentence");
        const auto H = TableKind::Hours, M = TableKind::Money, F = TableKind::Frequency;
        // Born 1/1/1990: 701,280 hours by 1/1/2070; from 1/1/2000 that day is 25,568 days, 840 months
        // and 70 whole years on.
        // clang-format off
        QTest::newRow("hours a day") << H << "1/1/1990" << 80 << "8 Hrs|Day|1/1/2000|Now"
            << "By age 80 at this pace: 204,544 hours; 29.17% of the 701,280 hours you will have been alive";
        QTest::newRow("hours a week") << H << "1/1/1990" << 80 << "2 Hrs|Week|1/1/2000|Now"
            << "By age 80 at this pace: 7,305 hours; 1.04% of the 701,280 hours you will have been alive";
        QTest::newRow("hours a month") << H << "1/1/1990" << 80 << "10 Hrs|Month|1/1/2000|Now"
            << "By age 80 at this pace: 8,400 hours; 1.20% of the 701,280 hours you will have been alive";
        QTest::newRow("money a year") << M << "1/1/1990" << 80 << "$1,000.00|Year|1/1/2000|Now"
            << "By age 80 at this pace: $70,000; 2.80% of your lifetime income of $2,500,000";
        QTest::newRow("frequency a day: no share") << F << "1/1/1990" << 80 << "2|Day|1/1/2025|Now"
            << "By age 80 at this pace: 32,872 times";
        QTest::newRow("29 February, one year above the age") << H << "2/29/1988" << 37 << "1 Hr|Day|2/1/2025|Now"
            << "By age 37 at this pace: 27 hours; 0.01% of the 324,336 hours you will have been alive";
        QTest::newRow("a row with an end date gains nothing") << H << "1/1/1990" << 80 << "8 Hrs|Day|1/1/2000|1/1/2020"
            << "";
        QTest::newRow("a row ending after today, before the age: its whole total") << H << "1/1/1990" << 80
            << "8 Hrs|Day|1/1/2000|1/1/2030"
            << "By age 80 at this pace: 87,664 hours; 12.50% of the 701,280 hours you will have been alive";
        QTest::newRow("an age already reached") << H << "1/1/1990" << 30 << "1 Hr|Day|1/1/2019|Now"
            << "By age 30: 365 hours; 0.14% of the 262,968 hours you had been alive";
        // clang-format on
    }
    // The sentence ends the row's explanation, and only of a row still going on.
    void sentences()
    {
        QFETCH(TableKind, kind);
        QFETCH(QString, birth);
        QFETCH(int, age);
        QFETCH(QString, row);
        QFETCH(QString, sentence);
        const QStringList c = row.split(QLatin1Char('|'));
        const qint64 income = 2500000;
        const std::optional<LookAhead> ahead = lookAheadOf(birth, age);
        const QString now = explainRow(kind, c[0], c[1], c[2], c[3], QString(), 0, income);
        const QString ahead80 = explainRow(kind, c[0], c[1], c[2], c[3], QString(), 0, income, ahead);
        QCOMPARE(ahead80, sentence.isEmpty() ? now : now + QLatin1Char('\n') + sentence);
    }

    // Every row up to the day the user turns the age, whether that day is ahead or behind.
    void totalsByAge_data()
    {
        QTest::addColumn<QString>("row"); // birth|age|amount|per|start|end; hours for "Hr" amounts
        QTest::addColumn<double>("total");
        // Born 3/15/1986: the 50th birthday is 3/15/2036, the 30th 3/15/2016; today is 2/10/2025.
        // clang-format off
        QTest::newRow("ending after the age: cut") << "3/15/1986|50|40 Hrs|Week|9/1/2008|3/31/2051" << 57469.0;
        QTest::newRow("ended before today") << "3/15/1986|50|8 Hrs|Day|1/1/2000|1/1/2010" << 29224.0;
        QTest::newRow("ending between today and the age") << "3/15/1986|50|1 Hr|Day|1/1/2025|1/1/2030" << 1826.0;
        QTest::newRow("starting after the age") << "3/15/1986|10|$1,000.00|Month|1/1/2051|Now" << 0.0;
        QTest::newRow("age behind today, begun after it") << "3/15/1986|30|3 Hrs|Week|1/1/2020|Now" << 0.0;
        QTest::newRow("age behind today, begun before it") << "3/15/1986|30|1 Hr|Day|1/1/2010|Now" << 2265.0;
        QTest::newRow("once before the age") << "3/15/1986|50|$500.00|Once|1/1/2030|1/1/2030" << 500.0;
        QTest::newRow("once on the birthday") << "3/15/1986|50|$500.00|Once|3/15/2036|3/15/2036" << 500.0;
        QTest::newRow("once after the age") << "3/15/1986|50|$500.00|Once|3/16/2036|3/16/2036" << 0.0;
        QTest::newRow("29 February: cut on 28 February") << "2/29/1988|37|1 Hr|Day|2/1/2025|3/31/2025" << 27.0;
        // clang-format on
    }
    void totalsByAge()
    {
        QFETCH(QString, row);
        const QStringList c = row.split(QLatin1Char('|'));
        const TableKind kind = c[2].contains(QLatin1String("Hr")) ? TableKind::Hours : TableKind::Money;
        // c.mid(1): the age stands where the activity would, and is not read.
        QTEST(totalCellValue(projectedTotalText(kind, c.mid(1), *lookAheadOf(c[0], c[1].toInt()), 0)), "total");
    }
};

QTEST_GUILESS_MAIN(TestLookAhead)
#include "tst_lookahead.moc"
