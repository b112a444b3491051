#include "calc/conversionerror.h"
#include "calc/numbertext.h"
#include "calc/periodtext.h"
#include "calc/strictnumber.h"
#include "support/testsupport.h"

#include <QRandomGenerator>
#include <QTest>
#include <cmath>

Q_DECLARE_METATYPE(CurrencyPlacement)

class TestTexts : public QObject
{
    Q_OBJECT
private slots:
    void init() { testsupport::resetSharedState(); }
    void cleanup() { testsupport::resetSharedState(); }

    void digitsOnly_data()
    {
        QTest::addColumn<bool>("dmy");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("money") << false << "$7.25" << "7.25";
        QTest::newRow("total with share") << false << "12 (5.5%)" << "125.5";
        QTest::newRow("thousands") << false << "1,000" << "1000";
        QTest::newRow("dmy keeps comma, drops dot") << true << "1.234,50 €" << "1234,50";
        // clang-format on
    }
    void digitsOnly()
    {
        QFETCH(bool, dmy);
        QFETCH(QString, text);
        if (dmy)
            LocaleSettings::setCurrent(testsupport::dmyLocale());
        QTEST(::digitsOnly(text), "expected");
    }

    void durationRoundTrip_data()
    {
        QTest::addColumn<int>("hours");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("text");
        // clang-format off
        QTest::newRow("nothing") << 0 << 0 << "0 Hr 0 Min";
        QTest::newRow("one hour, no trailing blank") << 1 << 0 << "1 Hr";
        QTest::newRow("hours only") << 3 << 0 << "3 Hrs";
        QTest::newRow("minutes only") << 0 << 45 << "45 Mins";
        QTest::newRow("one and one") << 1 << 1 << "1 Hr 1 Min";
        QTest::newRow("hours and minutes") << 2 << 30 << "2 Hrs 30 Mins";
        // clang-format on
    }
    void durationRoundTrip()
    {
        QFETCH(int, hours);
        QFETCH(int, minutes);
        QFETCH(QString, text);
        QCOMPARE(durationText(hours, minutes), text);
        QCOMPARE(hoursOf(text), hours);
        QCOMPARE(minutesOf(text), minutes);
    }

    void periodWordsAreCaseSensitive()
    {
        QCOMPARE(periodIndex("Year"), 3);
        QCOMPARE(periodIndex("day"), 4);
        QCOMPARE(periodIndex("Days"), 4);
        QVERIFY(isDay("Days"));
        QVERIFY(!isDay("day"));
        QCOMPARE(periodName(-1), QStringLiteral("Once"));
        QCOMPARE(strToInt(QStringLiteral(" -0x1f")), -31); // the rest of the integer rule: settings file tests
    }

    void wordAt_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("word");
        // clang-format off
        QTest::newRow("third") << "2 Hrs 30 Mins" << 3 << "30";
        QTest::newRow("leading blank: empty first word") << " 2 Hrs" << 1 << "";
        QTest::newRow("two blanks: empty second word") << "a  b" << 2 << "";
        QTest::newRow("two blanks: third is the second word") << "a  b" << 3 << "b";
        QTest::newRow("control characters trimmed") << "\t5\t Hrs" << 1 << "5";
        // clang-format on
    }
    void wordAt()
    {
        QFETCH(QString, text);
        QFETCH(int, n);
        QTEST(::wordAt(text, n), "word");
    }

    void durationWordNotInteger()
    {
        try {
            hoursOf(QStringLiteral(" 2 Hrs"));
            QFAIL("no error raised");
        } catch (const ConversionError &e) {
            QCOMPARE(e.message(), QStringLiteral("'' is not a valid integer value"));
        }
        QVERIFY_THROWS_EXCEPTION(ConversionError, minutesOf(QStringLiteral("2 Hrs y Mins")));
    }

    void strictReal_data()
    {
        QTest::addColumn<bool>("dmy");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<double>("value");
        // clang-format off
        QTest::newRow("blanks both ends") << false << "  7.25 " << true << 7.25;
        QTest::newRow("leading point") << false << ".5" << true << 0.5;
        QTest::newRow("dmy rejects dot") << true << "1234.5" << false << 0.0;
        QTest::newRow("empty") << false << "" << false << 0.0;
        QTest::newRow("two points") << false << "1.2.3" << false << 0.0;
        QTest::newRow("out of range") << false << "1e999" << false << 0.0;
        // clang-format on
    }
    void strictReal()
    {
        QFETCH(bool, dmy);
        QFETCH(QString, text);
        QFETCH(bool, valid);
        if (dmy)
            LocaleSettings::setCurrent(testsupport::dmyLocale());
        double got = 0;
        QCOMPARE(tryStrToFloat(text, got), valid);
        if (valid) {
            QTEST(got, "value");
            return;
        }
        try {
            strToFloat(text);
            QFAIL("no error raised");
        } catch (const ConversionError &e) {
            QCOMPARE(e.message(), QStringLiteral("'%1' is not a valid floating point value").arg(text));
        }
    }

    void rounding_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("4.5 up") << 4.5 << 0 << "5";
        QTest::newRow("2.5 up, not to even") << 2.5 << 0 << "3";
        QTest::newRow("0.5 up") << 0.5 << 0 << "1";
        QTest::newRow("0.125 up at two places") << 0.125 << 2 << "0.13";
        QTest::newRow("0.005 up at two places") << 0.005 << 2 << "0.01";
        QTest::newRow("1.005 lies below the half in binary") << 1.005 << 2 << "1.00";
        QTest::newRow("tiny positive share") << 1e-9 << 2 << "0.00";
        QTest::newRow("carry into a new digit and group") << 999.5 << 0 << "1,000";
        QTest::newRow("carry through the fraction") << 9.9996 << 2 << "10.00";
        QTest::newRow("grouping with decimals") << 1234567.891 << 2 << "1,234,567.89";
        QTest::newRow("negative half away from zero") << -2.5 << 0 << "-3";
        QTest::newRow("negative rounding to zero has no sign") << -0.4 << 0 << "0";
        QTest::newRow("half near 1e15") << 999999999999999.5 << 0 << "1,000,000,000,000,000";
        QTest::newRow("beyond the 64-bit range") << 1e20 << 0 << "100,000,000,000,000,000,000";
        // clang-format on
    }
    void rounding()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QTEST(formatNumber(value, decimals), "expected");
    }

    // Away from a tie, the shown digits are the value correctly rounded, whatever way they are found.
    void roundingAwayFromTiesIsCorrectRounding()
    {
        QRandomGenerator random(20261209);
        for (int i = 0; i < 20000; ++i) {
            const int decimals = i % 2 ? 2 : 0;
            const double value = std::ldexp(random.generateDouble(), random.bounded(-10, 40));
            const QString wider = QString::number(value, 'f', decimals + 4);
            const QStringView beyond = QStringView(wider).right(4);
            if (beyond.startsWith(QLatin1String("50")) || beyond.startsWith(QLatin1String("49")))
                continue;
            QString shown = formatNumber(value, decimals);
            shown.remove(QLatin1Char(','));
            QCOMPARE(shown, QString::number(value, 'f', decimals));
        }
    }

    void currencyPlacement_data()
    {
        QTest::addColumn<CurrencyPlacement>("placement");
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("before") << CurrencyPlacement::Before << "$" << "$1,234.50";
        QTest::newRow("after") << CurrencyPlacement::After << "kr" << "1,234.50kr";
        QTest::newRow("before with blank") << CurrencyPlacement::BeforeWithBlank << "€" << "€ 1,234.50";
        QTest::newRow("after with blank") << CurrencyPlacement::AfterWithBlank << "€" << "1,234.50 €";
        QTest::newRow("no symbol, no stray blank") << CurrencyPlacement::AfterWithBlank << "" << "1,234.50";
        // clang-format on
    }
    void currencyPlacement()
    {
        LocaleSettings s = testsupport::usLocale();
        QFETCH(CurrencyPlacement, placement);
        QFETCH(QString, symbol);
        s.currencyPlacement = placement;
        s.currencySymbol = symbol;
        LocaleSettings::setCurrent(s);
        QTEST(formatMoney(1234.5, 2), "expected");
        QCOMPARE(formatMoney(-1234.5, 2), QLatin1Char('-') + formatMoney(1234.5, 2));
    }
};

QTEST_GUILESS_MAIN(TestTexts)
#include "tst_texts.moc"
