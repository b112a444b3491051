#include "app/localesettings.h"
#include "support/testsupport.h"

#include <QTest>

class TestLocaleSettings : public QObject
{
    Q_OBJECT
private slots:
    void init() { testsupport::resetSharedState(); }
    void cleanup() { testsupport::resetSharedState(); }

    void cLocaleGivesEveryFallback()
    {
        const LocaleSettings s = LocaleSettings::fromQLocale(QLocale::c());
        QCOMPARE(s.shortDatePattern, QStringLiteral("m/d/yy"));
        QCOMPARE(s.dateSeparator, QLatin1Char('/'));
        QCOMPARE(s.longMonthNames.size(), 12);
        QCOMPARE(s.longMonthNames.first(), QStringLiteral("January"));
        QCOMPARE(s.timeSeparator, QLatin1Char(':'));
        QCOMPARE(s.longTimeFormat, QStringLiteral("h:mm:ss AMPM"));
        QCOMPARE(s.amText, QStringLiteral("am"));
        QCOMPARE(s.pmText, QStringLiteral("pm"));
        QCOMPARE(s.thousandsSeparator, QLatin1Char(','));
        QCOMPARE(s.decimalSeparator, QLatin1Char('.'));
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
        QTest::newRow("en_US") << "en_US" << "m/d/yy" << QChar('/') << "h:mm:ss AMPM" << QChar(',') << QChar('.')
                               << "$" << int(CurrencyPlacement::Before);
        QTest::newRow("de_DE") << "de_DE" << "dd/mm/yy" << QChar('.') << "hh:mm:ss" << QChar('.') << QChar(',')
                               << "€" << int(CurrencyPlacement::AfterWithBlank);
        QTest::newRow("nl_NL") << "nl_NL" << "dd/mm/yyyy" << QChar('-') << "hh:mm:ss" << QChar('.') << QChar(',')
                               << "€" << int(CurrencyPlacement::BeforeWithBlank);
        QTest::newRow("sv_SE year first") << "sv_SE" << "yyyy/mm/dd" << QChar('-') << "hh:mm:ss" << QChar(0x00A0)
                                          << QChar(',') << "kr" << int(CurrencyPlacement::AfterWithBlank);
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
};

QTEST_GUILESS_MAIN(TestLocaleSettings)
#include "tst_localesettings.moc"
