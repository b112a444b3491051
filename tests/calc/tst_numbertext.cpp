#include "calc/numbertext.h"
#include "support/testsupport.h"

#include <QTest>
#include <limits>

class TestNumberText : public QObject
{
    Q_OBJECT
private slots:
    void init() { testsupport::resetSharedState(); }
    void cleanup() { testsupport::resetSharedState(); }

    void rounding_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("expected");
        QTest::newRow("4.5 up") << 4.5 << 0 << "5";
        QTest::newRow("2.5 up, not to even") << 2.5 << 0 << "3";
        QTest::newRow("0.5 up") << 0.5 << 0 << "1";
        QTest::newRow("0.49999 down") << 0.49999 << 0 << "0";
        QTest::newRow("0.125 up at two places") << 0.125 << 2 << "0.13";
        QTest::newRow("0.005 up at two places") << 0.005 << 2 << "0.01";
        QTest::newRow("1.005 is below the half in binary") << 1.005 << 2 << "1.00";
        QTest::newRow("0.03 share") << 0.03 << 2 << "0.03";
        QTest::newRow("0.032 share") << 0.032 << 2 << "0.03";
        QTest::newRow("tiny positive share") << 1e-9 << 2 << "0.00";
        QTest::newRow("carry into new digit") << 999.5 << 0 << "1,000";
        QTest::newRow("carry through fraction") << 9.9996 << 2 << "10.00";
        QTest::newRow("25.714 hours") << 120.0 * 90 / 7 / 60 << 0 << "26";
        QTest::newRow("grouping") << 308918.0 << 0 << "308,918";
        QTest::newRow("grouping with decimals") << 1234567.891 << 2 << "1,234,567.89";
        QTest::newRow("zero") << 0.0 << 0 << "0";
        QTest::newRow("zero with decimals") << 0.0 << 2 << "0.00";
        QTest::newRow("negative half away from zero") << -2.5 << 0 << "-3";
        QTest::newRow("negative rounding to zero has no sign") << -0.4 << 0 << "0";
        QTest::newRow("1e15") << 1e15 << 0 << "1,000,000,000,000,000";
        QTest::newRow("near 1e15 with half") << 999999999999999.5 << 0 << "1,000,000,000,000,000";
        QTest::newRow("beyond 64-bit range") << 1e20 << 0 << "100,000,000,000,000,000,000";
    }
    void rounding()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(QString, expected);
        QCOMPARE(formatNumber(value, decimals), expected);
    }

    void formats_data()
    {
        QTest::addColumn<bool>("dmy");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("whole");
        QTest::addColumn<QString>("money");
        QTest::addColumn<QString>("share");
        QTest::newRow("us") << false << 1234.5 << "1,235" << "$1,235" << " (1,234.50%)";
        QTest::newRow("us small") << false << 12.345 << "12" << "$12" << " (12.35%)";
        QTest::newRow("dmy") << true << 1234.5 << "1.235" << "1.235 €" << " (1.234,50%)";
        QTest::newRow("dmy share") << true << 0.4 << "0" << "0 €" << " (0,40%)";
    }
    void formats()
    {
        QFETCH(bool, dmy);
        QFETCH(double, value);
        if (dmy)
            LocaleSettings::setCurrent(testsupport::dmyLocale());
        QTEST(formatWhole(value), "whole");
        QTEST(formatMoneyWhole(value), "money");
        QTEST(formatShare(value), "share");
    }

    void currencyPlacement_data()
    {
        QTest::addColumn<int>("placement");
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QString>("expected");
        QTest::newRow("before") << int(CurrencyPlacement::Before) << "$" << "$1,234.50";
        QTest::newRow("after") << int(CurrencyPlacement::After) << "kr" << "1,234.50kr";
        QTest::newRow("before with blank") << int(CurrencyPlacement::BeforeWithBlank) << "€" << "€ 1,234.50";
        QTest::newRow("after with blank") << int(CurrencyPlacement::AfterWithBlank) << "€" << "1,234.50 €";
        QTest::newRow("no symbol, no stray blank") << int(CurrencyPlacement::AfterWithBlank) << "" << "1,234.50";
    }
    void currencyPlacement()
    {
        QFETCH(int, placement);
        QFETCH(QString, symbol);
        LocaleSettings s = testsupport::usLocale();
        s.currencyPlacement = CurrencyPlacement(placement);
        s.currencySymbol = symbol;
        LocaleSettings::setCurrent(s);
        QTEST(formatMoney(1234.5, 2), "expected");
        QCOMPARE(formatMoney(-1234.5, 2), QLatin1Char('-') + formatMoney(1234.5, 2));
    }

    void notANumberDoesNotCrash()
    {
        QCOMPARE(formatWhole(std::numeric_limits<double>::quiet_NaN()), QStringLiteral("NAN"));
        QCOMPARE(formatMoneyWhole(-std::numeric_limits<double>::infinity()), QStringLiteral("-INF"));
        QCOMPARE(formatNumber(std::numeric_limits<double>::max(), 0).size(), 309 + 102);
    }
};

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
