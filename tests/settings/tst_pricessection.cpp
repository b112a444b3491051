#include "settings/inifile.h"
#include "settings/pricessection.h"

#include <QTest>

class TestPricesSection : public QObject
{
    Q_OBJECT
    static IniFile iniOf(const QByteArray &text)
    {
        IniFile ini{QString()};
        ini.parse(text);
        return ini;
    }

private slots:
    void reading_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("today");
        QTest::addColumn<double>("rate"); // -100: none
        QTest::addColumn<QString>("euroRegion");
        QTest::newRow("no section: as paid") << QByteArray("[DOB]\nDate=1/1/1970\n") << false << -100.0 << "";
        QTest::newRow("today with a rate") << QByteArray("[Prices]\nToday=1\nRate=3.5\n") << true << 3.5 << "";
        QTest::newRow("paid, negative rate") << QByteArray("[Prices]\nToday=0\nRate=-2\n") << false << -2.0 << "";
        QTest::newRow("rate above 50 %: not set") << QByteArray("[Prices]\nToday=1\nRate=60\n") << true << -100.0 << "";
        QTest::newRow("rate not a number") << QByteArray("[Prices]\nToday=yes\nRate=2,5\n") << false << -100.0 << "";
        QTest::newRow("euro country in lower case") << QByteArray("[Prices]\nRegion=fr\n") << false << -100.0 << "FR";
        QTest::newRow("no euro country") << QByteArray("[Prices]\nRegion=US\n") << false << -100.0 << "";
    }
    void reading()
    {
        QFETCH(QByteArray, file);
        QFETCH(double, rate);
        const PricesChoice choice = readPricesChoice(iniOf(file));
        QTEST(choice.today, "today");
        QCOMPARE(choice.rate.value_or(-100.0), rate);
        QTEST(choice.euroRegion, "euroRegion");
    }

    void writtenOnlyOnceChosen()
    {
        IniFile ini = iniOf("[DOB]\nDate=1/1/1970\n");
        writePricesChoice(ini, PricesChoice());
        QVERIFY(!ini.serialize().contains("Prices"));
        PricesChoice choice;
        choice.today = true;
        choice.rate = 2.25;
        writePricesChoice(ini, choice);
        QCOMPARE(readPricesChoice(ini), choice);
        // Back to the default, the section says so rather than keeping the old choice.
        writePricesChoice(ini, PricesChoice());
        QCOMPARE(readPricesChoice(ini), PricesChoice());
    }
};

QTEST_GUILESS_MAIN(TestPricesSection)
#include "tst_pricessection.moc"
