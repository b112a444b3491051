#include "calc/clock.h"
#include "calc/datevalue.h"
#include "support/testsupport.h"

#include <QTest>

class TestDateValue : public QObject
{
    Q_OBJECT
private slots:
    void init() { testsupport::resetSharedState(); }
    void cleanup() { testsupport::resetSharedState(); }

    void knownDays_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("weekday");
        QTest::newRow("day zero is 30 Dec 1899, a Saturday") << 1899 << 12 << 30 << 0.0 << 7;
        QTest::newRow("1900-01-01 (1900 no leap year)") << 1900 << 1 << 1 << 2.0 << 2;
        QTest::newRow("1900-03-01 after 28 Feb") << 1900 << 3 << 1 << 61.0 << 5;
        QTest::newRow("2000-02-29") << 2000 << 2 << 29 << 36585.0 << 3;
        QTest::newRow("2024-02-10") << 2024 << 2 << 10 << 45332.0 << 7;
        QTest::newRow("year 1") << 1 << 1 << 1 << -693593.0 << 2;
        QTest::newRow("9999-12-31") << 9999 << 12 << 31 << 2958465.0 << 6;
        QTest::newRow("before day zero") << 1899 << 12 << 29 << -1.0 << 6;
    }
    void knownDays()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(double, value);
        QFETCH(int, weekday);
        QCOMPARE(encodeDate(year, month, day), value);
        int y = 0, m = 0, d = 0;
        decodeDate(value + (value < 0 ? -0.75 : 0.75), y, m, d);
        QCOMPARE(y, year);
        QCOMPARE(m, month);
        QCOMPARE(d, day);
        QCOMPARE(dayOfWeek(value), weekday);
        QCOMPARE(toQDate(value), QDate(year, month, day));
    }

    void everyDayAgreesWithQDate()
    {
        const QDate first(1600, 1, 1);
        const double start = encodeDate(1600, 1, 1);
        for (int i = 0; i < 200000; ++i) {
            const QDate expected = first.addDays(i);
            int y = 0, m = 0, d = 0;
            decodeDate(start + i, y, m, d);
            if (y != expected.year() || m != expected.month() || d != expected.day())
                QFAIL(qPrintable(QStringLiteral("day %1 decodes wrongly").arg(start + i)));
            if (dayOfWeek(start + i) != expected.dayOfWeek() % 7 + 1)
                QFAIL(qPrintable(QStringLiteral("weekday of day %1").arg(start + i)));
        }
    }

    void beforeYearOneDecodesToYearZero()
    {
        int y = -1, m = -1, d = -1;
        decodeDate(encodeDate(1, 1, 1) - 1, y, m, d);
        QCOMPARE(y, 0);
    }

    void timeOfDay_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("time");
        QTest::newRow("14:00 exact despite binary fraction") << 45818.0 + 14.0 / 24 << "14:00:00.000";
        QTest::newRow("negative value keeps fraction as time") << -1.25 << "06:00:00.000";
        QTest::newRow("a millisecond before midnight") << 10.0 + 86399999.0 / 86400000 << "23:59:59.999";
        QTest::newRow("half a millisecond before midnight stays in the day") << 10.0 + (86400000 - 0.4) / 86400000
                                                                              << "23:59:59.999";
    }
    void timeOfDay()
    {
        QFETCH(double, value);
        QFETCH(QString, time);
        int h = 0, mi = 0, s = 0, ms = 0;
        decodeTime(value, h, mi, s, ms);
        QCOMPARE(QTime(h, mi, s, ms).toString(QStringLiteral("HH:mm:ss.zzz")), time);
    }

    void fromQDateTimeBeforeDayZero()
    {
        QCOMPARE(fromQDateTime(QDateTime(QDate(1899, 12, 29), QTime(6, 0))), -1.25);
        QCOMPARE(fromQDateTime(QDateTime(QDate(1899, 12, 31), QTime(18, 0))), 1.75);
    }

    void addMonthsCutsToMonthEnd_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<int>("months");
        QTest::addColumn<QDate>("expected");
        QTest::newRow("31 Mar - 1 in leap year") << QDate(2024, 3, 31) << -1 << QDate(2024, 2, 29);
        QTest::newRow("31 Jan + 1 common year") << QDate(2023, 1, 31) << 1 << QDate(2023, 2, 28);
        QTest::newRow("across year back") << QDate(2024, 1, 15) << -13 << QDate(2022, 12, 15);
    }
    void addMonthsCutsToMonthEnd()
    {
        QFETCH(QDate, from);
        QFETCH(int, months);
        QFETCH(QDate, expected);
        QCOMPARE(toQDate(addMonths(fromQDate(from), months)), expected);
    }

    void clockIsFixedAndReset()
    {
        testsupport::fixClock(2025, 6, 10, 14, 0);
        QCOMPARE(Clock::now(), encodeDate(2025, 6, 10) + 14.0 / 24);
        Clock::reset();
        const double real = fromQDateTime(QDateTime::currentDateTime());
        QVERIFY(qAbs(Clock::now() - real) < 1.0);
    }
};

QTEST_GUILESS_MAIN(TestDateValue)
#include "tst_datevalue.moc"
