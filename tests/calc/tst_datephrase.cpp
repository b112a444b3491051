#include "calc/datephrase.h"
#include "support/testsupport.h"

#include <QTest>

using testsupport::ymdValue;

class TestDatePhrase : public QObject
{
    Q_OBJECT
private slots:
    void init() { testsupport::resetSharedState(); }
    void cleanup() { testsupport::resetSharedState(); }

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
        QTest::newRow("same day, other time") << wed + 0.9 << wed + 0.1 << "Today" << -1 << -1 << -1;
        QTest::newRow("yesterday") << wed << wed - 1 << "Yesterday" << -1 << -1 << -1;
        QTest::newRow("tomorrow") << wed << wed + 1 << "Tomorrow" << -1 << -1 << -1;
        QTest::newRow("Saturday of the same week") << wed << wed + 3 << "This week" << 0 << 0 << 0;
        QTest::newRow("following Sunday") << wed << wed + 4 << "Next week" << 1 << 0 << 0;
        QTest::newRow("Monday two days before") << wed << wed - 2 << "This week" << 0 << 0 << 0;
        QTest::newRow("ten days back to a Sunday") << wed << wed - 10 << "Last week" << 1 << 1 << 0;
        QTest::newRow("weeks back") << wed << ymdValue(2024, 1, 1) << "5 wks ago" << 5 << 1 << 0;
        QTest::newRow("weeks ahead, no suffix") << wed << ymdValue(2024, 4, 25) << "11 wks" << 11 << 2 << 0;
        QTest::newRow("months back") << wed << ymdValue(2023, 7, 1) << "7 mons ago" << 32 << 7 << 1;
        QTest::newRow("one month form never reached: weeks") << wed << ymdValue(2024, 3, 20) << "6 wks" << 6 << 1
                                                             << 0;
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
        QTest::newRow("today, thirtieth birthday") << today << ymdValue(1994, 2, 7) << "Today   You are 30 yrs old";
        QTest::newRow("past date, age with months")
            << ymdValue(2019, 1, 5) << ymdValue(1993, 10, 1) << "5 yrs 1 mon ago   You were 25 yrs 3 mons old";
        QTest::newRow("future date") << ymdValue(2024, 4, 25) << ymdValue(1994, 2, 7)
                                     << "11 wks   You will be 30 yrs 2 mons old";
        QTest::newRow("age in weeks") << ymdValue(2024, 1, 1) << ymdValue(2023, 12, 11) << "5 wks ago   You were 3 wks old";
        QTest::newRow("not after birth: no age") << ymdValue(2024, 1, 1) << ymdValue(2024, 1, 1) << "5 wks ago";
        QTest::newRow("before birth: no age") << ymdValue(2024, 1, 1) << ymdValue(2024, 1, 2) << "5 wks ago";
        // An age of a few days is counted in days, not called "Yesterday" or "Last week".
        QTest::newRow("one day old, today") << today << today - 1 << "Today   You are 1 day old";
        QTest::newRow("two days old, tomorrow") << today + 1 << today - 1 << "Tomorrow   You will be 2 days old";
        QTest::newRow("nine days old") << today << today - 9 << "Today   You are 9 days old";
        QTest::newRow("thirteen days old, born on a Sunday")
            << ymdValue(2024, 2, 10) << ymdValue(2024, 1, 28) << "This week   You will be 13 days old";
        QTest::newRow("thirteen days after a Thursday birth is weeks") << today << today - 13
                                                                       << "Today   You are 2 wks old";
        QTest::newRow("fourteen days old is weeks") << today << today - 14 << "Today   You are 2 wks old";
        QTest::newRow("eight days after a Saturday birth is weeks")
            << ymdValue(2024, 2, 11) << ymdValue(2024, 2, 3) << "Next week   You will be 2 wks old";
    }
    void whenText()
    {
        QFETCH(double, described);
        QFETCH(double, birth);
        testsupport::fixClock(2024, 2, 7, 10);
        QTEST(dateWhenText(described, birth), "text");
    }
};

QTEST_GUILESS_MAIN(TestDatePhrase)
#include "tst_datephrase.moc"
