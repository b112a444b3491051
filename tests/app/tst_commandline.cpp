// The command line: each option's exit status and output from the program itself, run without a
// display; and the report it writes, the same pages as the one printed from the window.
#include "app/batchexport.h"
#include "app/frmmain.h"
#include "guisupport.h"
#include "results/printerchoice.h"
#include "settings/settingsfile.h"
#include "support/pdftext.h"
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <unistd.h>

using namespace testsupport;

namespace {
const QByteArray Bio = "[DOB]\nDate=3/15/1956\n[Name]\nname=Ann Lee\n[Income]\nincome=1000000\n";
const QByteArray Settings = Bio + "[Hours]\nCount=2\n"
                                  "[Hour1]\nDesc=Sleeping\nHrMin=8 Hrs\nPer=Day\nStart=3/15/1956\nEnd=Now\n"
                                  "[Hour2]\nDesc=Eating\nHrMin=1 Hr 30 Mins\nPer=Day\nStart=1/1/2000\nEnd=1/1/2010\n"
                                  "[Money]\nCount=1\n"
                                  "[Money1]\nDesc=Caf\xC3\xA9 yyyyyyyyyyyyyyyyyyyyyyyyy\nAmount=$5.00\nPer=Once\n"
                                  "Start=1/1/2000\nEnd=Now\n"
                                  "[Freq]\nCount=0\n";

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}
} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { PrinterChoice::setAnswer({}); }

    void exitStatusAndOutput_data()
    {
        QTest::addColumn<QStringList>("arguments"); // "@" stands for a temporary folder
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out"); // contained in standard output; empty: nothing there
        QTest::addColumn<QString>("err"); // likewise for standard error
        QTest::addColumn<QStringList>("written");

        const QStringList none;
        QTest::newRow("version") << QStringList{"--version"} << 0 << "Lifetally 1.0\n"
                                 << "" << none;
        QTest::newRow("help") << QStringList{"--help"} << 0 << "--report <file>"
                              << "" << none;
        QTest::newRow("unknown option") << QStringList{"--bogus"} << 2 << ""
                                        << "Unknown option 'bogus'." << none;
        QTest::newRow("missing file name") << QStringList{"--settings", "@/pat.ini", "--csv"} << 2 << ""
                                           << "Missing value after '--csv'." << none;
        QTest::newRow("report and csv") << QStringList{"--settings", "@/pat.ini", "--report",
                                                       "@/r.pdf",    "--csv",     "@/all.csv"}
                                        << 0 << ""
                                        << "" << QStringList{"@/r.pdf", "@/all.csv"};
        QTest::newRow("unwritable report")
            << QStringList{"--settings", "@/pat.ini", "--report", "@/missing/r.pdf"} << 1 << ""
            << "Unable to write to @/missing/r.pdf: The folder @/missing does not exist.\n"
            << none;
        QTest::newRow("birth date that is no date")
            << QStringList{"--settings", "@/bad.ini", "--csv", "@/all.csv"} << 1 << ""
            << "lifetally: @/bad.ini: Birth date: '1956-02-30' is not a valid date.\n"
            << none;
        // A row that does not convert is named; the weeks alone do not read the money rows.
        QTest::newRow("row that is no row")
            << QStringList{"--settings", "@/badrow.ini", "--csv", "@/all.csv"} << 1 << ""
            << "lifetally: @/badrow.ini: Money table, row 2 (Rent), Start date: '2/30/2020' is not a valid date.\n"
            << none;
        QTest::newRow("weeks beside a money row that is no row")
            << QStringList{"--settings", "@/badrow.ini", "--weeks", "@/w.svg"} << 0 << ""
            << "" << QStringList{"@/w.svg"};
        // Amounts of another region: converted from the one format where every text reads, or
        // refused as foreign; never taken digit by digit.
        QTest::newRow("French amounts") << QStringList{"--settings", "@/french.ini", "--csv", "-"} << 0
                                        << ",Rent,\"€1,250.50\",Month," << "" << none;
        QTest::newRow("Swiss amounts, slashed dates")
            << QStringList{"--settings", "@/swiss.ini", "--csv", "@/all.csv"} << 1 << ""
            << "are written in another regional format than yours" << none;

        // A script is told when there is nothing to report from, and why.
        QTest::newRow("missing settings file")
            << QStringList{"--settings", "@/typo.ini", "--csv", "@/all.csv"} << 1 << ""
            << "lifetally: cannot read @/typo.ini: No such file or directory\n"
            << none;
        QTest::newRow("settings file without read permission")
            << QStringList{"--settings", "@/locked.ini", "--report", "@/r.pdf"} << 1 << ""
            << "lifetally: cannot read @/locked.ini: Permission denied\n"
            << none;
        QTest::newRow("settings file that is a folder")
            << QStringList{"--settings", "@/folder.ini", "--report", "@/r.pdf"} << 1 << ""
            << "lifetally: cannot read @/folder.ini: It is a folder\n"
            << none;
        QTest::newRow("settings file of garbage")
            << QStringList{"--settings", "@/garbage.ini", "--csv", "@/all.csv"} << 1 << ""
            << "lifetally: cannot use @/garbage.ini: It holds no Lifetally entries\n"
            << none;
        QTest::newRow("stray argument") << QStringList{"@/pat.ini", "--report", "@/r.pdf"} << 2 << ""
                                        << "lifetally: Unexpected argument '@/pat.ini'.\n"
                                           "Try 'lifetally --help' for more information.\n"
                                        << none;
        QTest::newRow("both to standard output")
            << QStringList{"--settings", "@/pat.ini", "--report", "-", "--csv", "-"} << 2 << ""
            << "Only one of --report and --csv can write to standard output" << none;

        // "-" is standard output, and nothing else goes there.
        QTest::newRow("csv to standard output") << QStringList{"--settings", "@/pat.ini", "--csv", "-"} << 0
                                                << "\r\nMoney,Caf\u00e9 yyyyyyyyyyyyyyyyyyyyyyyyy,$5.00,Once,"
                                                << "" << none;
        // The look-ahead age: given, else the file's (none here: 80); one that is not a whole number
        // from 1 to 120 writes nothing. 8 hours a day from birth to 3/15/2041 is 248,368 hours.
        QTest::newRow("csv by age 85 of a row going on")
            << QStringList{"--settings", "@/pat.ini", "--csv", "-", "--age=85"} << 0 << ",248368\r\n"
            << "" << none;
        QTest::newRow("csv with the file's age")
            << QStringList{"--settings", "@/pat.ini", "--csv", "-"} << 0 << ",Total by age 80 (number)\r\n"
            << "" << none;
        // Money in today's prices: a last column; as paid, none; the file's choice is as paid here.
        const QString year = QString::number(QDate::currentDate().year());
        QTest::newRow("csv in today's prices")
            << QStringList{"--settings", "@/pat.ini", "--csv", "-", "--prices", "today"} << 0
            << ",Total by age 80 (number),Total in " + year + " prices (number)\r\n" << "" << none;
        QTest::newRow("csv as paid") << QStringList{"--settings", "@/pat.ini", "--csv", "-", "--prices=paid"} << 0
                                     << ",Total by age 80 (number)\r\nHours," << "" << none;
        QTest::newRow("prices neither today nor paid")
            << QStringList{"--settings", "@/pat.ini", "--csv", "-", "--prices", "real"} << 2 << ""
            << "The prices 'real' are neither 'today' nor 'paid'." << none;
        for (const char *age : {"0", "121", "85.5", "-3", "eighty", ""})
            QTest::newRow(qPrintable(QStringLiteral("age '%1'").arg(QLatin1String(age))))
                << QStringList{"--settings", "@/pat.ini", "--report", "@/r.pdf",
                               "--csv",      "@/all.csv", "--age",    QLatin1String(age)}
                << 2 << ""
                << QStringLiteral("The age '%1' is not a whole number from 1 to 120.").arg(QLatin1String(age)) << none;
        // The life in weeks in each format, and in none other.
        for (const char *file : {"@/w.png", "@/w.svg", "@/w.PDF"})
            QTest::newRow(file) << QStringList{"--settings", "@/pat.ini", "--weeks", QLatin1String(file), "--age", "90"}
                                << 0 << ""
                                << "" << QStringList{QLatin1String(file)};
        QTest::newRow("weeks PNG on A3") << QStringList{"--settings", "@/pat.ini", "--weeks", "@/w.png", "--paper", "a3"}
                                         << 0 << "" << "" << QStringList{"@/w.png"};
        QTest::newRow("weeks on unknown paper")
            << QStringList{"--settings", "@/pat.ini", "--weeks", "@/w.png", "--paper", "B5"} << 2 << ""
            << "The paper 'B5' is not one of A4, Letter, A3, Tabloid, A2." << none;
        QTest::newRow("paper for the report") << QStringList{"--settings", "@/pat.ini", "--report", "@/r.pdf", "--paper", "A3"}
                                              << 2 << "" << "--paper is the paper of --weeks" << none;
        QTest::newRow("weeks as GIF") << QStringList{"--settings", "@/pat.ini", "--weeks", "@/w.gif"} << 2 << ""
                                      << "The file '@/w.gif' for --weeks must end in .png, .svg or .pdf." << none;
        // An output that would replace the entries or a file kept with them writes nothing.
        const struct {
            const char *row, *option, *output, *what;
        } onInput[] = {
            {"report over the settings file", "--report", "@/pat.ini", "the settings file @/pat.ini"},
            {"csv over the backup", "--csv", "@/pat.ini.bak", "the settings file's backup @/pat.ini.bak"},
            {"csv over the recovery file", "--csv", "@/pat.ini.recovery",
             "the settings file's recovery file @/pat.ini.recovery"},
            {"csv over the lock file", "--csv", "@/pat.ini.lock", "the settings file's lock file @/pat.ini.lock"},
            {"weeks through a link to the settings file", "--weeks", "@/link.pdf", "the settings file @/pat.ini"},
        };
        for (const auto &c : onInput)
            QTest::newRow(c.row) << QStringList{"--settings", "@/pat.ini", QLatin1String(c.option),
                                                QLatin1String(c.output)}
                                 << 2 << ""
                                 << QStringLiteral("lifetally: the %1 file %2 is %3; nothing was written.\n")
                                        .arg(QLatin1String(c.option), QLatin1String(c.output), QLatin1String(c.what))
                                 << none;
        QTest::newRow("report to standard output")
            << QStringList{"--settings", "@/pat.ini", "--report", "-", "--csv", "@/all.csv"} << 0 << "%PDF-"
            << "" << QStringList{"@/all.csv"};
    }
    void exitStatusAndOutput()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QFETCH(QStringList, written);
        QTemporaryDir dir;
        const auto inDir = [&dir](QString text) { return text.replace(QLatin1Char('@'), dir.path()); };
        writeFile(dir.filePath(QStringLiteral("pat.ini")), Settings);
        writeFile(dir.filePath(QStringLiteral("bad.ini")), "[DOB]\nDate=1956-02-30\n");
        writeFile(dir.filePath(QStringLiteral("badrow.ini")),
                  QByteArray(Settings).replace("[Money]\nCount=1\n",
                                               "[Money]\nCount=2\n[Money2]\nDesc=Rent\nAmount=$5.00\nPer=Month\n"
                                               "Start=2/30/2020\nEnd=Now\n"));
        const QByteArray rent = "[DOB]\nDate=24/12/1980\n[Money]\nCount=1\n[Money1]\nDesc=Rent\nPer=Month\n"
                                "Start=24/12/1980\nEnd=Now\nAmount=";
        writeFile(dir.filePath(QStringLiteral("french.ini")), rent + "1 250,50 \xe2\x82\xac\n");
        writeFile(dir.filePath(QStringLiteral("swiss.ini")), rent + "CHF 1\xe2\x80\x99" "250.50\n");
        writeFile(dir.filePath(QStringLiteral("locked.ini")), Settings);
        QVERIFY(QFile::setPermissions(dir.filePath(QStringLiteral("locked.ini")), QFileDevice::WriteOwner));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.ini")));
        writeFile(dir.filePath(QStringLiteral("garbage.ini")), QByteArray(1 << 20, '\x9d'));
        const QString link = dir.filePath(QStringLiteral("link.pdf"));
        if (arguments.contains(QStringLiteral("@/link.pdf")))
            QVERIFY(QFile::link(dir.filePath(QStringLiteral("pat.ini")), link));
        if (arguments.contains(QStringLiteral("@/locked.ini")) && geteuid() == 0)
            QSKIP("permission bits do not stop root");
        for (QString &argument : arguments)
            argument = inDir(argument);

        // No display of any kind: the exports and the texts must not need one, and a window shown
        // would keep the program from ending.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QLatin1String(name));
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
        // As under cron: Qt must not warn of it.
        env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        QProcess program;
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(dir.path()); // where a file named "-" would appear
        program.start(QStringLiteral(LIFETALLY_PROGRAM), arguments);
        QVERIFY(program.waitForFinished(60000));
        const QByteArray rawOut = program.readAllStandardOutput();
        const QString stdOut = QString::fromLocal8Bit(rawOut);
        const QString stdErr = QString::fromLocal8Bit(program.readAllStandardError());
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QVERIFY2(program.exitCode() == status, qPrintable(stdErr));
        QVERIFY2(out.isEmpty() ? stdOut.isEmpty() : stdOut.contains(out), qPrintable(stdOut));
        QVERIFY2(err.isEmpty() ? stdErr.isEmpty() : stdErr.contains(inDir(err)), qPrintable(stdErr));
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("-"))));
        QFile entries(dir.filePath(QStringLiteral("pat.ini")));
        QVERIFY(entries.open(QIODevice::ReadOnly));
        QCOMPARE(entries.readAll(), Settings);
        QFile::remove(link);
        if (out == QLatin1String("%PDF-") && !pdftotextProgram().isEmpty()) {
            // The bytes as written: a PDF that reads back as the report.
            writeFile(dir.filePath(QStringLiteral("out.pdf")), rawOut);
            const QString text = reportLines(dir.filePath(QStringLiteral("out.pdf"))).join(QLatin1Char('\n'));
            QVERIFY(text.contains(QStringLiteral("Ann Lee 3/15/1956")));
            // After the tables, the rows still going on by the file's look-ahead age.
            QVERIFY(text.contains(QRegularExpression(QStringLiteral("By age 80 at this pace\n+Activity .*\n"
                                                                    "Sleeping +8 Hrs +Day +3/15/1956 +Now +"))));
            QFile::remove(dir.filePath(QStringLiteral("out.pdf")));
        }

        QStringList files = QDir(dir.path())
                                .entryList({QStringLiteral("*.pdf"), QStringLiteral("*.csv"), QStringLiteral("*.png"),
                                            QStringLiteral("*.svg")},
                                           QDir::Files);
        QStringList expected;
        for (const QString &file : written)
            expected.append(QFileInfo(inDir(file)).fileName());
        files.sort();
        expected.sort();
        QCOMPARE(files, expected);
        if (QFileInfo::exists(dir.filePath(QStringLiteral("w.png")))) {
            // At 300 dots an inch on the paper asked for, else the region's: Letter here.
            const QSize size = QImage(dir.filePath(QStringLiteral("w.png"))).size();
            const QSize paper = arguments.contains(QStringLiteral("a3")) ? QSize(3508, 4961) : QSize(2550, 3300);
            QVERIFY2(size == paper || size == paper.transposed(), qPrintable(QStringLiteral("%1x%2").arg(size.width()).arg(size.height())));
        }
        QFile csv(dir.filePath(QStringLiteral("all.csv")));
        if (csv.open(QIODevice::ReadOnly)) // a UTF-8 name from the settings file goes out as UTF-8
            QVERIFY(csv.readAll().contains("\r\nMoney,Caf\xC3\xA9 yyyyyyyyyyyyyyyyyyyyyyyyy,$5.00,Once,"));
    }

    // A PDF, from the window or the command line, is on the region's paper.
    // Standard output opened on the settings file or a file kept with it ("1<>", ">>") is judged as
    // a named output is: the program must not write the entries over with a report.
    void standardOutputOnInput_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("onto");
        QTest::newRow("report onto the settings file") << "--report" << "pat.ini";
        QTest::newRow("csv onto the recovery file") << "--csv" << "pat.ini.recovery";
    }
    void standardOutputOnInput()
    {
        QFETCH(QString, option);
        QFETCH(QString, onto);
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("pat.ini")), target = dir.filePath(onto);
        writeFile(ini, Settings);
        writeFile(target, Settings);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        QProcess program;
        program.setProcessEnvironment(env);
        program.setStandardOutputFile(target, QIODevice::Append);
        program.start(QStringLiteral(LIFETALLY_PROGRAM), {QStringLiteral("--settings"), ini, option, QStringLiteral("-")});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 2);
        QVERIFY(QString::fromLocal8Bit(program.readAllStandardError())
                    .startsWith(QStringLiteral("lifetally: the %1 file - is the settings file").arg(option)));
        for (const QString &path : {ini, target}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), Settings);
        }
    }

    void reportPaperFollowsTheRegion_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("paper");
        QTest::newRow("U.S.") << "en_US.UTF-8" << "letter";
        QTest::newRow("Canada") << "en_CA.UTF-8" << "letter";
        QTest::newRow("Germany") << "de_DE.UTF-8" << "A4";
    }
    void reportPaperFollowsTheRegion()
    {
        QFETCH(QString, locale);
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("pat.ini")), Settings);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LC_ALL"), locale);
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(LIFETALLY_PROGRAM),
                      {QStringLiteral("--settings"), dir.filePath(QStringLiteral("pat.ini")), QStringLiteral("--report"),
                       dir.filePath(QStringLiteral("r.pdf"))});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 0);
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {dir.filePath(QStringLiteral("r.pdf"))});
        if (!info.waitForFinished(30000) || info.exitCode() != 0)
            QSKIP("pdfinfo is not installed");
        QFETCH(QString, paper);
        const QString out = QString::fromUtf8(info.readAllStandardOutput());
        QVERIFY2(out.contains(QStringLiteral("(%1)").arg(paper)), qPrintable(out));
    }

    void reportIsThePrintedReport_data()
    {
        QTest::addColumn<bool>("full");
        QTest::newRow("few rows") << false;
        QTest::newRow("full tables over pages") << true;
    }
    void reportIsThePrintedReport()
    {
        QFETCH(bool, full);
        if (pdftotextProgram().isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        WindowTestScope scope;
        fixClock(2024, 3, 5, 14, 7, 9);
        QByteArray settings = full ? Bio : Settings;
        if (full) {
            for (const char *table : {"Hours", "Money", "Freq"}) {
                settings += QByteArray("[") + table + "]\nCount=51\n";
                for (int r = 1; r <= 50; ++r)
                    settings += QByteArray("[") + (table == QByteArray("Hours") ? "Hour" : table) +
                                QByteArray::number(r) + "]\nDesc=Row " + QByteArray::number(r) +
                                "\nHrMin=1 Hr\nAmount=1\nPer=Day\nStart=1/1/2024\nEnd=1/2/2024\n";
            }
        }
        const QString chosen = scope.folder().file(QStringLiteral("pat.ini"));
        writeFile(chosen, settings);
        setSettingsFilePath(chosen);

        const QString fromCommandLine = scope.folder().file(QStringLiteral("command.pdf"));
        BatchExport job;
        job.load();
        job.writeReport(fromCommandLine);

        const QString fromWindow = scope.folder().file(QStringLiteral("window.pdf"));
        PrinterChoice::setAnswer([&](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(fromWindow);
            printer.setPageSize(QPageSize(QPageSize::A4));
            return true;
        });
        TfrmMain window;
        window.FormShow();
        child<QPushButton>(&window, "btReport")->click();
        QVERIFY(Prompts::shown().isEmpty());

        int commandPages = 0, windowPages = 0;
        const QStringList lines = reportLines(fromCommandLine, &commandPages);
        QCOMPARE(lines, reportLines(fromWindow, &windowPages));
        QCOMPARE(commandPages, windowPages);
        if (full) {
            QVERIFY(commandPages >= 3);
            return;
        }
        const QStringList expected = {
            QStringLiteral("Lifetally  - version 1.0"),
            QStringLiteral("Ann Lee 3/15/1956 Age: 68 years  Hours: 595,862"),
            QStringLiteral("Lifetime income: $1,000,000"),
            QStringLiteral("Printed : 3/5/2024  2:07:09 PM"),
            QStringLiteral("Brightwell Corporation  http://www.brightwell.example/"),
            QString(),
            QString(),
            HoursTitles,
            QStringLiteral(
                "Sleeping                     8 Hrs          Day    3/15/1956   Now         198,616 (33.33%)"),
            QStringLiteral("Eating                       1 Hr 30 Mins   Day    1/1/2000    1/1/2010    5,480 (0.92%)"),
            QString(),
            QString(),
            MoneyTitles,
            // A name of 30 characters pushes the rest of its row 2 to the right.
            QStringLiteral("Café yyyyyyyyyyyyyyyyyyyyyyyyy $5.00          Once   1/1/2000    Now         $5 (0.00%)"),
            QString(),
            QString(),
            FreqTitles,
            QString(),
            QString(),
            QStringLiteral("By age 80 at this pace"),
            QString(),
            HoursTitles,
            QStringLiteral(
                "Sleeping                     8 Hrs          Day    3/15/1956   Now         233,760 (33.33%)"),
            QString(),
            MoneyTitles,
            QStringLiteral("Café yyyyyyyyyyyyyyyyyyyyyyyyy $5.00          Once   1/1/2000    Now         $5 (0.00%)"),
            QString(),
            FreqTitles,
        };
        QCOMPARE(lines, expected);
    }
};

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
