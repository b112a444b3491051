#include "calc/datediff.h"
#include "calc/datephrase.h"
#include "calc/datevalue.h"
#include "support/testsupport.h"

#include <QTest>

namespace {
DateValue at(int y, int m, int d, int h = 0, int mi = 0)
{
    return encodeDate(y, m, d) + (h * 60 + mi) / 1440.0;
}
} // namespace

using testsupport::ymdValue;

class TestCalendar : public QObject
{
    Q_OBJECT
private slots:
    void init() { testsupport::resetSharedState(); }
    void cleanup() { testsupport::resetSharedState(); }

    // Every day of 1600..2147 against QDate, with the weekday (1 = Sunday).
    void everyDayAgreesWithQDate()
    {
        const QDate first(1600, 1, 1);
        const double start = encodeDate(1600, 1, 1);
        for (int i = 0; i < 200000; ++i) {
            const QDate expected = first.addDays(i);
            if (toQDate(start + i) != expected || dayOfWeek(start + i) != expected.dayOfWeek() % 7 + 1)
                QFAIL(qPrintable(expected.toString(Qt::ISODate)));
        }
        QCOMPARE(fromQDate(QDate(1900, 3, 1)), 61.0); // 1900 is no leap year
        QCOMPARE(fromQDate(QDate(9999, 12, 31)), 2958465.0);
        int y = -1, m = -1, d = -1;
        decodeDate(start - 1e6, y, m, d);
        QCOMPARE(y, 0); // before year 1
    }

    void timeOfDay_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QTime>("time");
        // clang-format off
        QTest::newRow("14:00 exact despite the binary fraction") << 45818.0 + 14.0 / 24 << QTime(14, 0);
        QTest::newRow("negative value keeps its fraction") << -1.25 << QTime(6, 0);
        QTest::newRow("rounding stays within the day") << 10.0 + (86400000 - 0.4) / 86400000 << QTime(23, 59, 59, 999);
        // clang-format on
    }
    void timeOfDay()
    {
        QFETCH(double, value);
        int h = 0, mi = 0, s = 0, ms = 0;
        decodeTime(value, h, mi, s, ms);
        QTEST(QTime(h, mi, s, ms), "time");
        QVERIFY(qAbs(fromQDateTime(QDateTime(toQDate(value), QTime(h, mi, s, ms))) - value) < 1e-8);
    }

    void addMonthsCutsToMonthEnd()
    {
        QCOMPARE(toQDate(addMonths(fromQDate(QDate(2024, 3, 31)), -1)), QDate(2024, 2, 29));
        QCOMPARE(toQDate(addMonths(fromQDate(QDate(2024, 1, 15)), -13)), QDate(2022, 12, 15));
    }

    void spans_data()
    {
        QTest::addColumn<double>("first");
        QTest::addColumn<double>("second");
        QTest::addColumn<int>("years");
        QTest::addColumn<int>("months");
        QTest::addColumn<int>("days");
        QTest::addColumn<double>("totalDays");
        QTest::addColumn<double>("totalHours");
        QTest::addColumn<double>("totalMonths");
        const double lifeDays = encodeDate(2025, 6, 10) - encodeDate(1990, 3, 15);
        // clang-format off
        QTest::newRow("worked example: age in 2025, day not yet reached") << at(2025, 6, 10, 14)
            << at(1990, 3, 15) << 35 << 3 << -5 << lifeDays << lifeDays * 24 + 14 << 423.0;
        QTest::newRow("25th birthday morning") << at(2025, 2, 10, 9) << at(2000, 2, 10) << 25 << 0 << 0 << 9132.0
            << 9132.0 * 24 + 9 << 300.0;
        QTest::newRow("under three calendar years: no normalisation") << at(2025, 2, 10) << at(2023, 11, 5) << 2
            << 15 << 5 << 463.0 << 463.0 * 24 << 16.0;
        QTest::newRow("32 days across new year") << at(2023, 12, 10) << at(2024, 1, 11) << 1 << 1 << 1 << 32.0
            << 768.0 << 1.0;
        QTest::newRow("one year thirteen months") << at(2024, 1, 10) << at(2025, 2, 11) << 1 << 13 << 1 << 398.0
            << 398.0 * 24 << 14.0;
        QTest::newRow("later time of day earlier: day lost") << at(2025, 2, 11, 8) << at(2025, 2, 10, 9) << 0 << 0
            << 0 << 1.0 << 23.0 << 0.0;
        QTest::newRow("same moment") << at(2025, 2, 10, 9) << at(2025, 2, 10, 9) << 0 << 0 << 0 << 0.0 << 0.0 << 0.0;
        QTest::newRow("two days: first month counted") << at(2024, 1, 3) << at(2024, 1, 1) << 0 << 0 << 2 << 2.0
            << 48.0 << 1.0;
        QTest::newRow("90 days Jan to Mar 2024") << at(2024, 3, 31) << at(2024, 1, 1) << 0 << 2 << 30 << 90.0
            << 2160.0 << 3.0;
        QTest::newRow("money year example") << at(2025, 2, 10) << at(2022, 3, 1) << 2 << 11 << 9 << 1077.0
            << 1077.0 * 24 << 36.0;
        // clang-format on
    }
    void spans()
    {
        QFETCH(double, first);
        QFETCH(double, second);
        for (int swap = 0; swap < 2; ++swap) {
            const TDateDiff d = swap ? computedatediff(second, first) : computedatediff(first, second);
            QTEST(d.years, "years");
            QTEST(d.months, "months");
            QTEST(d.days, "days");
            QTEST(d.totalDays, "totalDays");
            QTEST(d.totalHours, "totalHours");
            QTEST(d.totalMonths, "totalMonths");
        }
    }

    void totalMonthsCountsFirstDays_data()
    {
        QTest::addColumn<int>("totalDays");
        QTest::addColumn<double>("totalMonths");
        const int days[] = {0, 1, 2, 32, 33, 61, 365, 366, 367, 730};
        const double months[] = {0, 0, 1, 1, 2, 3, 12, 12, 13, 24};
        for (int i = 0; i < 10; ++i)
            // clang-format off
            QTest::addRow("%d days", days[i]) << days[i] << months[i];
        // clang-format on
    }
    void totalMonthsCountsFirstDays()
    {
        QFETCH(int, totalDays);
        const double start = encodeDate(2013, 5, 17);
        QTEST(computedatediff(start, start + totalDays).totalMonths, "totalMonths");
    }

    void ymdText_data()
    {
        QTest::addColumn<int>("years");
        QTest::addColumn<int>("months");
        QTest::addColumn<int>("days");
        QTest::addColumn<QString>("text");
        // clang-format off
        QTest::newRow("all plural") << 35 << 3 << 12 << "35 years 3 months 12 days ";
        QTest::newRow("all singular") << 1 << 1 << 1 << "1 year 1 month 1 day ";
        QTest::newRow("negative days left out") << 35 << 3 << -5 << "35 years 3 months ";
        QTest::newRow("nothing positive") << 0 << -1 << 0 << "";
        // clang-format on
    }
    void ymdText()
    {
        TDateDiff d;
        QFETCH(int, years);
        QFETCH(int, months);
        QFETCH(int, days);
        d.years = years;
        d.months = months;
        d.days = days;
        QTEST(ymd(d), "text");
    }

    void phrases_data()
    {
        QTest::addColumn<double>("reference");
        QTest::addColumn<double>("described");
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<int>("weeks");
        QTest::addColumn<int>("months");
        QTest::addColumn<int>("years");
        // 7 February 2024 is a Wednesday.
        const double wed = ymdValue(2024, 2, 7);
        // clang-format off
        QTest::newRow("same day, other time") << wed + 0.9 << wed + 0.1 << "Today" << -1 << -1 << -1;
        QTest::newRow("yesterday") << wed << wed - 1 << "Yesterday" << -1 << -1 << -1;
        QTest::newRow("tomorrow") << wed << wed + 1 << "Tomorrow" << -1 << -1 << -1;
        QTest::newRow("Saturday of the same week") << wed << wed + 3 << "This week" << 0 << 0 << 0;
        QTest::newRow("following Sunday") << wed << wed + 4 << "Next week" << 1 << 0 << 0;
        QTest::newRow("Monday two days before") << wed << wed - 2 << "This week" << 0 << 0 << 0;
        QTest::newRow("ten days back to a Sunday") << wed << wed - 10 << "Last week" << 1 << 1 << 0;
        QTest::newRow("weeks ahead, no suffix") << wed << ymdValue(2024, 4, 25) << "11 wks" << 11 << 2 << 0;
        QTest::newRow("months back") << wed << ymdValue(2023, 7, 1) << "7 mons ago" << 32 << 7 << 1;
        QTest::newRow("months ahead") << wed << ymdValue(2025, 4, 1) << "14 mons" << 60 << 14 << 1;
        QTest::newRow("years and months back") << ymdValue(2024, 2, 10) << ymdValue(2020, 11, 5)
            << "3 yrs 3 mons ago" << 170 << 3 << 3;
        QTest::newRow("months normalised to whole years") << ymdValue(2024, 2, 10) << ymdValue(2021, 2, 20)
            << "3 yrs ago" << 155 << 0 << 3;
        QTest::newRow("11 months 20 days short still 3 yrs") << ymdValue(2024, 2, 10) << ymdValue(2021, 2, 21)
            << "3 yrs ago" << 154 << 0 << 3;
        QTest::newRow("years and one month ahead") << ymdValue(2024, 2, 10) << ymdValue(2027, 3, 1)
            << "3 yrs 1 mon" << 160 << 1 << 3;
        QTest::newRow("years ahead") << ymdValue(2024, 2, 10) << ymdValue(2028, 2, 1) << "4 yrs" << 208 << 0 << 4;
        QTest::newRow("described before year 1: empty") << wed << encodeDate(1, 1, 1) - 5 << "" << -1 << -1 << -1;
        // clang-format on
    }
    void phrases()
    {
        QFETCH(double, reference);
        QFETCH(double, described);
        PhraseCounts counts{-1, -1, -1, -1};
        QTEST(datePhrase(reference, described, counts), "phrase");
        QTEST(counts.weeks, "weeks");
        QTEST(counts.months, "months");
        QTEST(counts.years, "years");
        if (counts.weeks >= 0 || counts.days >= 0)
            QCOMPARE(counts.days, int(qAbs(wholeDay(reference) - wholeDay(described))));
    }

    void pluralSOnlyAboveOne()
    {
        QCOMPARE(pluralS(0), QString());
        QCOMPARE(pluralS(1), QString());
        QCOMPARE(pluralS(2), QStringLiteral("s"));
    }

    void fromNowUsesClock()
    {
        testsupport::fixClock(2024, 2, 7, 23, 59);
        QCOMPARE(datePhraseFromNow(ymdValue(2024, 2, 8)), QStringLiteral("Tomorrow"));
    }

    void whenText_data()
    {
        QTest::addColumn<double>("described");
        QTest::addColumn<double>("birth");
        QTest::addColumn<QString>("text");
        // Now: Wednesday 7 February 2024, 10:00.
        const double today = ymdValue(2024, 2, 7);
        // clang-format off
        QTest::newRow("today, thirtieth birthday") << today << ymdValue(1994, 2, 7) << "Today   You are 30 yrs old";
        QTest::newRow("past date, age with months") << ymdValue(2019, 1, 5) << ymdValue(1993, 10, 1)
            << "5 yrs 1 mon ago   You were 25 yrs 3 mons old";
        QTest::newRow("future date") << ymdValue(2024, 4, 25) << ymdValue(1994, 2, 7)
            << "11 wks   You will be 30 yrs 2 mons old";
        QTest::newRow("age in weeks") << ymdValue(2024, 1, 1) << ymdValue(2023, 12, 11)
            << "5 wks ago   You were 3 wks old";
        QTest::newRow("not after birth: no age") << ymdValue(2024, 1, 1) << ymdValue(2024, 1, 1) << "5 wks ago";
        // clang-format on
        // An age of a few days is counted in days, not called "Yesterday" or "Last week".
        // clang-format off
        QTest::newRow("one day old, today") << today << today - 1 << "Today   You are 1 day old";
        QTest::newRow("nine days old") << today << today - 9 << "Today   You are 9 days old";
        QTest::newRow("thirteen days old, born on a Sunday") << ymdValue(2024, 2, 10) << ymdValue(2024, 1, 28)
            << "This week   You will be 13 days old";
        QTest::newRow("thirteen days after a Thursday birth is weeks") << today << today - 13
            << "Today   You are 2 wks old";
        QTest::newRow("fourteen days old is weeks") << today << today - 14 << "Today   You are 2 wks old";
        QTest::newRow("eight days after a Saturday birth is weeks") << ymdValue(2024, 2, 11)
            << ymdValue(2024, 2, 3) << "Next week   You will be 2 wks old";
        // clang-format on
    }
    void whenText()
    {
        QFETCH(double, described);
        QFETCH(double, birth);
        testsupport::fixClock(2024, 2, 7, 10);
        QTEST(dateWhenText(described, birth), "text");
    }
};

QTEST_GUILESS_MAIN(TestCalendar)
#include "tst_calendar.moc"
