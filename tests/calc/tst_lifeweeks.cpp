#include "calc/lifeweeks.h"
#include "support/testsupport.h"

#include <QTest>

Q_DECLARE_METATYPE(DailyLoad)

using testsupport::ymdValue;

namespace {
DailyLoad perDay(double hours, DateValue from, DateValue to)
{
    return DailyLoad{from, to, hours * 60};
}
} // namespace

class TestLifeWeeks : public QObject
{
    Q_OBJECT
private slots:
    void init() { testsupport::resetSharedState(); }
    void cleanup() { testsupport::resetSharedState(); }

    void weekDates_data()
    {
        QTest::addColumn<DateValue>("birth");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("week");
        QTest::addColumn<DateValue>("first");
        QTest::addColumn<int>("days");
        const DateValue plain = ymdValue(1986, 3, 15);
        const DateValue leapDay = ymdValue(2000, 2, 29);
        // clang-format off
        QTest::newRow("birth week") << plain << 0 << 0 << plain << 7;
        QTest::newRow("age 4, week 0 on the birthday") << plain << 4 << 0 << ymdValue(1990, 3, 15) << 7;
        QTest::newRow("week 51 of a common year: 8 days") << plain << 0 << 51 << ymdValue(1987, 3, 7) << 8;
        QTest::newRow("week 51 across 29 February: 9 days") << plain << 1 << 51 << ymdValue(1988, 3, 6) << 9;
        QTest::newRow("29 February birthday, common year begins 28 February") << leapDay << 1 << 0
            << ymdValue(2001, 2, 28) << 7;
        QTest::newRow("29 February birthday, week 51 to 27 February") << leapDay << 0 << 51 << ymdValue(2001, 2, 20)
            << 8;
        QTest::newRow("29 February birthday, year before a leap year") << leapDay << 3 << 51 << ymdValue(2004, 2, 20)
            << 9;
        QTest::newRow("29 February birthday, leap year again") << leapDay << 4 << 0 << ymdValue(2004, 2, 29) << 7;
        // clang-format on
    }
    void weekDates()
    {
        QFETCH(DateValue, birth);
        QFETCH(int, year);
        QFETCH(int, week);
        QTEST(weekFirstDay(birth, year, week), "first");
        QTEST(weekDays(birth, year, week), "days");
    }

    void hoursInWeek_data()
    {
        QTest::addColumn<DailyLoad>("load");
        QTest::addColumn<DateValue>("first");
        QTest::addColumn<int>("days");
        QTest::addColumn<double>("hours");
        const DateValue monday = ymdValue(2024, 1, 1);
        const DailyLoad sleep = perDay(8, monday, monday + 100);
        // clang-format off
        QTest::newRow("whole week inside") << sleep << monday + 7 << 7 << 56.0;
        QTest::newRow("row starts inside the week") << perDay(8, monday + 3, monday + 100) << monday << 7 << 32.0;
        QTest::newRow("row ends inside the week: end day not counted") << sleep << monday + 98 << 7 << 16.0;
        QTest::newRow("week after the row") << sleep << monday + 100 << 7 << 0.0;
        QTest::newRow("week before the row") << sleep << monday - 7 << 7 << 0.0;
        QTest::newRow("nine-day week 51") << sleep << monday << 9 << 72.0;
        QTest::newRow("weekly rate: 3 hours a week") << DailyLoad{monday, monday + 70, 180.0 / 7} << monday << 7
            << 3.0;
        // clang-format on
    }
    void hoursInWeek()
    {
        QFETCH(DailyLoad, load);
        QFETCH(DateValue, first);
        QFETCH(int, days);
        QFETCH(double, hours);
        QVERIFY(qAbs(hoursWithin(load, first, days) - hours) < 1e-9);
    }

    void descriptions_data()
    {
        QTest::addColumn<DateValue>("first");
        QTest::addColumn<int>("year");
        QTest::addColumn<bool>("ahead");
        QTest::addColumn<int>("days");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QVector<double>>("hours");
        QTest::addColumn<QString>("text");
        const QStringList three{QStringLiteral("Chores"), QStringLiteral("Sleep"), QStringLiteral("Walk")};
        // clang-format off
        QTest::newRow("largest first") << ymdValue(1990, 3, 15) << 4 << false << 7
            << QStringList{QStringLiteral("TV"), QStringLiteral("Sleep")} << QVector<double>{14, 56}
            << "Week of 3/15/1990, age 4: Sleep 56 h, TV 14 h";
        QTest::newRow("ahead, halves rounded up") << ymdValue(2026, 12, 13) << 40 << true << 7 << three
            << QVector<double>{1.5, 56, 4.5} << "Week of 12/13/2026, age 40, ahead: Sleep 56 h, Walk 5 h, Chores 2 h";
        QTest::newRow("nothing") << ymdValue(1986, 3, 15) << 0 << false << 7 << QStringList() << QVector<double>()
            << "Week of 3/15/1986, age 0: nothing entered";
        QTest::newRow("under half an hour left out") << ymdValue(1986, 3, 15) << 0 << false << 7 << three
            << QVector<double>{0.49, 0, 0.2} << "Week of 3/15/1986, age 0: nothing entered";
        QTest::newRow("half an hour from sevenths") << ymdValue(1986, 3, 15) << 0 << false << 7 << three
            << QVector<double>{7 * (30.0 / 7) / 60, 0, 0} << "Week of 3/15/1986, age 0: Chores 1 h";
        QTest::newRow("equal shown hours keep table order") << ymdValue(1986, 3, 15) << 0 << false << 7 << three
            << QVector<double>{7.2, 2, 6.6} << "Week of 3/15/1986, age 0: Chores 7 h, Walk 7 h, Sleep 2 h";
        QTest::newRow("week 51 says its length") << ymdValue(2027, 3, 7) << 40 << true << 8 << three
            << QVector<double>{0, 64, 0} << "Week of 3/7/2027 (8 days), age 40, ahead: Sleep 64 h";
        // clang-format on
    }
    void descriptions()
    {
        QFETCH(DateValue, first);
        QFETCH(int, year);
        QFETCH(bool, ahead);
        QFETCH(QStringList, names);
        QFETCH(QVector<double>, hours);
        QFETCH(int, days);
        QTEST(weekDescription(first, year, ahead, names, hours, days), "text");
    }

    void dominant_data()
    {
        QTest::addColumn<QVector<double>>("hours");
        QTest::addColumn<int>("sleep");
        QTest::addColumn<int>("dominant");
        // clang-format off
        QTest::newRow("most hours wins") << QVector<double>{56, 14, 40} << 0 << 2;
        QTest::newRow("sleep aside though largest") << QVector<double>{56, 1, 0} << 0 << 1;
        QTest::newRow("sleep only") << QVector<double>{56, 0, 0.3} << 0 << 0;
        QTest::newRow("nothing entered") << QVector<double>{0, 0.2, 0} << 0 << -1;
        QTest::newRow("no activities") << QVector<double>{} << -1 << -1;
        QTest::newRow("tie: first in table order") << QVector<double>{56, 30, 30} << 0 << 1;
        QTest::newRow("no sleep activity: largest of all") << QVector<double>{56, 14} << -1 << 0;
        QTest::newRow("sleep not first") << QVector<double>{10, 56} << 1 << 0;
        // clang-format on
    }
    void dominant()
    {
        QFETCH(QVector<double>, hours);
        QFETCH(int, sleep);
        QTEST(dominantActivity(hours, sleep), "dominant");
    }

    void events_data()
    {
        QTest::addColumn<DateValue>("birth");
        QTest::addColumn<DateValue>("day");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("week");
        const DateValue plain = ymdValue(1986, 3, 15);
        const DateValue leapDay = ymdValue(2000, 2, 29);
        // clang-format off
        QTest::newRow("on the birthday") << plain << ymdValue(2012, 3, 15) << 26 << 0;
        QTest::newRow("mid-year") << plain << ymdValue(2012, 5, 5) << 26 << 7;
        QTest::newRow("last day of an 8-day week 51") << plain << ymdValue(2027, 3, 14) << 40 << 51;
        QTest::newRow("29 February of a leap year") << plain << ymdValue(2028, 2, 29) << 41 << 50;
        QTest::newRow("on 29 February of a leap birthday") << leapDay << ymdValue(2004, 2, 29) << 4 << 0;
        QTest::newRow("the day before a leap birthday's 28 February") << leapDay << ymdValue(2001, 2, 27) << 0 << 51;
        QTest::newRow("before birth: not drawn") << plain << ymdValue(1980, 1, 1) << -1 << -1;
        QTest::newRow("after the last year: not drawn") << plain << ymdValue(2066, 3, 15) << -1 << -1;
        // clang-format on
    }
    void events()
    {
        QFETCH(DateValue, birth);
        QFETCH(DateValue, day);
        QFETCH(int, year);
        QFETCH(int, week);
        LifeWeeks weeks(birth, 80, ymdValue(2026, 12, 10), {{QStringLiteral("Sleep"), {perDay(8, birth, day + 30)}}});
        weeks.setEvents({{QStringLiteral("Car"), QStringLiteral("$24,500.00"), day}});
        QCOMPARE(weeks.weekOf(day).year, year);
        QCOMPARE(weeks.weekOf(day).week, week);
        QCOMPARE(weeks.events().size(), year < 0 ? 0 : 1);
        if (year < 0)
            return;
        QCOMPARE(weeks.eventsIn(year, week), QVector<int>{0});
        QVERIFY(weeks.description(year, week).endsWith(QStringLiteral(" \u00b7 Car $24,500.00")));
        QVERIFY(weeks.eventsIn(year, week == 0 ? 1 : week - 1).isEmpty());
    }

    void lifeWeeks()
    {
        const DateValue birth = ymdValue(1986, 3, 15);
        const DateValue today = ymdValue(2026, 12, 10);
        const QVector<WeekActivity> activities{
            {QStringLiteral("Sleep"),
             {perDay(10, birth, ymdValue(2000, 1, 1)), perDay(8, ymdValue(2000, 1, 1), today)}},
            {QStringLiteral("Work"), {perDay(18, ymdValue(2010, 1, 1), ymdValue(2011, 1, 1))}}};
        const LifeWeeks weeks(birth, 80, today, activities);
        QCOMPARE(weeks.years(), 80);
        // Today's week: 270 days after the 40th birthday, in week 38.
        QCOMPARE(weeks.currentWeek().year, 40);
        QCOMPARE(weeks.currentWeek().week, 38);
        QVERIFY(!weeks.isAhead(40, 38));
        QVERIFY(weeks.isAhead(40, 39));
        QCOMPARE(weeks.hours(10, 3, 0), 70.0);
        // Two rows of one name meet within a week of 2000: 10 hours a day, then 8.
        const int year = 13;
        int week = 0;
        while (weeks.firstDay(year, week + 1) <= ymdValue(2000, 1, 1))
            ++week;
        const double days10 = ymdValue(2000, 1, 1) - weeks.firstDay(year, week);
        QCOMPARE(weeks.hours(year, week, 0), days10 * 10 + (7 - days10) * 8);
        // 8 hours of sleep and 18 of work: over 168 hours.
        QCOMPARE(weeks.totalHours(24, 20), 7.0 * 26);
        QVERIFY(weeks.totalHours(24, 20) > HoursPerWeek);
        QCOMPARE(LifeWeeks(birth, 30, today, activities).currentWeek().isValid(), false);
    }
};

QTEST_GUILESS_MAIN(TestLifeWeeks)
#include "tst_lifeweeks.moc"
