#include "calc/conversionerror.h"
#include "calc/datetext.h"
#include "calc/localesettings.h"
#include "support/testsupport.h"

#include <QTest>

Q_DECLARE_METATYPE(LocaleSettings)

class TestDateText : public QObject
{
    Q_OBJECT
private slots:
    void init() { testsupport::resetSharedState(); }
    void cleanup() { testsupport::resetSharedState(); }

    void cLocaleGivesEveryFallback()
    {
        const LocaleSettings s = LocaleSettings::fromQLocale(QLocale::c());
        QCOMPARE(s.shortDatePattern, QStringLiteral("m/d/yy"));
        QCOMPARE(s.longMonthNames.first(), QStringLiteral("January"));
        QCOMPARE(s.longTimeFormat, QStringLiteral("h:mm:ss AMPM"));
        QCOMPARE(s.amText, QStringLiteral("am"));
        QCOMPARE(s.currencySymbol, QString());
        QCOMPARE(s.currencyPlacement, CurrencyPlacement::Before);
    }

    void fromLocale_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QString>("timeFormat");
        QTest::addColumn<QChar>("thousands");
        QTest::addColumn<QChar>("decimal");
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<int>("placement");
        // clang-format off
        QTest::newRow("en_US") << "en_US" << "m/d/yy" << QChar('/') << "h:mm:ss AMPM" << QChar(',') << QChar('.')
            << "$" << int(CurrencyPlacement::Before);
        QTest::newRow("de_DE") << "de_DE" << "dd/mm/yy" << QChar('.') << "hh:mm:ss" << QChar('.') << QChar(',')
            << "€" << int(CurrencyPlacement::AfterWithBlank);
        QTest::newRow("nl_NL") << "nl_NL" << "dd/mm/yyyy" << QChar('-') << "hh:mm:ss" << QChar('.') << QChar(',')
            << "€" << int(CurrencyPlacement::BeforeWithBlank);
        QTest::newRow("sv_SE year first") << "sv_SE" << "yyyy/mm/dd" << QChar('-') << "hh:mm:ss" << QChar(0x00A0)
            << QChar(',') << "kr" << int(CurrencyPlacement::AfterWithBlank);
        // clang-format on
    }
    void fromLocale()
    {
        QFETCH(QString, name);
        const LocaleSettings s = LocaleSettings::fromQLocale(QLocale(name));
        QTEST(s.shortDatePattern, "pattern");
        QTEST(s.dateSeparator, "separator");
        QTEST(s.longTimeFormat, "timeFormat");
        QTEST(s.thousandsSeparator, "thousands");
        QTEST(s.decimalSeparator, "decimal");
        QTEST(s.currencySymbol, "symbol");
        QTEST(int(s.currencyPlacement), "placement");
        QCOMPARE(s.longMonthNames.size(), 12);
    }

    // Every part of the regional format comes from its own category, never from the interface
    // language: English menus with German formats, or the reverse, keep the region's money.
    void fromEnvironment_data()
    {
        QTest::addColumn<QStringList>("environment"); // NAME=value pairs; the rest unset
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QChar>("decimal");
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<int>("placement");
        const int after = int(CurrencyPlacement::AfterWithBlank);
        const int before = int(CurrencyPlacement::Before);
        // clang-format off
        QTest::newRow("German region, English messages")
            << QStringList{"LANG=de_DE.UTF-8", "LC_MESSAGES=en_US.UTF-8"} << "dd/mm/yy" << QChar(',') << "€" << after;
        QTest::newRow("U.S. region, German interface language")
            << QStringList{"LC_ALL=en_US.UTF-8", "LANGUAGE=de"} << "m/d/yy" << QChar('.') << "$" << before;
        QTest::newRow("LC_ALL over the categories")
            << QStringList{"LC_ALL=de_DE.UTF-8", "LC_MONETARY=en_US.UTF-8"} << "dd/mm/yy" << QChar(',') << "€" << after;
        QTest::newRow("each category its own")
            << QStringList{"LANG=en_US.UTF-8", "LC_TIME=de_DE.UTF-8", "LC_MONETARY=de_DE.UTF-8"}
            << "dd/mm/yy" << QChar('.') << "€" << after;
        QTest::newRow("nothing set") << QStringList{} << "m/d/yy" << QChar('.') << "" << before;
        // clang-format on
    }
    void fromEnvironment()
    {
        QFETCH(QStringList, environment);
        const char *names[] = {"LC_ALL", "LC_TIME", "LC_NUMERIC", "LC_MONETARY", "LC_MESSAGES", "LANG", "LANGUAGE"};
        QHash<QByteArray, QByteArray> saved;
        for (const char *name : names) {
            saved.insert(name, qgetenv(name));
            qunsetenv(name);
        }
        for (const QString &pair : environment)
            qputenv(pair.section('=', 0, 0).toLatin1(), pair.section('=', 1).toLatin1());
        const LocaleSettings s = LocaleSettings::fromEnvironment();
        for (auto it = saved.cbegin(); it != saved.cend(); ++it)
            it.value().isNull() ? qunsetenv(it.key()) : qputenv(it.key(), it.value());
        QTEST(s.shortDatePattern, "pattern");
        QTEST(s.decimalSeparator, "decimal");
        QTEST(s.currencySymbol, "symbol");
        QTEST(int(s.currencyPlacement), "placement");
    }

    void strictConversion_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date"); // null: the text is not a date
        const QString mdy = QStringLiteral("m/d/yy");
        // clang-format off
        QTest::newRow("mdy full") << mdy << "3/5/1961" << QDate(1961, 3, 5);
        QTest::newRow("mdy no year: current year") << mdy << "3/5" << QDate(2025, 3, 5);
        QTest::newRow("mdy two-digit year: current century") << mdy << "3/5/61" << QDate(2061, 3, 5);
        QTest::newRow("1900 not leap") << mdy << "2/29/1900" << QDate();
        QTest::newRow("2000 leap") << mdy << "2/29/2000" << QDate(2000, 2, 29);
        QTest::newRow("blanks everywhere") << mdy << " 3 / 5 / 1961 " << QDate(1961, 3, 5);
        QTest::newRow("trailing separator") << mdy << "3/5/1961/" << QDate(1961, 3, 5);
        QTest::newRow("two numbers and trailing separator") << mdy << "3/5/" << QDate();
        QTest::newRow("other separator") << mdy << "3-5-1961" << QDate();
        QTest::newRow("month 13") << mdy << "13/5/1961" << QDate();
        QTest::newRow("empty") << mdy << "" << QDate();
        QTest::newRow("blanks only") << mdy << "   " << QDate();
        QTest::newRow("blank after separator then nothing") << mdy << "3/ " << QDate();
        QTest::newRow("five-digit year: leftover digit") << mdy << "3/5/19610" << QDate();
        QTest::newRow("leading zeros do not count") << mdy << "03/0005/0001961" << QDate(1961, 3, 5);
        QTest::newRow("dmy full") << "dd/mm/yyyy" << "3/5/1961" << QDate(1961, 5, 3);
        QTest::newRow("ymd") << "yyyy/mm/dd" << "1961/3/5" << QDate(1961, 3, 5);
        QTest::newRow("no field letter: mdy") << "//" << "3/5/1961" << QDate(1961, 3, 5);
        QTest::newRow("upper-case letters") << "DD/MM/YY" << "3/5/1961" << QDate(1961, 5, 3);
        // clang-format on
    }
    void strictConversion()
    {
        testsupport::fixClock(2025, 6, 10, 14);
        QFETCH(QString, pattern);
        QFETCH(QString, text);
        QFETCH(QDate, date);
        LocaleSettings s = testsupport::usLocale();
        s.shortDatePattern = pattern;
        LocaleSettings::setCurrent(s);
        if (date.isValid()) {
            QCOMPARE(toQDate(strToDate(text)), date);
            return;
        }
        try {
            strToDate(text);
            QFAIL("no error raised");
        } catch (const ConversionError &e) {
            QCOMPARE(e.message(), QStringLiteral("'%1' is not a valid date").arg(text));
        }
    }

    void dmyLocaleUsesItsSeparator()
    {
        testsupport::fixClock(2025, 6, 10, 14);
        LocaleSettings::setCurrent(testsupport::dmyLocale());
        QCOMPARE(toQDate(strToDate(QStringLiteral("3.5.1961"))), QDate(1961, 5, 3));
        QCOMPARE(toQDate(strToDate(QStringLiteral("3.5"))), QDate(2025, 5, 3));
        QVERIFY_THROWS_EXCEPTION(ConversionError, strToDate(QStringLiteral("3/5/1961")));
    }

    void shortText_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QString>("text");
        // clang-format off
        QTest::newRow("m/d/yyyy") << "m/d/yyyy" << QChar('/') << "3/5/1961";
        QTest::newRow("yy written with four digits") << "m/d/yy" << QChar('/') << "3/5/1961";
        QTest::newRow("leading zeros") << "dd/mm/yyyy" << QChar('.') << "05.03.1961";
        // clang-format on
    }
    void shortText()
    {
        QFETCH(QString, pattern);
        QFETCH(QChar, separator);
        LocaleSettings s = testsupport::usLocale();
        s.shortDatePattern = pattern;
        s.dateSeparator = separator;
        LocaleSettings::setCurrent(s);
        QTEST(shortDateText(encodeDate(1961, 3, 5) + 0.7), "text");
    }

    void everyWrittenDayReadsBack_data()
    {
        QTest::addColumn<LocaleSettings>("locale");
        LocaleSettings twoDigit = testsupport::usLocale();
        twoDigit.shortDatePattern = QStringLiteral("m/d/yy");
        // clang-format off
        QTest::newRow("us") << testsupport::usLocale();
        QTest::newRow("us with two-digit year pattern") << twoDigit;
        QTest::newRow("dmy") << testsupport::dmyLocale();
        // clang-format on
    }
    void everyWrittenDayReadsBack()
    {
        QFETCH(LocaleSettings, locale);
        LocaleSettings::setCurrent(locale);
        const int first = int(encodeDate(1900, 1, 1));
        const int last = int(encodeDate(2100, 12, 31));
        for (int day = first; day <= last; ++day) {
            DateValue back = -1;
            if (!tryStrToDate(shortDateText(day), back) || back != day)
                QFAIL(qPrintable(QStringLiteral("%1 does not read back").arg(shortDateText(day))));
        }
    }

    void longTime_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("hour");
        QTest::addColumn<QString>("text");
        // clang-format off
        QTest::newRow("afternoon") << "h:mm:ss AMPM" << 15 << "3:07:09 PM";
        QTest::newRow("midnight is 12 am") << "h:mm:ss AMPM" << 0 << "12:07:09 AM";
        QTest::newRow("24-hour with zero") << "hh:mm:ss" << 7 << "07.07.09";
        // clang-format on
    }
    void longTime()
    {
        QFETCH(QString, format);
        QFETCH(int, hour);
        LocaleSettings s = testsupport::usLocale();
        s.longTimeFormat = format;
        if (!format.contains(QLatin1String("AMPM")))
            s.timeSeparator = QLatin1Char('.');
        LocaleSettings::setCurrent(s);
        QTEST(longTimeText(encodeDate(2024, 1, 1) + (hour * 3600 + 7 * 60 + 9) / 86400.0), "text");
    }
};

QTEST_GUILESS_MAIN(TestDateText)
#include "tst_datetext.moc"
