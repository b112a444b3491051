#include "app/datetext.h"
#include "calc/conversionerror.h"
#include "support/testsupport.h"

#include <QTest>

class TestDateText : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        testsupport::resetSharedState();
        testsupport::fixClock(2025, 6, 10, 14);
    }
    void cleanup() { testsupport::resetSharedState(); }

    void strictConversion_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date"); // null: the text is not a date
        const QString mdy = QStringLiteral("m/d/yy");
        QTest::newRow("mdy full") << mdy << "3/5/1961" << QDate(1961, 3, 5);
        QTest::newRow("mdy no year: current year") << mdy << "3/5" << QDate(2025, 3, 5);
        QTest::newRow("mdy two-digit year: current century") << mdy << "3/5/61" << QDate(2061, 3, 5);
        QTest::newRow("mdy three-digit year below 100") << mdy << "3/5/061" << QDate(2061, 3, 5);
        QTest::newRow("1900 not leap") << mdy << "2/29/1900" << QDate();
        QTest::newRow("2000 leap") << mdy << "2/29/2000" << QDate(2000, 2, 29);
        QTest::newRow("blanks everywhere") << mdy << " 3 / 5 / 1961 " << QDate(1961, 3, 5);
        QTest::newRow("trailing separator") << mdy << "3/5/1961/" << QDate(1961, 3, 5);
        QTest::newRow("two numbers and trailing separator") << mdy << "3/5/" << QDate();
        QTest::newRow("other separator") << mdy << "3-5-1961" << QDate();
        QTest::newRow("month 13") << mdy << "13/5/1961" << QDate();
        QTest::newRow("day 0") << mdy << "3/0/1961" << QDate();
        QTest::newRow("empty") << mdy << "" << QDate();
        QTest::newRow("blanks only") << mdy << "   " << QDate();
        QTest::newRow("one number") << mdy << "3" << QDate();
        QTest::newRow("blank after separator then nothing") << mdy << "3/ " << QDate();
        QTest::newRow("five-digit year: leftover digit") << mdy << "3/5/19610" << QDate();
        QTest::newRow("leading zeros do not count") << mdy << "03/0005/0001961" << QDate(1961, 3, 5);
        QTest::newRow("year 9999") << mdy << "12/31/9999" << QDate(9999, 12, 31);
        QTest::newRow("tab is not a blank") << mdy << "\t3/5/1961" << QDate();
        QTest::newRow("letters after") << mdy << "3/5/1961x" << QDate();
        QTest::newRow("dmy full") << "dd/mm/yyyy" << "3/5/1961" << QDate(1961, 5, 3);
        QTest::newRow("dmy no year") << "dd/mm/yyyy" << "3/5" << QDate(2025, 5, 3);
        QTest::newRow("ymd") << "yyyy/mm/dd" << "1961/3/5" << QDate(1961, 3, 5);
        QTest::newRow("ymd no year: month then day") << "yyyy/mm/dd" << "3/5" << QDate(2025, 3, 5);
        QTest::newRow("no field letter: mdy") << "//" << "3/5/1961" << QDate(1961, 3, 5);
        QTest::newRow("upper-case letters") << "DD/MM/YY" << "3/5/1961" << QDate(1961, 5, 3);
    }
    void strictConversion()
    {
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
        QTest::newRow("m/d/yyyy") << "m/d/yyyy" << QChar('/') << "3/5/1961";
        QTest::newRow("yy written with four digits") << "m/d/yy" << QChar('/') << "3/5/1961";
        QTest::newRow("leading zeros") << "dd/mm/yyyy" << QChar('.') << "05.03.1961";
        QTest::newRow("other characters copied") << "yyyy-mm-dd" << QChar('/') << "1961-03-05";
        QTest::newRow("upper case pattern") << "MM/DD/YY" << QChar('/') << "03/05/1961";
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
        QTest::newRow("us") << testsupport::usLocale();
        QTest::newRow("us with two-digit year pattern") << twoDigit;
        QTest::newRow("dmy") << testsupport::dmyLocale();
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
        QTest::newRow("afternoon") << "h:mm:ss AMPM" << 15 << "3:07:09 PM";
        QTest::newRow("midnight is 12 am") << "h:mm:ss AMPM" << 0 << "12:07:09 AM";
        QTest::newRow("noon is 12 pm") << "h:mm:ss AMPM" << 12 << "12:07:09 PM";
        QTest::newRow("24-hour with zero") << "hh:mm:ss" << 7 << "07.07.09";
        QTest::newRow("24-hour evening") << "h:mm:ss" << 23 << "23.07.09";
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

    void monthNames()
    {
        QCOMPARE(longMonthName(1), QStringLiteral("January"));
        LocaleSettings::setCurrent(testsupport::dmyLocale());
        QCOMPARE(longMonthName(3), QStringLiteral("März"));
        QCOMPARE(longMonthName(13), QString());
    }
};

Q_DECLARE_METATYPE(LocaleSettings)
QTEST_GUILESS_MAIN(TestDateText)
#include "tst_datetext.moc"
