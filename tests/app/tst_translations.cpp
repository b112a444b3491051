// The program speaks the desktop's language: its texts and Qt's own come from the translations built
// into it, English stays the source, and the settings file stays the same in every language.
#include "app/commandline.h"
#include "app/frmmain.h"
#include "app/translations.h"
#include "calc/datephrase.h"
#include "results/chartdata.h"
#include "results/report.h"
#include "results/weekmodel.h"
#include "guisupport.h"
#include "testsupport.h"
#include "widgets/prompts.h"
#include <QDialogButtonBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace testsupport;

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        installTranslations({});
        Prompts::setTestMode(false);
        resetSharedState();
    }

    void languageChosen_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("German desktop") << QStringList{QStringLiteral("de-DE"), QStringLiteral("de")} << "de";
        QTest::newRow("French of Canada") << QStringList{QStringLiteral("fr-CA")} << "fr";
        QTest::newRow("English first, German second")
            << QStringList{QStringLiteral("en-US"), QStringLiteral("de")} << "en";
        QTest::newRow("untranslated first, French second")
            << QStringList{QStringLiteral("es-ES"), QStringLiteral("fr")} << "fr";
        QTest::newRow("C locale") << QStringList{QStringLiteral("C")} << "en";
        QTest::newRow("nothing known") << QStringList{} << "en";
    }
    void languageChosen()
    {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QString, chosen);
        QCOMPARE(installTranslations(uiLanguages), chosen);
    }

    void keyTexts_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("next");
        QTest::addColumn<QString>("saveQuestion");
        QTest::addColumn<QString>("errorTitle");
        QTest::newRow("English") << "en"
                                 << "Step 1: Personal Biographical Information"
                                 << "&Next>>"
                                 << "Save changes before closing?"
                                 << "Error";
        QTest::newRow("German") << "de"
                                << "Schritt 1: Angaben zur Person"
                                << "&Weiter>>"
                                << "Änderungen vor dem Schließen speichern?"
                                << "Fehler";
        QTest::newRow("French") << "fr"
                                << "Étape 1\u00a0: informations personnelles"
                                << "&Suivant>>"
                                << "Enregistrer les modifications avant de fermer\u00a0?"
                                << "Erreur";
    }
    void keyTexts()
    {
        QFETCH(QString, language);
        QFETCH(QString, title);
        QFETCH(QString, next);
        QFETCH(QString, saveQuestion);
        QFETCH(QString, errorTitle);
        installTranslations({language});
        WindowTestScope scope;
        TfrmMain window;
        QCOMPARE(child<QLabel>(&window, "Label1")->text(), title);
        QCOMPARE(child<QPushButton>(&window, "btNext")->text(), next);
        Prompts::askSaveChanges(&window);
        Prompts::showError(&window, QStringLiteral("x"));
        QCOMPARE(Prompts::shown().size(), 2);
        QCOMPARE(Prompts::shown().at(0).text, saveQuestion);
        QCOMPARE(Prompts::shown().at(1).title, errorTitle);
    }

    // An age counted in days, in each language's plural forms.
    void agePlurals_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("daysOld");
        QTest::addColumn<QString>("expected");
        QTest::newRow("English, one day") << "en" << 1 << "Today   You are 1 day old";
        QTest::newRow("English, three days") << "en" << 3 << "Today   You are 3 days old";
        QTest::newRow("German, one day") << "de" << 1 << "Heute   Sie sind 1 Tag alt";
        QTest::newRow("German, three days") << "de" << 3 << "Heute   Sie sind 3 Tage alt";
        QTest::newRow("French, one day") << "fr" << 1 << "Aujourd'hui   Vous avez 1 jour";
        QTest::newRow("French, three days") << "fr" << 3 << "Aujourd'hui   Vous avez 3 jours";
    }
    void agePlurals()
    {
        QFETCH(QString, language);
        QFETCH(int, daysOld);
        QFETCH(QString, expected);
        installTranslations({language});
        fixClock(2025, 6, 11, 12, 0);
        QCOMPARE(dateWhenText(ymdValue(2025, 6, 11), ymdValue(2025, 6, 11 - daysOld)), expected);
    }

    // A key text of each area beyond the forms: the chart, the printed report, the weeks and the
    // command line's errors.
    void resultsAndCommandLine_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("chartTitle");
        QTest::addColumn<QString>("printed");
        QTest::addColumn<QString>("ageHeader");
        QTest::addColumn<QString>("ageError");
        QTest::newRow("English") << "en" << "Hours spent for Ann  Age: 40"
                                 << "Printed : " << "Age 3" << "The age '0' is not a whole number from 1 to 120.";
        QTest::newRow("German") << "de" << "Stunden von Ann  Age: 40"
                                << "Gedruckt: " << "Alter 3" << "Das Alter '0' ist keine ganze Zahl von 1 bis 120.";
        QTest::newRow("French") << "fr" << "Heures passées par Ann  Age: 40"
                                << "Imprimé le\u00a0: " << "\u00c2ge 3"
                                << "L'âge '0' n'est pas un nombre entier de 1 à 120.";
    }
    void resultsAndCommandLine()
    {
        QFETCH(QString, language);
        QFETCH(QString, chartTitle);
        QFETCH(QString, printed);
        QFETCH(QString, ageHeader);
        QFETCH(QString, ageError);
        installTranslations({language});
        QCOMPARE(::chartTitle(TableKind::Hours, QStringLiteral("Ann"), QStringLiteral("Age: 40"), QString()),
                 chartTitle);
        QVERIFY2(report::printedLine(ymdValue(2024, 3, 5)).startsWith(printed),
                 qPrintable(report::printedLine(ymdValue(2024, 3, 5))));
        const WeekModel weeks(LifeWeeks(ymdValue(1990, 3, 15), 10, ymdValue(2000, 1, 1), {}));
        QCOMPARE(weeks.headerData(3, Qt::Vertical, Qt::AccessibleTextRole).toString(), ageHeader);
        CommandLine options;
        QVERIFY(!options.parse({QStringLiteral("lifetally"), QStringLiteral("--age"), QStringLiteral("0")}));
        QCOMPARE(options.errorText(), ageError);
    }

    // Qt's own dialogs speak the language too, when its translations are installed.
    void qtsOwnTexts()
    {
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm")))
            QSKIP("Qt's German translations (qt6-translations-l10n) are not installed");
        installTranslations({QStringLiteral("de")});
        QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
    }

    // The settings file holds the entries, never the words of the screen: saved under any language,
    // it is the same file.
    void settingsFileIsTheSameInEveryLanguage()
    {
        const QByteArray entries =
            "[DOB]\nDate=3/15/1990\n[Name]\nname=Pat\n[Income]\nincome=1000000\n"
            "[Hours]\nCount=1\n[Hour1]\nDesc=Sleep\nHrMin=8 Hrs\nPer=Day\nStart=3/15/1990\nEnd=Now\n"
            "[Money]\nCount=1\n[Money1]\nDesc=Rent\nAmount=$800.00\nPer=Month\n"
            "Start=1/1/2010\nEnd=Now\n[Freq]\nCount=1\n[Freq1]\nDesc=Cinema\nAmount=2\n"
            "Per=Once\nStart=1/1/2012\nEnd=1/1/2012\n";
        QMap<QString, QByteArray> saved;
        for (const QString &language : {QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("fr")}) {
            installTranslations({language});
            WindowTestScope scope;
            scope.writeSettings(entries);
            {
                TfrmMain window;
                window.show();
                child<QLineEdit>(&window, "edName")->setText(QStringLiteral("Sam"));
                QVERIFY(window.saveWithoutQuestions());
            }
            saved.insert(language, scope.readSettings());
        }
        QVERIFY(saved.value(QStringLiteral("en")).contains("name=Sam"));
        QVERIFY(saved.value(QStringLiteral("en")).contains("Per=Month"));
        QCOMPARE(saved.value(QStringLiteral("de")), saved.value(QStringLiteral("en")));
        QCOMPARE(saved.value(QStringLiteral("fr")), saved.value(QStringLiteral("en")));
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
