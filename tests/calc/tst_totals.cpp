#include "calc/conversionerror.h"
#include "calc/totals.h"
#include "support/testsupport.h"

#include <QTest>

class TestTotals : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        testsupport::resetSharedState();
        testsupport::fixClock(2025, 2, 10, 14);
    }
    void cleanup() { testsupport::resetSharedState(); }

    void hourTotals_data()
    {
        QTest::addColumn<QString>("duration");
        QTest::addColumn<QString>("per");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<double>("hoursAlive");
        QTest::addColumn<QString>("text");
        // clang-format off
        QTest::newRow("1 Hr a day, Q1 2024") << "1 Hr" << "Day" << "1/1/2024" << "3/31/2024" << 0.0 << "90";
        QTest::newRow("2 Hrs a week, Q1 2024") << "2 Hrs" << "Week" << "1/1/2024" << "3/31/2024" << 0.0 << "26";
        QTest::newRow("90 Mins a month: 4.5 shows 5") << "1 Hr 30 Mins" << "Month" << "1/1/2024" << "3/31/2024"
            << 0.0 << "5";
        QTest::newRow("with share") << "1 Hr" << "Day" << "1/1/2024" << "3/31/2024" << 300000.0 << "90 (0.03%)";
        QTest::newRow("tiny share still shown") << "1 Min" << "Day" << "1/1/2024" << "1/2/2024" << 300000.0
            << "0 (0.00%)";
        QTest::newRow("2.5 hours shows 3") << "30 Mins" << "Day" << "1/1/2024" << "1/6/2024" << 0.0 << "3";
        QTest::newRow("0.5 hours shows 1") << "30 Mins" << "Day" << "1/1/2024" << "1/2/2024" << 0.0 << "1";
        QTest::newRow("started today, Now: zero") << "3 Hrs" << "Day" << "2/10/2025" << "Now" << 1000.0 << "0";
        QTest::newRow("month of two days counts one") << "1 Hr" << "Month" << "1/30/2024" << "2/1/2024" << 0.0 << "1";
        QTest::newRow("unknown period word totals 0") << "1 Hr" << "Fortnight" << "1/1/2024" << "Now" << 10.0 << "0";
        QTest::newRow("later word wins: Month over Day") << "1 Hr" << "Day-Month" << "1/1/2024" << "3/31/2024"
            << 0.0 << "3";
        QTest::newRow("large total grouped") << "24 Hrs" << "Day" << "1/1/1900" << "Now" << 0.0 << "1,096,704";
        // clang-format on
    }
    void hourTotals()
    {
        QFETCH(QString, duration);
        QFETCH(QString, per);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(double, hoursAlive);
        QTEST(hourTotalText(duration, per, start, end, hoursAlive), "text");
    }

    void moneyTotals_data()
    {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("per");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<bool>("money");
        QTest::addColumn<qint64>("income");
        QTest::addColumn<QString>("text");
        // clang-format off
        QTest::newRow("yearly money with share") << "$40.00" << "Year" << "3/1/2022" << "2/10/2025" << true
            << qint64(250000) << "$80 (0.03%)";
        QTest::newRow("frequency never has a share") << "3" << "Week" << "1/1/2024" << "3/31/2024" << false
            << qint64(250000) << "39";
        QTest::newRow("once ignores dates") << "$1,234.50" << "Once" << "1/1/2024" << "1/1/2024" << true
            << qint64(0) << "$1,235";
        QTest::newRow("day started today: 0") << "$5" << "Day" << "2/10/2025" << "Now" << true << qint64(1000) << "$0";
        QTest::newRow("monthly") << "$100" << "Month" << "1/1/2024" << "3/31/2024" << true << qint64(1000)
            << "$300 (30.00%)";
        QTest::newRow("year over one day is 0") << "$100" << "Year" << "1/1/2024" << "1/2/2024" << true
            << qint64(1000) << "$0";
        QTest::newRow("big amount does not overflow") << "$99,999,999" << "Day" << "1/1/1900" << "Now" << true
            << qint64(0) << "$4,569,599,954,304";
        // clang-format on
    }
    void moneyTotals()
    {
        QFETCH(QString, amount);
        QFETCH(QString, per);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(bool, money);
        QFETCH(qint64, income);
        QTEST(moneyTotalText(amount, per, start, end, money, income), "text");
    }

    void dmyLocaleTotals()
    {
        LocaleSettings::setCurrent(testsupport::dmyLocale());
        QCOMPARE(moneyTotalText(QStringLiteral("1.234,50 €"), QStringLiteral("Month"), QStringLiteral("01.01.2024"),
                                QStringLiteral("31.03.2024"), true, 100000),
                 QStringLiteral("3.704 € (3,70%)"));
        QCOMPARE(totalCellValue(QStringLiteral("3.704 € (3,70%)")), 3704.0);
    }

    void conversionFailures_data()
    {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("message");
        // clang-format off
        QTest::newRow("bad start") << "$1" << "13/1/2024" << "Now" << "'13/1/2024' is not a valid date";
        QTest::newRow("amount without digits") << "$" << "1/1/2024" << "Now"
            << "'' is not a valid floating point value";
        // clang-format on
    }
    void conversionFailures()
    {
        QFETCH(QString, amount);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, message);
        try {
            moneyTotalText(amount, QStringLiteral("Day"), start, end, true, 1000);
            QFAIL("no error raised");
        } catch (const ConversionError &e) {
            QCOMPARE(e.message(), message);
        }
    }

    void totalCellValues()
    {
        QCOMPARE(totalCellValue(QStringLiteral("1,234 (0.40%)")), 1234.0);
        QCOMPARE(totalCellValue(QStringLiteral("$52,000 (20.80%)")), 52000.0);
    }

    void resultLines_data()
    {
        QTest::addColumn<QString>("birth");
        QTest::addColumn<QString>("line");
        // clang-format off
        QTest::newRow("25 years on the day") << "2/10/2000" << "Age: 25 years  Hours: 219,182";
        QTest::newRow("years months days") << "11/5/2023" << "Age: 2 years 15 months 5 days  Hours: 11,126";
        QTest::newRow("born today: 0 days") << "2/10/2025" << "Age: 0 days  Hours: 14";
        QTest::newRow("invalid birth date") << "2/30/2000" << "'2/30/2000' is not a valid date";
        // clang-format on
    }
    void resultLines()
    {
        QFETCH(QString, birth);
        try {
            QTEST(ageLine(birth), "line");
        } catch (const ConversionError &e) {
            QTEST(e.message(), "line");
        }
        QCOMPARE(incomeLine(QStringLiteral("250000")), QStringLiteral("Lifetime income: 250000"));
    }

    // Ages with no year, month or day count of their own still say how old.
    void shortAges()
    {
        testsupport::fixClock(2025, 2, 10);
        QCOMPARE(ageLine(QStringLiteral("2/10/2025")), QStringLiteral("Age: 0 days  Hours: 0"));
        testsupport::fixClock(2025, 3, 1, 8);
        QCOMPARE(ageLine(QStringLiteral("2/28/2025")), QStringLiteral("Age: 1 day  Hours: 32"));
    }
};

QTEST_GUILESS_MAIN(TestTotals)
#include "tst_totals.moc"
