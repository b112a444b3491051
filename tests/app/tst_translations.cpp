// The program speaks the desktop's language: its texts and Qt's own come from the translations built
// into it, English stays the source, and the settings file stays the same in every language.
#include "app/commandline.h"
#include "app/frmmain.h"
#include "app/translations.h"
#include "calc/datephrase.h"
#include "calc/datetext.h"
#include "calc/explain.h"
#include "calc/periodtext.h"
#include "guisupport.h"
#include "results/chartdata.h"
#include "results/frmweeks.h"
#include "results/report.h"
#include "results/weekmodel.h"
#include "tables/activitymodel.h"
#include "tables/frmtime.h"
#include "tables/tablecolumns.h"
#include "tables/tableexport.h"
#include "testsupport.h"
#include "widgets/prompts.h"
#include <QDialogButtonBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QPageSize>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
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
        QTest::newRow("English") << "en"
                                 << "Hours spent for Ann  Age: 40"
                                 << "Printed : "
                                 << "Age 3"
                                 << "The age '0' is not a whole number from 1 to 120.";
        QTest::newRow("German") << "de"
                                << "Stunden von Ann  Age: 40"
                                << "Gedruckt: "
                                << "Alter 3"
                                << "Das Alter '0' ist keine ganze Zahl von 1 bis 120.";
        QTest::newRow("French") << "fr"
                                << "Heures passées par Ann  Age: 40"
                                << "Imprimé le\u00a0: "
                                << "\u00c2ge 3"
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

    // The texts of the pure logic: an explanation with plurals, a strict conversion's message, a
    // column title, a duration as the tables show it and the form a date is typed in.
    void logicTexts_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("explanation");
        QTest::addColumn<QString>("columnTitle");
        QTest::addColumn<QString>("duration");
        QTest::addColumn<QString>("dateForm");
        QTest::newRow("English") << "en"
                                 << "1 hour 30 minutes a month × 3 months (1/1/2024 to 3/31/2024) = 5 hours\n"
                                    "This row cannot be counted: 'soon' is not a valid date."
                                 << "Start date"
                                 << "1 Hr 30 Mins"
                                 << "dd.mm.yyyy";
        QTest::newRow("German") << "de"
                                << "1 Stunde 30 Minuten pro Monat × 3 Monate (1/1/2024 bis 3/31/2024) = 5 Stunden\n"
                                   "Diese Zeile kann nicht gezählt werden: 'soon' ist kein gültiges Datum."
                                << "Beginn"
                                << "1 Std. 30 Min."
                                << "TT.MM.JJJJ";
        QTest::newRow("French") << "fr"
                                << "1 heure 30 minutes par mois × 3 mois (1/1/2024 à 3/31/2024) = 5 heures\n"
                                   "Cette ligne ne peut pas être comptée\u00a0: 'soon' n'est pas une date valide."
                                << "Début"
                                << "1 h 30 min"
                                << "jj.mm.aaaa";
    }
    void logicTexts()
    {
        QFETCH(QString, language);
        QFETCH(QString, explanation);
        QFETCH(QString, columnTitle);
        QFETCH(QString, duration);
        QFETCH(QString, dateForm);
        installTranslations({language});
        fixClock(2025, 6, 11, 12, 0);
        const QString amount = QStringLiteral("1 Hr 30 Mins");
        const QString month = QStringLiteral("Month");
        QCOMPARE(explainRow(TableKind::Hours, amount, month, QStringLiteral("1/1/2024"), QStringLiteral("3/31/2024"),
                            QStringLiteral("5"), 0, 0) +
                     QLatin1Char('\n') +
                     explainRow(TableKind::Hours, amount, month, QStringLiteral("soon"), NowText, QString(), 0, 0),
                 explanation);
        QCOMPARE(columnTitles(TableKind::Money).at(Column::Start), columnTitle);
        QCOMPARE(shownCellText(Column::Amount, amount), duration);
        QCOMPARE(shortDatePatternText(germanLocale()), dateForm);
    }

    // The window's CSV speaks the user's language; the command line's stays the file's English.
    void exportsForPeopleAndScripts()
    {
        installTranslations({QStringLiteral("de")});
        ActivityModel hours({});
        writeColumnTitles(hours, TableKind::Hours);
        hours.setRowTexts(1, {"Sleep", "8 Hrs", "Day", "3/15/1990", NowText, "1,000"});
        const ActivityModel none({});
        const QString forPeople =
            QString::fromUtf8(tableexport::csv(hours, tableexport::CsvStyle::regional(usLocale())));
        const QString forScripts = QString::fromUtf8(tableexport::csvAll(hours, none, none));
        QVERIFY2(forPeople.contains(QStringLiteral("Beginn")) && forPeople.contains(QStringLiteral("Summe (Zahl)")) &&
                     forPeople.contains(QStringLiteral("8 Std.,Tag,3/15/1990,Jetzt")),
                 qPrintable(forPeople));
        QVERIFY2(forScripts.startsWith(QStringLiteral("Table,Activity,Time/Amount/Frequency,Per,Start date,End date,"
                                                      "Total,Total (number)")) &&
                     forScripts.contains(QStringLiteral("8 Hrs,Day,3/15/1990,Now")),
                 qPrintable(forScripts));
    }

    // The Life in Weeks paper names the events its legend has no room for, in the plural they take.
    void moreEventsOnPaper_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("events");
        QTest::addColumn<QString>("line");
        QTest::newRow("English, one more") << "en" << 41 << "and 1 more event<";
        QTest::newRow("German, two more") << "de" << 42 << "und 2 weitere Ereignisse<";
        QTest::newRow("French, one more") << "fr" << 41 << "et 1 autre \u00e9v\u00e9nement<";
    }
    void moreEventsOnPaper()
    {
        QFETCH(QString, language);
        QFETCH(int, events);
        QFETCH(QString, line);
        installTranslations({language});
        LifeWeeks weeks(ymdValue(1990, 3, 15), 80, ymdValue(2025, 6, 10), {});
        QVector<WeekEvent> all;
        for (int e = 0; e < events; ++e)
            all.append({QStringLiteral("Event %1").arg(e), QString(), ymdValue(1995 + e % 30, 1 + e % 12, 1)});
        weeks.setEvents(all);
        TfrmWeeks window(weeks);
        window.setPaper(QPageSize(QPageSize::A4));
        QTemporaryDir dir;
        const QString svg = dir.filePath(QStringLiteral("weeks.svg"));
        window.saveImage(svg);
        QFile file(svg);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY2(QString::fromUtf8(file.readAll()).contains(line), qPrintable(line));
    }

    // A date the dialog cannot read says which form it wants in every language, not only in English.
    void unreadableDateSaysItsForm()
    {
        installTranslations({QStringLiteral("de")});
        WindowTestScope scope;
        TfrmTime dialog(QStringLiteral("3/15/1990"), ymdValue(1990, 3, 15));
        dialog.show();
        dialog.setRow({QStringLiteral("a"), QString(), QStringLiteral("Day"), QStringLiteral("2/30/2000"), NowText});
        click(&dialog, "btOK");
        QCOMPARE(Prompts::shown().size(), 1);
        QCOMPARE(Prompts::shown().first().text,
                 QStringLiteral("Das Anfangsdatum ist ungültig\nGeben Sie das Datum als M/T/JJJJ ein."));
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

    // The settings file holds the entries, never the words of the screen: opened, edited through the
    // dialogs and saved under any language, it is the same file; the tables show the user's words.
    void settingsFileIsTheSameInEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("shownHourRow"); // time, per, end
        QTest::newRow("German") << "de" << QStringList{"8 Std.", "Tag", "Jetzt"};
        QTest::newRow("French") << "fr" << QStringList{"8 h", "Jour", "En cours"};
        QTest::newRow("English") << "en" << QStringList{"8 Hrs", "Day", "Now"};
    }
    void settingsFileIsTheSameInEveryLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, shownHourRow);
        const QByteArray entries =
            "[DOB]\nDate=3/15/1990\n[Name]\nname=Pat\n[Income]\nincome=1000000\n"
            "[Hours]\nCount=1\n[Hour1]\nDesc=Sleep\nHrMin=8 Hrs\nPer=Day\nStart=3/15/1990\nEnd=Now\n"
            "[Money]\nCount=1\n[Money1]\nDesc=Rent\nAmount=$800.00\nPer=Month\n"
            "Start=1/1/2010\nEnd=Now\n[Freq]\nCount=1\n[Freq1]\nDesc=Cinema\nAmount=2\n"
            "Per=Once\nStart=1/1/2012\nEnd=1/1/2012\n";
        const auto savedUnder = [&entries](const QString &lang, QStringList *shown) {
            installTranslations({lang});
            WindowTestScope scope;
            scope.writeSettings(entries);
            {
                TfrmMain window;
                window.show();
                const QAbstractItemModel *hours = child<QTableView>(&window, "gridHours")->model();
                if (shown)
                    for (int col : {1, 2, 4})
                        *shown << hours->index(0, col).data().toString();
                child<QLineEdit>(&window, "edName")->setText(QStringLiteral("Sam"));
                // Every row through its dialog, taken back unchanged.
                for (const char *edit : {"btEdit1", "btEdit2", "btEdit3"}) {
                    answerNextDialog([](QDialog *dialog) { click(dialog, "btOK"); });
                    click(&window, edit);
                }
                if (!window.saveWithoutQuestions())
                    return QByteArray("not saved");
            }
            return scope.readSettings();
        };
        const QByteArray english = savedUnder(QStringLiteral("en"), nullptr);
        QVERIFY(english.contains("name=Sam"));
        QVERIFY(english.contains("Per=Month"));
        QStringList shown;
        QCOMPARE(savedUnder(language, &shown), english);
        QCOMPARE(shown, shownHourRow);
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
