#include "calc/todayprices.h"
#include "support/testsupport.h"

#include <QTest>

using testsupport::ymdValue;

// Worked by hand on a small table: levels 100, 110, 121 for 2000 to 2002, 10 % a year after and
// before it, today 2 July 2003 at noon (the middle of 2003), so today's level is 121 × 1.1 = 133.1.
class TestTodayPrices : public QObject
{
    Q_OBJECT
    PriceSeries small() const
    {
        PriceSeries s;
        s.region = QStringLiteral("XX");
        s.firstYear = 2000;
        s.levels = {100, 110, 121};
        return s;
    }
    static DateValue today() { return ymdValue(2003, 7, 2) + 0.5; }
    static TotalBreakdown row(DateValue from, DateValue to, double total, PeriodBasis basis = PeriodBasis::Days)
    {
        TotalBreakdown b;
        b.kind = TableKind::Money;
        b.basis = basis;
        b.from = from;
        b.to = to;
        b.total = total;
        return b;
    }

private slots:
    void cleanup() { testsupport::resetSharedState(); }

    void workedCases_data()
    {
        QTest::addColumn<bool>("withTable");
        QTest::addColumn<TotalBreakdown>("row");
        QTest::addColumn<double>("expected");
        // clang-format off
        QTest::newRow("one year: 1,000 × 133.1/110")
            << true << row(ymdValue(2001, 1, 1), ymdValue(2002, 1, 1), 1000) << 1210.0;
        // 184 days of 2000 and 181 of 2001, 10 a day: 1,840 × 133.1/100 + 1,810 × 133.1/110.
        QTest::newRow("across a year's end")
            << true << row(ymdValue(2000, 7, 1), ymdValue(2001, 7, 1), 3650) << 2449.04 + 2190.1;
        QTest::newRow("once: all in its year, 500 × 133.1/121")
            << true << row(ymdValue(2002, 3, 15), ymdValue(2002, 3, 15), 500, PeriodBasis::Once) << 550.0;
        // 1998's level is 100 / 1.1², so 1,000 × 1.1⁵.
        QTest::newRow("before the table's first year")
            << true << row(ymdValue(1998, 1, 1), ymdValue(1999, 1, 1), 1000) << 1610.51;
        // 10 a day: 2002 × 1.1; 2003's level is today's, so factor 1 up to today; then face value.
        QTest::newRow("ending after today, looking ahead")
            << true << row(ymdValue(2002, 1, 1), ymdValue(2005, 1, 1), 10960) << 4015.0 + 3650 + 3660;
        QTest::newRow("once after today: face value")
            << true << row(ymdValue(2004, 5, 1), ymdValue(2004, 5, 1), 500, PeriodBasis::Once) << 500.0;
        QTest::newRow("no series: 1.1² from mid-2001 to mid-2003")
            << false << row(ymdValue(2001, 1, 1), ymdValue(2002, 1, 1), 1000) << 1210.0;
        // clang-format on
    }
    void workedCases()
    {
        QFETCH(bool, withTable);
        QFETCH(TotalBreakdown, row);
        QFETCH(double, expected);
        const PriceSeries series = small();
        const PriceBasis basis(withTable ? &series : nullptr, 10, today());
        QVERIFY2(qAbs(inTodaysPrices(row, basis) - expected) < 0.005,
                 qPrintable(QString::number(inTodaysPrices(row, basis), 'f', 4)));
    }

    void builtInTableAgainstItsSources_data()
    {
        QTest::addColumn<QString>("region");
        QTest::addColumn<int>("year");
        QTest::addColumn<double>("level");
        QTest::addColumn<double>("over"); // the year before's level times this
        QTest::newRow("CPI-U 2021 yearly mean") << "US" << 2021 << 270.970 << 0.0;
        QTest::newRow("CPI-U 2022: 1.080 over 2021") << "US" << 2022 << 292.655 << 1.080;
        QTest::newRow("CPI-U first year, 1913") << "US" << 1913 << 9.883 << 0.0;
        QTest::newRow("CDKO 2024") << "GB" << 2024 << 1525.5 << 0.0;
        QTest::newRow("CDKO 2025") << "GB" << 2025 << 1588.6 << 1.041;
        QTest::newRow("World Bank, Germany 2023: +5.95 %") << "DE" << 2023 << 0.0 << 1.0595;
        QTest::newRow("World Bank, France 2022: +5.22 %") << "FR" << 2022 << 0.0 << 1.0522;
    }
    void builtInTableAgainstItsSources()
    {
        QFETCH(QString, region);
        QFETCH(int, year);
        QFETCH(double, level);
        QFETCH(double, over);
        const PriceSeries *series = PriceTables::builtIn().find(region);
        QVERIFY(series);
        QVERIFY(!series->source.credit.isEmpty());
        const PriceBasis basis(series, 2, ymdValue(2026, 12, 10));
        if (level > 0)
            QCOMPARE(basis.levelOfYear(year), level);
        if (over > 0)
            QVERIFY2(qAbs(basis.levelOfYear(year) / basis.levelOfYear(year - 1) - over) < 0.0005,
                     qPrintable(QString::number(basis.levelOfYear(year) / basis.levelOfYear(year - 1))));
    }

    void todaysLevelCarriesTheLatestMonth()
    {
        // May 2026 (335.123, its middle at 2026 + 4.5/12) carried to 1 January 2027 at 3 %.
        const PriceBasis basis(PriceTables::builtIn().find(QStringLiteral("US")), 3, ymdValue(2027, 1, 1));
        QVERIFY(qAbs(basis.todayLevel() - 335.123 * std::pow(1.03, 7.5 / 12)) < 1e-6);
    }

    void regionOfTheAmounts_data()
    {
        QTest::addColumn<QString>("territory");
        QTest::addColumn<QString>("territoryCurrency");
        QTest::addColumn<QString>("amounts");
        QTest::addColumn<QString>("euroChoice");
        QTest::addColumn<QString>("region");
        QTest::newRow("own currency: own country") << "DE"
                                                   << "€"
                                                   << "€"
                                                   << ""
                                                   << "DE";
        QTest::newRow("dollars in Germany: U.S.") << "DE"
                                                  << "€"
                                                  << "$"
                                                  << ""
                                                  << "US";
        QTest::newRow("pounds in France: UK") << "FR"
                                              << "€"
                                              << "£"
                                              << ""
                                              << "GB";
        QTest::newRow("euros in the U.S.: default") << "US"
                                                    << "$"
                                                    << "€"
                                                    << ""
                                                    << "DE";
        QTest::newRow("euros in the U.S.: chosen") << "US"
                                                   << "$"
                                                   << "€"
                                                   << "FR"
                                                   << "FR";
        QTest::newRow("euros in France: own") << "FR"
                                              << "€"
                                              << "€"
                                              << "IT"
                                              << "FR";
        QTest::newRow("francs in Japan: Switzerland") << "JP"
                                                      << "¥"
                                                      << "CHF"
                                                      << ""
                                                      << "CH";
        QTest::newRow("zloty in the U.S.: Poland") << "US"
                                                   << "$"
                                                   << "zł"
                                                   << ""
                                                   << "PL";
        QTest::newRow("dollars where no country is set: U.S.") << ""
                                                               << "$"
                                                               << "$"
                                                               << ""
                                                               << "US";
        QTest::newRow("dollars in Europe as a whole: U.S.") << "150"
                                                            << "$"
                                                            << "$"
                                                            << ""
                                                            << "US";
        QTest::newRow("kronor of several countries: no home") << "US"
                                                              << "$"
                                                              << "kr"
                                                              << ""
                                                              << "";
        QTest::newRow("CFA francs of several countries: no home") << "US"
                                                                  << "$"
                                                                  << "XOF"
                                                                  << ""
                                                                  << "";
        QTest::newRow("unknown symbol: no home") << "US"
                                                 << "$"
                                                 << "¤"
                                                 << ""
                                                 << "";
    }
    void regionOfTheAmounts()
    {
        QFETCH(QString, territory);
        QFETCH(QString, territoryCurrency);
        QFETCH(QString, amounts);
        QFETCH(QString, euroChoice);
        QTEST(priceRegionFor(territory, territoryCurrency, amounts, euroChoice), "region");
    }

    void defaultRateIsTheLastTenYearsMean()
    {
        PriceSeries s = small();
        s.levels = {100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 200};
        QVERIFY(qAbs(priceRateFor({}, &s) - 100 * (std::pow(2.0, 0.1) - 1)) < 1e-9);
        QCOMPARE(priceRateFor({}, nullptr), NoTablePriceRate);
        PricesChoice own;
        own.rate = 80;
        QCOMPARE(priceRateFor(own, &s), MaxPriceRate);
    }

    void sentenceAndCell()
    {
        LocaleSettings::setCurrent(testsupport::usLocale());
        const PriceSeries series = small();
        const PriceBasis basis(&series, 10, today());
        const TotalBreakdown b = row(ymdValue(2001, 1, 1), ymdValue(2002, 1, 1), 1000);
        QCOMPARE(todayprices::sentence(b, basis),
                 QStringLiteral("In 2003 prices: $1,210 — prices rose 1.2 × since 2001 on average."));
        // Prices falling at the user's rate where there is no table.
        QCOMPARE(todayprices::sentence(b, PriceBasis(nullptr, -5, today())),
                 QStringLiteral("In 2003 prices: $902 — prices fell to 0.9 × those of 2001 on average."));
        TotalBreakdown shared = b;
        shared.share = 10;
        QCOMPARE(todayprices::shownTotalText(shared), QStringLiteral("$1,000 (10.00%)"));
        todayprices::setInForce(basis);
        QCOMPARE(todayprices::shownTotalText(shared), QStringLiteral("$1,210"));
    }
};

Q_DECLARE_METATYPE(TotalBreakdown)

QTEST_GUILESS_MAIN(TestTodayPrices)
#include "tst_todayprices.moc"
