#include "calc/conversionerror.h"
#include "calc/periodtext.h"
#include "support/testsupport.h"

#include <QTest>

class TestPeriodText : public QObject
{
    Q_OBJECT
private slots:
    void init() { testsupport::resetSharedState(); }
    void cleanup() { testsupport::resetSharedState(); }

    void pluralSuffixOnlyOmitsOne()
    {
        QCOMPARE(pluralSuffix(0), QStringLiteral("s"));
        QCOMPARE(pluralSuffix(1), QString());
        QCOMPARE(pluralSuffix(2), QStringLiteral("s"));
        QCOMPARE(pluralSuffix(21), QStringLiteral("s"));
        QCOMPARE(pluralSuffix(-1), QStringLiteral("s"));
    }

    void digitsOnly_data()
    {
        QTest::addColumn<bool>("dmy");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("us money") << false << "$7.25" << "7.25";
        QTest::newRow("us total with share") << false << "12 (5.5%)" << "125.5";
        QTest::newRow("us thousands") << false << "1,000" << "1000";
        QTest::newRow("empty") << false << "" << "";
        QTest::newRow("only letters") << false << "Once" << "";
        QTest::newRow("only symbol") << false << "$" << "";
        QTest::newRow("dmy keeps comma drops dot") << true << "1.234,50 €" << "1234,50";
        QTest::newRow("non-ASCII digits dropped") << false << "\u0661\u0662" << "";
    }
    void digitsOnly()
    {
        QFETCH(bool, dmy);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        if (dmy)
            LocaleSettings::setCurrent(testsupport::dmyLocale());
        QCOMPARE(::digitsOnly(text), expected);
    }

    void durationRoundTrip_data()
    {
        QTest::addColumn<int>("hours");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("text");
        QTest::newRow("nothing") << 0 << 0 << "0 Hr 0 Min";
        QTest::newRow("one hour, no trailing blank") << 1 << 0 << "1 Hr";
        QTest::newRow("hours only") << 3 << 0 << "3 Hrs";
        QTest::newRow("one minute") << 0 << 1 << "1 Min";
        QTest::newRow("minutes only") << 0 << 45 << "45 Mins";
        QTest::newRow("one and one") << 1 << 1 << "1 Hr 1 Min";
        QTest::newRow("one hour five minutes") << 1 << 5 << "1 Hr 5 Mins";
        QTest::newRow("hours and minutes") << 2 << 30 << "2 Hrs 30 Mins";
        QTest::newRow("many hours one minute") << 24 << 1 << "24 Hrs 1 Min";
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

    void periodWords()
    {
        QCOMPARE(periodFromChoice(true, true), QStringLiteral("Day"));
        QCOMPARE(periodFromChoice(false, true), QStringLiteral("Week"));
        QCOMPARE(periodFromChoice(false, false), QStringLiteral("Month"));
        const QStringList names = {"Day", "Week", "Month", "Year", "Once"};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(periodName(i), names[i]);
            QCOMPARE(periodIndex(names[i]), i);
        }
        QCOMPARE(periodName(-1), QStringLiteral("Once"));
        QCOMPARE(periodName(7), QStringLiteral("Once"));
        // Equality, case-sensitive, for the index; substring for the tests.
        QCOMPARE(periodIndex("day"), 4);
        QCOMPARE(periodIndex("Days"), 4);
        QCOMPARE(periodIndex(""), 4);
        QVERIFY(isDay("Days"));
        QVERIFY(!isDay("day"));
        QVERIFY(isWeek("Every Week"));
        QVERIFY(isMonth("Month"));
        QVERIFY(isYear("Yearly"));
        QVERIFY(isOnce("Once only"));
        QVERIFY(!isOnce("once"));
    }

    void wordAt_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("word");
        QTest::newRow("first") << "2 Hrs 30 Mins" << 1 << "2";
        QTest::newRow("third") << "2 Hrs 30 Mins" << 3 << "30";
        QTest::newRow("beyond the end") << "2 Hrs" << 5 << "";
        QTest::newRow("leading blank gives empty first word") << " 2 Hrs" << 1 << "";
        QTest::newRow("two blanks: empty second word") << "a  b" << 2 << "";
        QTest::newRow("two blanks: third is second word") << "a  b" << 3 << "b";
        QTest::newRow("control characters trimmed") << "\t5\t Hrs" << 1 << "5";
    }
    void wordAt()
    {
        QFETCH(QString, text);
        QFETCH(int, n);
        QFETCH(QString, word);
        QCOMPARE(::wordAt(text, n), word);
    }

    void durationWordNotInteger_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("leading blank") << " 2 Hrs" << "'' is not a valid integer value";
        QTest::newRow("letters") << "x Hrs 5 Mins" << "'x' is not a valid integer value";
        QTest::newRow("minutes word") << "2 Hrs y Mins" << "'y' is not a valid integer value";
    }
    void durationWordNotInteger()
    {
        QFETCH(QString, text);
        QFETCH(QString, message);
        try {
            (void)(hoursOf(text) + minutesOf(text));
            QFAIL("no error raised");
        } catch (const ConversionError &e) {
            QCOMPARE(e.message(), message);
        }
    }

    void strictInteger_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << "42" << true << 42;
        QTest::newRow("leading blanks and sign") << "  -17" << true << -17;
        QTest::newRow("plus sign") << "+5" << true << 5;
        QTest::newRow("dollar hex") << "$FF" << true << 255;
        QTest::newRow("0x hex") << "0x1f" << true << 31;
        QTest::newRow("negative hex") << "-$10" << true << -16;
        QTest::newRow("max") << "2147483647" << true << 2147483647;
        QTest::newRow("min") << "-2147483648" << true << int(-2147483647 - 1);
        QTest::newRow("above max") << "2147483648" << false << 0;
        QTest::newRow("hex above max") << "$80000000" << false << 0;
        QTest::newRow("trailing blank") << "5 " << false << 0;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("sign only") << "-" << false << 0;
        QTest::newRow("dollar only") << "$" << false << 0;
        QTest::newRow("decimal point") << "1.5" << false << 0;
        QTest::newRow("huge digits do not wrap") << "99999999999999999999" << false << 0;
    }
    void strictInteger()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(int, value);
        int got = -99;
        QCOMPARE(tryStrToInt(text, got), valid);
        if (valid)
            QCOMPARE(got, value);
        else
            QVERIFY_THROWS_EXCEPTION(ConversionError, strToInt(text));
    }

    void strictReal_data()
    {
        QTest::addColumn<bool>("dmy");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<double>("value");
        QTest::newRow("us decimal") << false << "1234.5" << true << 1234.5;
        QTest::newRow("blanks both ends") << false << "  7.25 " << true << 7.25;
        QTest::newRow("exponent") << false << "-1.5e3" << true << -1500.0;
        QTest::newRow("trailing point") << false << "5." << true << 5.0;
        QTest::newRow("leading point") << false << ".5" << true << 0.5;
        QTest::newRow("dmy comma") << true << "1234,5" << true << 1234.5;
        QTest::newRow("dmy rejects dot") << true << "1234.5" << false << 0.0;
        QTest::newRow("empty") << false << "" << false << 0.0;
        QTest::newRow("point only") << false << "." << false << 0.0;
        QTest::newRow("two points") << false << "1.2.3" << false << 0.0;
        QTest::newRow("exponent without digits") << false << "1e" << false << 0.0;
        QTest::newRow("inf word") << false << "inf" << false << 0.0;
        QTest::newRow("out of range") << false << "1e999" << false << 0.0;
    }
    void strictReal()
    {
        QFETCH(bool, dmy);
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(double, value);
        if (dmy)
            LocaleSettings::setCurrent(testsupport::dmyLocale());
        double got = -99;
        QCOMPARE(tryStrToFloat(text, got), valid);
        if (valid) {
            QCOMPARE(got, value);
        } else {
            try {
                strToFloat(text);
                QFAIL("no error raised");
            } catch (const ConversionError &e) {
                QCOMPARE(e.message(), QStringLiteral("'%1' is not a valid floating point value").arg(text));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestPeriodText)
#include "tst_periodtext.moc"
