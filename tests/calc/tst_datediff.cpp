#include "calc/datediff.h"
#include "support/testsupport.h"

#include <QTest>

namespace {
DateValue at(int y, int m, int d, int h = 0, int mi = 0)
{
    return encodeDate(y, m, d) + (h * 60 + mi) / 1440.0;
}
} // namespace

class TestDateDiff : public QObject
{
    Q_OBJECT
private slots:
    void init() { testsupport::resetSharedState(); }
    void cleanup() { testsupport::resetSharedState(); }

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
        QTest::newRow("worked example: age in 2025, day not yet reached")
            << at(2025, 6, 10, 14) << at(1990, 3, 15) << 35 << 3 << -5 << lifeDays << lifeDays * 24 + 14 << 423.0;
        QTest::newRow("25th birthday morning") << at(2025, 2, 10, 9) << at(2000, 2, 10) << 25 << 0 << 0
                                               << 9132.0 << 9132.0 * 24 + 9 << 300.0;
        QTest::newRow("under three calendar years: no normalisation")
            << at(2025, 2, 10) << at(2023, 11, 5) << 2 << 15 << 5 << 463.0 << 463.0 * 24 << 16.0;
        QTest::newRow("32 days across new year") << at(2023, 12, 10) << at(2024, 1, 11) << 1 << 1 << 1 << 32.0
                                                 << 768.0 << 1.0;
        QTest::newRow("one year thirteen months") << at(2024, 1, 10) << at(2025, 2, 11) << 1 << 13 << 1 << 398.0
                                                  << 398.0 * 24 << 14.0;
        QTest::newRow("later time of day earlier: day lost")
            << at(2025, 2, 11, 8) << at(2025, 2, 10, 9) << 0 << 0 << 0 << 1.0 << 23.0 << 0.0;
        QTest::newRow("later time one second earlier")
            << at(2025, 2, 11, 9) - 1 / 86400.0 << at(2025, 2, 10, 9) << 0 << 0 << 0 << 1.0 << 23.0 << 0.0;
        QTest::newRow("same moment") << at(2025, 2, 10, 9) << at(2025, 2, 10, 9) << 0 << 0 << 0 << 0.0 << 0.0
                                     << 0.0;
        QTest::newRow("two days: first month counted") << at(2024, 1, 3) << at(2024, 1, 1) << 0 << 0 << 2 << 2.0
                                                       << 48.0 << 1.0;
        QTest::newRow("90 days Jan to Mar 2024") << at(2024, 3, 31) << at(2024, 1, 1) << 0 << 2 << 30 << 90.0
                                                 << 2160.0 << 3.0;
        QTest::newRow("money year example") << at(2025, 2, 10) << at(2022, 3, 1) << 2 << 11 << 9 << 1077.0
                                            << 1077.0 * 24 << 36.0;
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
            QTest::addRow("%d days", days[i]) << days[i] << months[i];
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
        QTest::newRow("all plural") << 35 << 3 << 12 << "35 years 3 months 12 days ";
        QTest::newRow("all singular") << 1 << 1 << 1 << "1 year 1 month 1 day ";
        QTest::newRow("negative days left out") << 35 << 3 << -5 << "35 years 3 months ";
        QTest::newRow("years only") << 25 << 0 << 0 << "25 years ";
        QTest::newRow("nothing positive") << 0 << -1 << 0 << "";
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
};

QTEST_GUILESS_MAIN(TestDateDiff)
#include "tst_datediff.moc"
