// The wizard window driven as a user would: start-up from a settings file, page navigation,
// the birth date, and Close writing the file back.
#include "app/frmmain.h"
#include "app/startup.h"
#include "app/unixsignals.h"
#include "guisupport.h"
#include "settings/inifile.h"
#include "settings/programfolder.h"
#include "settings/settingsfile.h"
#include "settings/settingslock.h"
#include "tables/activitymodel.h"
#include "testsupport.h"
#include "widgets/frmpickdate.h"
#include "widgets/prompts.h"
#include <QAccessible>
#include <QCheckBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QTemporaryFile>
#include <QTimer>
#include <QtTest>
#include <cstdio>
#include <csignal>
#include <memory>
#include <unistd.h>

using namespace testsupport;

class TestFrmMain : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WindowTestScope> m_scope;

    void writeIni(const QByteArray &content) { m_scope->writeSettings(content); }
    QByteArray readIni() const { return m_scope->readSettings(); }
    static QPushButton *btn(TfrmMain &w, const char *name) { return child<QPushButton>(&w, name); }
    static QLineEdit *edit(TfrmMain &w, const char *name) { return child<QLineEdit>(&w, name); }
    static int page(TfrmMain &w) { return child<QStackedWidget>(&w, "Notebook1")->currentIndex(); }
    static QStringList shownTexts() { return promptTexts(); }
    static TfrmMain *openWindow()
    {
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (auto *window = qobject_cast<TfrmMain *>(widget))
                return window;
        return nullptr;
    }
    // What `run` writes to standard error.
    template <typename Run> static QByteArray standardError(Run run)
    {
        QTemporaryFile capture;
        if (!capture.open())
            return {};
        std::fflush(stderr);
        const int saved = ::dup(2);
        ::dup2(capture.handle(), 2);
        run();
        std::fflush(stderr);
        ::dup2(saved, 2);
        ::close(saved);
        capture.seek(0);
        return capture.readAll();
    }
    // A run that ended before its main loop leaves the application told to quit; the next
    // test's event loops would end at once.
    static void settleQuit()
    {
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QCoreApplication::exec();
    }

private slots:
    void init() { m_scope = std::make_unique<WindowTestScope>(); }
    void cleanup() { m_scope.reset(); }

    void windowShape()
    {
        TfrmMain w;
        w.show();
        QCOMPARE(w.windowTitle(), QStringLiteral("Lifetally"));
        QCOMPARE(w.size(), QSize(610, 416));
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QCOMPARE(btn(w, "btPrev")->text(), QStringLiteral("<<&Prev"));
        QCOMPARE(btn(w, "btNext")->text(), QStringLiteral("&Next>>"));
        QCOMPARE(btn(w, "btAbout")->text(), QStringLiteral("&About"));
        QCOMPARE(btn(w, "btClose")->text(), QStringLiteral("&Close"));
        QCOMPARE(btn(w, "btNext")->geometry(), QRect(352, 384, 75, 25));
        auto *grid = child<QTableView>(&w, "gridMoney");
        const int widths[] = {171, 87, 41, 66, 67, 119};
        for (int col = 0; col < 6; ++col)
            QCOMPARE(grid->columnWidth(col), widths[col]);
        QCOMPARE(grid->model()->headerData(5, Qt::Horizontal).toString(), QStringLiteral("Total Amt"));
        QCOMPARE(grid->toolTip(), QStringLiteral("Double click to edit, right click to sort"));
    }

    void firstStartWithoutFile()
    {
        TfrmMain w;
        w.show();
        QCOMPARE(edit(w, "edName")->text(), QStringLiteral("Your name"));
        QCOMPARE(edit(w, "edDOB")->text(), QStringLiteral("6/10/2025"));
        QCOMPARE(child<QAbstractSpinBox>(&w, "numIncome")->text(), QStringLiteral("$250,000"));
        QCOMPARE(w.hoursModel().numNonBlankRows(), 0);
        QCOMPARE(page(w), 0);
        QVERIFY(!btn(w, "btPrev")->isEnabled());
        QVERIFY(btn(w, "btNext")->isEnabled());
        QVERIFY(Prompts::shown().isEmpty());
        QVERIFY2(!QFile::exists(m_scope->settingsPath()), "reading must not create the file");
    }

    void navigationThroughAllPages()
    {
        writeIni("[DOB]\nDate=3/15/1990\n");
        TfrmMain w;
        w.show();
        for (int i = 0; i < 5; ++i)
            btn(w, "btNext")->click();
        QCOMPARE(page(w), 5);
        QVERIFY(!btn(w, "btNext")->isEnabled());
        QVERIFY(btn(w, "btPrev")->isEnabled());
        btn(w, "btPrev")->click();
        QCOMPARE(page(w), 4);
        QVERIFY(btn(w, "btNext")->isEnabled() && btn(w, "btPrev")->isEnabled());
        for (int i = 0; i < 4; ++i)
            btn(w, "btPrev")->click();
        QCOMPARE(page(w), 0);
        QVERIFY(!btn(w, "btPrev")->isEnabled());
        QVERIFY(Prompts::shown().isEmpty());
        QCOMPARE(child<QLabel>(&w, "Label10")->text(), QStringLiteral("Age: 35 years 3 months  Hours: 308,918"));
        QCOMPARE(child<QLabel>(&w, "label11")->text(), QStringLiteral("Lifetime income: $250,000"));
    }

    // The look-ahead age comes from the file; every explanation of a row still going on, in full
    // tables, ends with what it comes to by then, and only those. Changing the age changes them
    // and the line under the income at once, and Close keeps it.
    void lookAheadAgeChangesTheExplanations()
    {
        QByteArray ini = "[DOB]\nDate=3/15/1990\n[Income]\nincome=0\n[Projection]\nAge=85\n";
        const char *tables[][3] = {{"Hours", "Hour", "8 Hrs"}, {"Money", "Money", "$5.00"}, {"Freq", "Freq", "2"}};
        for (const auto &t : tables) {
            ini += QByteArray("[") + t[0] + "]\nCount=50\n";
            for (int n = 1; n <= 50; ++n)
                ini += QStringLiteral("[%1%2]\nDesc=Row %2\nAmount=%3\nHrMin=%3\nPer=Day\nStart=1/1/2000\nEnd=%4\n")
                           .arg(QLatin1String(t[1]))
                           .arg(n)
                           .arg(QLatin1String(t[2]), QLatin1String(n % 2 ? "Now" : "1/1/2010"))
                           .toUtf8();
        }
        writeIni(ini);
        TfrmMain w;
        w.show();
        for (int i = 0; i < 5; ++i)
            btn(w, "btNext")->click();
        auto *age = child<QSpinBox>(&w, "numLookAhead");
        QCOMPARE(age->value(), 85);
        QCOMPARE(age->minimum(), 36);
        QCOMPARE(QAccessible::queryAccessibleInterface(age)->text(QAccessible::Name),
                 QStringLiteral("Look ahead to age:"));
        for (const ActivityModel *model : {&w.hoursModel(), &w.moneyModel(), &w.freqModel()})
            for (int row = 0; row < 50; ++row) {
                const QString text = model->index(row, Column::Total).data(Qt::ToolTipRole).toString();
                QVERIFY2(text.contains(QStringLiteral("\nBy age 85 at this pace: ")) == (row % 2 == 0),
                         qPrintable(text));
            }
        age->setValue(90);
        QCOMPARE(w.hoursModel()
                     .index(0, Column::Total)
                     .data(Qt::AccessibleDescriptionRole)
                     .toString()
                     .section(QLatin1Char('\n'), -1),
                 QStringLiteral(
                     "By age 90 at this pace: 234,352 hours; 29.70% of the 788,952 hours you will have been alive"));
        QCOMPARE(child<QLabel>(&w, "lblByAge")->text(),
                 QStringLiteral("By age 90 at this pace: 6,589,400 hours and $4,118,375 spent"));
        btn(w, "btClose")->click();
        QVERIFY(readIni().contains("[Projection]\nAge=90\n"));
    }

    // $1,000 paid once in 2000, in November 2026 prices at the U.S. table: May 2026's 335.123 carried
    // on half a year at the table's 3.1 %, over 2000's 172.2.
    void moneyInTodaysPrices()
    {
        fixClock(2026, 11, 15);
        writeIni("[DOB]\nDate=3/15/1970\n[Income]\nincome=100000\n[Money]\nCount=1\n[Money1]\nDesc=Car\n"
                 "Amount=$1,000.00\nPer=Once\nStart=1/1/2000\nEnd=Now\n");
        TfrmMain w;
        w.show();
        for (int i = 0; i < 5; ++i)
            btn(w, "btNext")->click();
        QCOMPARE(w.moneyModel().cell(1, Column::Total), QStringLiteral("$1,000 (1.00%)"));
        child<QCheckBox>(&w, "chkTodayPrices")->click();
        double today = 0;
        QVERIFY(tryTotalCellValue(w.moneyModel().cell(1, Column::Total), today));
        QVERIFY2(today > 1950 && today < 2000 && !w.moneyModel().cell(1, Column::Total).contains('('),
                 qPrintable(w.moneyModel().cell(1, Column::Total)));
        QVERIFY(child<QLabel>(&w, "lblByAge")->text().endsWith(QStringLiteral(" in 2026 prices")));
        QVERIFY(w.moneyModel()
                    .index(0, Column::Total)
                    .data(Qt::ToolTipRole)
                    .toString()
                    .contains(QStringLiteral("In 2026 prices: $1,9")));

        // The Prices window, by keyboard: a rate of its own.
        QTimer::singleShot(0, [] {
            QWidget *prices = QApplication::activeModalWidget();
            QVERIFY(prices);
            auto *rate = prices->findChild<QDoubleSpinBox *>(QStringLiteral("numRate"));
            QVERIFY(rate && rate->minimum() == -5 && rate->maximum() == 50);
            rate->setFocus();
            rate->selectAll();
            QTest::keyClicks(rate, QStringLiteral("40"));
            QTest::keyClick(prices, Qt::Key_Return);
        });
        btn(w, "btPrices")->click();
        double faster = 0;
        QVERIFY(tryTotalCellValue(w.moneyModel().cell(1, Column::Total), faster));
        QVERIFY(faster > today); // half a year at 40 % since May
        btn(w, "btClose")->click();
        QVERIFY(readIni().contains("[Prices]\nToday=1\nRate=40\nRegion=\n"));
    }

    // Each table's title row appears when its page is first shown, above the rows as before.
    void tablePagesShowTheirTitleRows()
    {
        writeIni("[DOB]\nDate=3/15/1990\n");
        TfrmMain w;
        w.show();
        btn(w, "btNext")->click();
        for (const char *name : {"gridHours", "gridMoney", "gridFreq"}) {
            btn(w, "btNext")->click();
            auto *grid = child<QTableView>(&w, name);
            QHeaderView *titles = grid->horizontalHeader();
            QVERIFY(titles->isVisible() && !grid->verticalHeader()->isVisible());
            QCOMPARE(titles->height(), 21);
            QCOMPARE(grid->viewport()->geometry().top(), titles->geometry().bottom() + 1);
            QCOMPARE(grid->rowHeight(0), 21);
        }
    }

    void birthdateIsMandatory_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("31 February") << QStringLiteral("2/31/1990");
        QTest::newRow("not a date") << QStringLiteral("yesterday");
    }
    void birthdateIsMandatory()
    {
        QFETCH(QString, text);
        TfrmMain w;
        w.show();
        btn(w, "btNext")->click();
        edit(w, "edDOB")->setText(text);
        btn(w, "btNext")->click();
        QCOMPARE(page(w), 1);
        QCOMPARE(shownTexts(), QStringList{QStringLiteral("Your birthdate is mandatory to proceed to the next step.")});
        QCOMPARE(Prompts::shown().first().title, QStringLiteral("Error"));
        QVERIFY(btn(w, "btNext")->isEnabled() && btn(w, "btPrev")->isEnabled());
    }

    void graphButtonsFollowTheTables()
    {
        writeIni("[DOB]\nDate=3/15/1990\n[Money]\nCount=1\n[Money1]\nDesc=Rent\nAmount=$500.00\nPer=Month\n"
                 "Start=1/1/2020\nEnd=Now\n");
        TfrmMain w;
        w.show();
        for (int i = 0; i < 5; ++i)
            btn(w, "btNext")->click();
        QVERIFY(!btn(w, "btGrHour")->isEnabled());
        QVERIFY(btn(w, "btGrMoney")->isEnabled());
        QVERIFY(!btn(w, "btGrFreq")->isEnabled());
        QCOMPARE(w.moneyModel().cell(1, 5), QStringLiteral("$33,000 (13.20%)"));
    }

    void newBirthdateAppliesOnLeavingTheField()
    {
        TfrmMain w;
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        btn(w, "btNext")->click();
        QLineEdit *dob = edit(w, "edDOB");
        dob->setFocus();
        dob->setText(QStringLiteral("6/10/2024"));
        edit(w, "edName")->setFocus();
        QCOMPARE(w.birthDate(), ymdValue(2024, 6, 10));
        QCOMPARE(w.hoursAlive(), 365.0 * 24 + 14);
        dob->setFocus();
        dob->setText(QStringLiteral("nonsense"));
        edit(w, "edName")->setFocus();
        QCOMPARE(w.birthDate(), ymdValue(2024, 6, 10));
        QVERIFY(Prompts::shown().isEmpty());
    }

    void calendarButtonBesideTheBirthdate()
    {
        writeIni("[DOB]\nDate=03/05/1961\n");
        TfrmMain w;
        w.show();
        DateValue offered = -1;
        TfrmPickDate::setPickHook([&](DateValue initial, DateValue) {
            offered = initial;
            return initial; // cancelled
        });
        child<QToolButton>(&w, "SpeedButton1")->click();
        QCOMPARE(offered, ymdValue(1961, 3, 5));
        QCOMPARE(edit(w, "edDOB")->text(), QStringLiteral("3/5/1961")); // rewritten in the standard form
        TfrmPickDate::setPickHook([](DateValue, DateValue) { return ymdValue(1970, 6, 10); });
        child<QToolButton>(&w, "SpeedButton1")->click();
        QCOMPARE(edit(w, "edDOB")->text(), QStringLiteral("6/10/1970"));
        QCOMPARE(w.birthDate(), ymdValue(1970, 6, 10));
        QVERIFY(Prompts::shown().isEmpty());

        edit(w, "edDOB")->setText(QString());
        child<QToolButton>(&w, "SpeedButton1")->click();
        QCOMPARE(shownTexts(), QStringList{QStringLiteral("'' is not a valid date.")});
        TfrmPickDate::setPickHook(nullptr);
    }

    void settingsFileVariants_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("income");
        QTest::addColumn<QStringList>("activities");

        const QByteArray rows = "[Hour1]\nDesc=a\n[Hour2]\nDesc=b\n[Hour3]\nDesc=c\n[Hour4]\nDesc=d\n[Hour5]\nDesc=e\n";
        QTest::newRow("count 3 of 5 sections") << "[Hours]\nCount=3\n" + rows << "Your name"
                                               << "$250,000" << QStringList{"a", "b", "c"};
        QTest::newRow("count 0") << "[Hours]\nCount=0\n" + rows << "Your name"
                                 << "$250,000" << QStringList{};
        QTest::newRow("negative count") << "[Hours]\nCount=-4\n" + rows << "Your name"
                                        << "$250,000" << QStringList{};
        QTest::newRow("missing count reads 5") << rows << "Your name"
                                               << "$250,000" << QStringList{"a", "b", "c", "d", "e"};
        QTest::newRow("hex income") << QByteArray("[Income]\nincome=0x3E8\n[Name]\nname=\n") << ""
                                    << "$1,000" << QStringList{};
        QTest::newRow("income not a number") << QByteArray("[Income]\nincome=abc\n") << "Your name"
                                             << "$250,000" << QStringList{};
        QTest::newRow("income beyond the field clamps") << QByteArray("[Income]\nincome=200000000\n") << "Your name"
                                                        << "$99,999,999" << QStringList{};
        QTest::newRow("negative income clamps") << QByteArray("[Income]\nincome=-5\n") << "Your name"
                                                << "$0" << QStringList{};
    }
    void settingsFileVariants()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, name);
        QFETCH(QString, income);
        QFETCH(QStringList, activities);
        writeIni(content);
        TfrmMain w;
        w.show();
        QCOMPARE(edit(w, "edName")->text(), name);
        QCOMPARE(child<QAbstractSpinBox>(&w, "numIncome")->text(), income);
        QStringList got;
        for (int row = 1; row <= 50; ++row)
            if (!w.hoursModel().isBlank(row))
                got << w.hoursModel().cell(row, 0);
        QCOMPARE(got, activities);
    }

    void gapsAndLargeCountsLoadSafely()
    {
        QByteArray content = "[DOB]\nDate=1/1/1980\n[Hours]\nCount=200\n";
        for (int n = 1; n <= 60; ++n) {
            if (n == 7)
                continue;
            content += QStringLiteral("[Hour%1]\nDesc=Act %1\nHrMin=1 Hr\nPer=Day\nStart=1/1/2025\nEnd=1/11/2025\n")
                           .arg(n)
                           .toUtf8();
        }
        writeIni(content);
        TfrmMain w;
        w.show();
        QVERIFY(w.hoursModel().isBlank(7));
        QCOMPARE(w.hoursModel().numNonBlankRows(), 49);
        QCOMPARE(w.hoursModel().cell(50, 0), QStringLiteral("Act 50"));
        // The gap does not stop the totals: rows after it are computed too. The rows past the
        // table's last are told.
        QCOMPARE(promptTexts().size(), 1);
        QVERIFY(promptTexts().first().contains(QStringLiteral("Not shown: Hours: 10 rows.")));
        QVERIFY(w.hoursModel().cell(8, 5).startsWith(QStringLiteral("10 (")));
        QVERIFY(w.hoursModel().cell(50, 5).startsWith(QStringLiteral("10 (")));
        // A save keeps them, and the count that reaches them.
        btn(w, "btClose")->click();
        const IniFile saved(m_scope->settingsPath());
        QCOMPARE(saved.readString(QStringLiteral("Hour51"), QStringLiteral("Desc"), QString()), QStringLiteral("Act 51"));
        QCOMPARE(saved.readString(QStringLiteral("Hour60"), QStringLiteral("Desc"), QString()), QStringLiteral("Act 60"));
        QCOMPARE(saved.readInteger(QStringLiteral("Hours"), QStringLiteral("Count"), 0), 200);
    }

    void emptyBirthdateEntryGivesToday()
    {
        writeIni("[DOB]\nDate=\n");
        TfrmMain w;
        w.show();
        QCOMPARE(edit(w, "edDOB")->text(), QStringLiteral("6/10/2025"));
    }

    void invalidStoredBirthdateIsReportedAtStartup()
    {
        writeIni("[DOB]\nDate=2/30/1980\n");
        TfrmMain w;
        w.show();
        QCOMPARE(shownTexts(), QStringList{QStringLiteral("'2/30/1980' is not a valid date.")});
        QCOMPARE(Prompts::shown().first().kind, Prompts::Kind::ApplicationError);
        QCOMPARE(page(w), 0);
        QVERIFY(!btn(w, "btPrev")->isEnabled());
        QCOMPARE(w.hoursAlive(), 0.0);
    }

    void closeWritesEverything()
    {
        writeIni("[Extra]\nkeep=me\n[DOB]\nDate=3/15/1990\nColour=blue\n[Hours]\nCount=1\n[Hour1]\nDesc=Sleep\n"
                 "HrMin=8 Hrs\nPer=Day\nStart=3/15/1990\nEnd=Now\n");
        {
            TfrmMain w;
            w.show();
            edit(w, "edName")->setText(QStringLiteral("Ann Lee"));
            btn(w, "btClose")->click();
            QVERIFY(!w.isVisible());
            QVERIFY(Prompts::shown().isEmpty());
        }
        const QString text = QString::fromUtf8(readIni());
        const auto sections = text.split(QLatin1Char('\n')).filter(QRegularExpression(QStringLiteral("^\\[")));
        QCOMPARE(sections.size(), 3 + 3 * 52 + 1 + 1); // with [Extra] and [Format]
        QVERIFY(!text.contains(QStringLiteral("Total")));
        IniFile ini(m_scope->settingsPath());
        QCOMPARE(ini.readString(QStringLiteral("Extra"), QStringLiteral("keep"), QString()), QStringLiteral("me"));
        QCOMPARE(ini.readString(QStringLiteral("DOB"), QStringLiteral("Colour"), QString()), QStringLiteral("blue"));
        QCOMPARE(ini.readString(QStringLiteral("Name"), QStringLiteral("name"), QString()), QStringLiteral("Ann Lee"));
        QCOMPARE(ini.readInteger(QStringLiteral("Income"), QStringLiteral("income"), 0), 250000);
        for (const char *section : {"Hours", "Money", "Freq"})
            QCOMPARE(ini.readInteger(QLatin1String(section), QStringLiteral("Count"), 0), 51);
        QCOMPARE(ini.readString(QStringLiteral("Hour1"), QStringLiteral("HrMin"), QString()), QStringLiteral("8 Hrs"));
        for (const char *key : {"Desc", "Amount", "Per", "Start", "End"})
            QCOMPARE(ini.readString(QStringLiteral("Freq51"), QLatin1String(key), QStringLiteral("missing")),
                     QString());

        // A fresh window reads back what was written.
        TfrmMain again;
        again.show();
        QCOMPARE(edit(again, "edName")->text(), QStringLiteral("Ann Lee"));
        QCOMPARE(again.hoursModel().cell(1, 0), QStringLiteral("Sleep"));
        QVERIFY(!again.hoursModel().cell(1, 5).isEmpty());
    }

    // A desktop log-out asks through the same path as a close, at most once for the same entries.
    void logOutAsksOnceAndNeverTwice()
    {
        writeIni("[Name]\nname=Original\n");
        TfrmMain w;
        w.show();
        edit(w, "edName")->setText(QStringLiteral("Changed"));
        Prompts::setNextAnswer(Prompts::Answer::Cancel);
        QVERIFY(!w.maySaveBeforeClosing(true)); // Cancel cancels the log-out
        Prompts::setNextAnswer(Prompts::Answer::Discard);
        QVERIFY(w.maySaveBeforeClosing(true));
        QVERIFY(w.maySaveBeforeClosing(true));
        w.close();
        QVERIFY(!w.isVisible());
        QCOMPARE(Prompts::shown().size(), 2);
        QCOMPARE(readIni(), QByteArray("[Name]\nname=Original\n"));
        // A change after the answer is asked about again.
        edit(w, "edName")->setText(QStringLiteral("Changed again"));
        QVERIFY(!w.maySaveBeforeClosing(true));
        QCOMPARE(Prompts::shown().size(), 3);
        // A log-out that allows no questions saves without one.
        QVERIFY(w.maySaveBeforeClosing(false));
        QCOMPARE(Prompts::shown().size(), 3);
        QCOMPARE(IniFile(m_scope->settingsPath()).readString(QStringLiteral("Name"), QStringLiteral("name"), QString()),
                 QStringLiteral("Changed again"));
    }

    void closingAnotherWayAsksAboutUnsavedChanges_data()
    {
        QTest::addColumn<bool>("change");
        QTest::addColumn<int>("answer"); // a Prompts::Answer
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<QString>("stored");
        using A = Prompts::Answer;
        QTest::newRow("unchanged closes without a word") << false << int(A::Cancel) << false << true << "Original";
        QTest::newRow("changed, Save") << true << int(A::Save) << true << true << "Changed";
        QTest::newRow("changed, Don't Save") << true << int(A::Discard) << true << true << "Original";
        QTest::newRow("changed, Cancel") << true << int(A::Cancel) << true << false << "Original";
    }
    void closingAnotherWayAsksAboutUnsavedChanges()
    {
        QFETCH(bool, change);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        QFETCH(bool, closed);
        QFETCH(QString, stored);
        writeIni("[Name]\nname=Original\n");
        TfrmMain w;
        w.show();
        if (change)
            edit(w, "edName")->setText(QStringLiteral("Changed"));
        QCOMPARE(w.isModified(), change);
        Prompts::setNextAnswer(Prompts::Answer(answer));
        w.close(); // the title bar's close button, Alt+F4 and the window manager all send this
        QCOMPARE(!Prompts::shown().isEmpty(), asked);
        if (asked)
            QCOMPARE(Prompts::shown().first().text, QStringLiteral("Save changes before closing?"));
        QCOMPARE(!w.isVisible(), closed);
        QCOMPARE(IniFile(m_scope->settingsPath()).readString(QStringLiteral("Name"), QStringLiteral("name"), QString()),
                 stored);
    }

    void impossibleEntriesAreToldOnceAndNeverBlock()
    {
        writeIni("[DOB]\nDate=4/17/78\n[Income]\nincome=100\n[Hours]\nCount=2\n"
                 "[Hour1]\nDesc=Work\nHrMin=24 Hrs\nPer=Day\nStart=1/1/2024\nEnd=1/3/2024\n"
                 "[Hour2]\nDesc=Sleep\nHrMin=24 Hrs\nPer=Day\nStart=1/2/2024\nEnd=1/5/2024\n"
                 "[Money]\nCount=1\n[Money1]\nDesc=Rent\nAmount=$500.00\nPer=Once\nStart=1/1/2024\nEnd=Now\n");
        TfrmMain w;
        w.show();
        auto checks = [] {
            QStringList texts;
            for (const auto &shown : Prompts::shown())
                if (shown.kind == Prompts::Kind::Check)
                    texts << shown.text;
            return texts;
        };
        btn(w, "btNext")->click();
        // The two-digit year was read into this century's future: Change it stays on the page.
        Prompts::setNextAnswer(Prompts::Answer::Change);
        btn(w, "btNext")->click();
        QCOMPARE(page(w), int(TfrmMain::Bio));
        QCOMPARE(checks(), QStringList{QStringLiteral(
                               "Read as April 17, 2078 — in the future. Type the year with four digits.")});
        edit(w, "edDOB")->setText(QStringLiteral("4/17/1978"));
        btn(w, "btNext")->click();
        QCOMPARE(page(w), int(TfrmMain::Hours));
        btn(w, "btNext")->click(); // kept: the overlap does not stop the user
        QCOMPARE(page(w), int(TfrmMain::Dollars));
        QCOMPARE(checks().last(),
                 QStringLiteral("From 1/2/2024 to 1/3/2024 your activities add up to 48 hours a day."));
        btn(w, "btNext")->click();
        QCOMPARE(page(w), int(TfrmMain::Items));
        QCOMPARE(checks().last(), QStringLiteral("Your money activities add up to 500.00% of your lifetime income."));
        // Said once: the same entries pass without a second word.
        for (int i = 0; i < 2; ++i)
            btn(w, "btPrev")->click();
        btn(w, "btNext")->click();
        btn(w, "btNext")->click();
        QCOMPARE(page(w), int(TfrmMain::Items));
        QCOMPARE(checks().size(), 3);
    }

    void failedSaveOnClosingKeepsTheWindowOpen()
    {
        setProgramFolder(m_scope->folder().file(QStringLiteral("missing/sub/")));
        TfrmMain w;
        w.show();
        edit(w, "edName")->setText(QStringLiteral("Changed"));
        Prompts::setNextAnswer(Prompts::Answer::Save);
        QVERIFY(!w.maySaveBeforeClosing(true));
        QCOMPARE(Prompts::shown().last().kind, Prompts::Kind::ApplicationError);
        // A log-out that allows no questions saves; here that fails too, and says so.
        QVERIFY(!w.maySaveBeforeClosing(false));
        QVERIFY(w.isModified());
    }

    void ctrlSSavesWithoutClosing()
    {
        TfrmMain w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        edit(w, "edName")->setText(QStringLiteral("Saved"));
        btn(w, "btNext")->setFocus();
        QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
        QTRY_VERIFY(!w.isModified());
        QVERIFY(w.isVisible());
        QCOMPARE(IniFile(m_scope->settingsPath()).readString(QStringLiteral("Name"), QStringLiteral("name"), QString()),
                 QStringLiteral("Saved"));
        w.close();
        QVERIFY(Prompts::shown().isEmpty());
    }

    void ctrlQClosesAsCloseDoes()
    {
        TfrmMain w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        edit(w, "edName")->setText(QStringLiteral("Quit"));
        QTest::keyClick(&w, Qt::Key_Q, Qt::ControlModifier);
        QTRY_VERIFY(!w.isVisible());
        QVERIFY(Prompts::shown().isEmpty());
        QCOMPARE(IniFile(m_scope->settingsPath()).readString(QStringLiteral("Name"), QStringLiteral("name"), QString()),
                 QStringLiteral("Quit"));
    }

    void unwritableFileKeepsWindowOpen()
    {
        // The program folder is a path below a regular file: nothing can be created there.
        QFile blocker(m_scope->folder().file(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        setProgramFolder(m_scope->folder().file(QStringLiteral("blocker/sub/")));
        TfrmMain w;
        w.show();
        btn(w, "btClose")->click();
        QVERIFY(w.isVisible());
        QCOMPARE(Prompts::shown().size(), 1);
        QCOMPARE(Prompts::shown().first().kind, Prompts::Kind::ApplicationError);
        QCOMPARE(Prompts::shown().first().text, QStringLiteral("Unable to write to ") +
                                                    m_scope->folder().file(QStringLiteral("blocker/sub/lfy.ini")) +
                                                    QStringLiteral(": Not a directory."));
    }

    void readOnlyFileStaysAsItWas()
    {
        const QByteArray before = "[Name]\nname=Original\n";
        writeIni(before);
        const QString path = m_scope->settingsPath();
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
        if (geteuid() == 0)
            QSKIP("permission bits do not stop root; the unwritable-folder case covers the failure path");
        TfrmMain w;
        w.show();
        btn(w, "btClose")->click();
        QVERIFY(w.isVisible());
        QCOMPARE(Prompts::shown().size(), 1);
        QCOMPARE(readIni(), before);
    }

    QString storedName(const QString &path) const
    {
        return IniFile(path).readString(QStringLiteral("Name"), QStringLiteral("name"), QString());
    }

    void fileChangedOnDiskIsNotReplacedUnasked()
    {
        writeIni("[Name]\nname=Original\n");
        TfrmMain w;
        w.show();
        edit(w, "edName")->setText(QStringLiteral("Mine"));
        writeIni("[Name]\nname=Theirs\n"); // a sync tool, or another program
        Prompts::setNextAnswer(Prompts::Answer::Reject);
        btn(w, "btClose")->click();
        QVERIFY(w.isVisible());
        QCOMPARE(Prompts::shown().last().kind, Prompts::Kind::Question);
        QCOMPARE(storedName(m_scope->settingsPath()), QStringLiteral("Theirs"));
        Prompts::setNextAnswer(Prompts::Answer::Accept);
        btn(w, "btClose")->click();
        QVERIFY(!w.isVisible());
        QCOMPARE(storedName(m_scope->settingsPath()), QStringLiteral("Mine"));
        QCOMPARE(storedName(IniFile::backupPath(m_scope->settingsPath())), QStringLiteral("Theirs"));
    }

    // A file deleted or moved away is no changed file: the save says it is gone and, when asked
    // to, creates it again. With its folder gone, the save fails and says why; never success.
    void settingsFileGoneBeforeSave_data()
    {
        QTest::addColumn<QString>("gone"); // "file" or "folder"
        QTest::addColumn<bool>("movedAway");
        QTest::newRow("file deleted") << "file" << false;
        QTest::newRow("file moved away") << "file" << true;
        QTest::newRow("folder deleted") << "folder" << false;
        QTest::newRow("folder moved away") << "folder" << true;
    }
    void settingsFileGoneBeforeSave()
    {
        QFETCH(QString, gone);
        QFETCH(bool, movedAway);
        const QString folder = m_scope->folder().file(QStringLiteral("entries"));
        const QString path = folder + QStringLiteral("/lfy.ini");
        QVERIFY(QDir().mkdir(folder));
        setSettingsFilePath(path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("[Name]\nname=Original\n") > 0);
        file.close();
        TfrmMain w;
        w.show();
        edit(w, "edName")->setText(QStringLiteral("Mine"));
        const QString removed = gone == QLatin1String("file") ? path : folder;
        QVERIFY(movedAway ? QFile::rename(removed, removed + QStringLiteral(".away"))
                          : gone == QLatin1String("file") ? QFile::remove(removed) : QDir(removed).removeRecursively());
        Prompts::setNextAnswer(Prompts::Answer::Reject);
        btn(w, "btClose")->click();
        QVERIFY(w.isVisible());
        QVERIFY(!QFile::exists(path));
        QCOMPARE(Prompts::shown().size(), 1);
        if (gone == QLatin1String("folder")) {
            QCOMPARE(Prompts::shown().first().kind, Prompts::Kind::ApplicationError);
            QCOMPARE(Prompts::shown().first().text,
                     QStringLiteral("Unable to write to %1: The folder %2 does not exist.").arg(path, folder));
            return;
        }
        QCOMPARE(Prompts::shown().first().kind, Prompts::Kind::Question);
        QVERIFY2(Prompts::shown().first().text.startsWith(path + QStringLiteral(" is no longer there")),
                 qPrintable(Prompts::shown().first().text));
        Prompts::setNextAnswer(Prompts::Answer::Accept);
        btn(w, "btClose")->click();
        QVERIFY(!w.isVisible());
        QCOMPARE(storedName(path), QStringLiteral("Mine"));
    }

    void signalToEndSavesWithoutQuestions_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<QString>("blocked"); // what stands where the files go
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("keptName");
        QTest::addColumn<QString>("said");
        QTest::newRow("SIGTERM") << SIGTERM << "" << 0 << "Unsaved" << "";
        QTest::newRow("SIGHUP") << SIGHUP << "" << 0 << "Unsaved" << "";
        QTest::newRow("SIGINT") << SIGINT << "" << 0 << "Unsaved" << "";
        QTest::newRow("file unwritable, recovery kept")
            << SIGTERM << "settings" << 0 << "Unsaved" << "your entries are kept in";
        QTest::newRow("folder unwritable, nothing kept")
            << SIGTERM << "folder" << 1 << "" << "could not be kept in";
    }
    void signalToEndSavesWithoutQuestions()
    {
        QFETCH(int, signal);
        QFETCH(QString, blocked);
        QFETCH(int, status);
        QFETCH(QString, keptName);
        QFETCH(QString, said);
        writeIni("[Name]\nname=Original\n");
        QString settings = m_scope->settingsPath();
        if (blocked == QLatin1String("folder")) {
            // Below a regular file nothing can be made: neither the settings file nor its recovery.
            settings = m_scope->folder().file(QStringLiteral("lfy.ini/sub/lfy.ini"));
            setSettingsFilePath(settings);
        }
        QTimer::singleShot(0, this, [&] {
            TfrmMain *w = openWindow();
            QVERIFY(w);
            edit(*w, "edName")->setText(QStringLiteral("Unsaved"));
            if (blocked.isEmpty())
                writeIni("[Name]\nname=Changed by others\n"); // no question can be asked: it goes to the backup
            if (blocked == QLatin1String("settings")) {
                QFile::remove(settings);
                QVERIFY(QDir().mkdir(settings));
            }
            std::raise(signal);
        });
        int ended = -1;
        const QByteArray error = standardError([&] { ended = runWindow(QString()); });
        QCOMPARE(ended, status);
        QVERIFY(Prompts::shown().isEmpty());
        QVERIFY2(said.isEmpty() ? error.isEmpty() : error.contains(said.toUtf8()), error.constData());
        if (blocked.isEmpty()) {
            QCOMPARE(storedName(settings), keptName);
            QCOMPARE(storedName(IniFile::backupPath(settings)), QStringLiteral("Changed by others"));
        } else {
            QCOMPARE(storedName(recoveryFilePath(settings)), keptName);
        }
    }

    void secondCopyAnswersAsAsked_data()
    {
        QTest::addColumn<bool>("showIt");
        QTest::newRow("Show It") << true;
        QTest::newRow("Quit") << false;
    }
    void secondCopyAnswersAsAsked()
    {
        QFETCH(bool, showIt);
        // This process holds the file as a first copy would; its signals stand in for that copy's.
        SettingsLock first(settingsFilePath());
        QCOMPARE(first.tryLock(), SettingsLock::Result::Locked);
        UnixSignals firstCopy;
        QSignalSpy asked(&firstCopy, &UnixSignals::showRequested);
        Prompts::setNextAnswer(showIt ? Prompts::Answer::Accept : Prompts::Answer::Reject);
        QCOMPARE(runWindow(QString()), 0);
        QVERIFY(!openWindow());
        QCOMPARE(Prompts::shown().size(), 1);
        QVERIFY(Prompts::shown().first().text.startsWith(QStringLiteral("Lifetally is already open")));
        if (showIt)
            QTRY_COMPARE(asked.size(), 1);
        QTest::qWait(50);
        QCOMPARE(asked.size(), showIt ? 1 : 0);
    }

    // The recovery file lives until its question is answered; a signal before then ends the run.
    void signalDuringStartUpMessageEndsTheRun_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("signal");
        QTest::newRow("restore question, SIGTERM") << "restore" << SIGTERM;
        QTest::newRow("restore question, SIGHUP") << "restore" << SIGHUP;
        QTest::newRow("cannot read, SIGTERM") << "cannot read" << SIGTERM;
    }
    void signalDuringStartUpMessageEndsTheRun()
    {
        QFETCH(QString, message);
        QFETCH(int, signal);
        const QString recovery = recoveryFilePath(m_scope->settingsPath());
        if (message == QLatin1String("restore")) {
            writeIni("[Name]\nname=Original\n");
            QFile f(recovery);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("[Name]\nname=Recovered\n");
        } else {
            QVERIFY(QDir().mkdir(m_scope->settingsPath()));
        }
        // The box stays open past the keeper's second, then the signal comes; the box's own event
        // loop brings both in.
        Prompts::setWhileNextShown([signal] {
            QTest::qWait(1500);
            std::raise(signal);
            QTest::qWait(100);
            QTimer::singleShot(500, qApp, [] { QCoreApplication::exit(99); }); // a run that went on
        });
        Prompts::setNextAnswer(Prompts::Answer::Reject); // a box closed by its loop's end answers as Escape does
        const int status = runWindow(QString());
        settleQuit();
        QCOMPARE(status, 0);
        QCOMPARE(Prompts::shown().size(), 1);
        if (message == QLatin1String("restore"))
            QCOMPARE(storedName(recovery), QStringLiteral("Recovered"));
        QCOMPARE(storedName(m_scope->settingsPath()), message == QLatin1String("restore") ? "Original" : "");
    }

    void unsavedEntriesAreKeptUntilSaved()
    {
        writeIni("[Name]\nname=Original\n");
        const QString recovery = recoveryFilePath(m_scope->settingsPath());
        TfrmMain w;
        w.show();
        edit(w, "edName")->setText(QStringLiteral("Typed"));
        QTRY_VERIFY(QFile::exists(recovery));
        QCOMPARE(storedName(recovery), QStringLiteral("Typed"));
        QCOMPARE(storedName(m_scope->settingsPath()), QStringLiteral("Original"));
        btn(w, "btClose")->click();
        QVERIFY(!QFile::exists(recovery));
    }

    void recoveryFileFoundAtStart_data()
    {
        QTest::addColumn<QByteArray>("recovery"); // "<folder>": a folder in its place, which cannot be read
        QTest::addColumn<bool>("restore");
        QTest::addColumn<QString>("shownName");
        QTest::addColumn<bool>("kept");
        QTest::addColumn<bool>("setAside");
        QTest::newRow("restore") << QByteArray("[Name]\nname=Recovered\n") << true << "Recovered" << true << false;
        QTest::newRow("discard") << QByteArray("[Name]\nname=Recovered\n") << false << "Original" << false << false;
        QTest::newRow("the same as the file")
            << QByteArray("[Name]\nname=Original\n") << true << "Original" << false << false;
        QTest::newRow("a folder") << QByteArray("<folder>") << true << "Original" << false << true;
        QTest::newRow("no entries") << QByteArray("[Other]\nkey=mine\n") << true << "Original" << false << true;
        QTest::newRow("empty") << QByteArray() << true << "Original" << false << false;
        QTest::newRow("blank lines") << QByteArray("\n\n") << true << "Original" << false << false;
    }
    void recoveryFileFoundAtStart()
    {
        QFETCH(QByteArray, recovery);
        QFETCH(bool, restore);
        QFETCH(QString, shownName);
        QFETCH(bool, kept);
        QFETCH(bool, setAside);
        writeIni("[Name]\nname=Original\n");
        const QString path = recoveryFilePath(m_scope->settingsPath());
        if (recovery == "<folder>") {
            QVERIFY(QDir().mkdir(path));
        } else {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(recovery);
        }
        Prompts::setNextAnswer(restore ? Prompts::Answer::Accept : Prompts::Answer::Reject);
        TfrmMain w;
        w.show();
        QCOMPARE(edit(w, "edName")->text(), shownName);
        QCOMPARE(w.isModified(), shownName != QLatin1String("Original"));
        QCOMPARE(QFileInfo::exists(path), kept);
        QCOMPARE(storedName(m_scope->settingsPath()), QStringLiteral("Original"));
        const QStringList aside = QDir(m_scope->folder().file(QString())).entryList({QStringLiteral("*.unreadable-*")});
        QCOMPARE(aside.size(), setAside ? 1 : 0);
        if (!setAside)
            return;
        QCOMPARE(Prompts::shown().last().kind, Prompts::Kind::Warning);
        QVERIFY(Prompts::shown().last().text.contains(aside.first()));
        if (recovery != "<folder>") {
            QFile f(m_scope->folder().file(aside.first()));
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), recovery); // set aside as it was, never written over
        }
        // This run keeps its own entries again.
        edit(w, "edName")->setText(QStringLiteral("Typed"));
        QTRY_COMPARE(storedName(path), QStringLiteral("Typed"));
    }

    void unreadableFileIsToldAndNeverReplaced()
    {
        QVERIFY(QDir().mkdir(m_scope->settingsPath()));
        TfrmMain w;
        w.show();
        QCOMPARE(Prompts::shown().size(), 1);
        QVERIFY(Prompts::shown().first().text.contains(QStringLiteral("Close will not be able to keep")));
        btn(w, "btClose")->click();
        QVERIFY(w.isVisible());
        QVERIFY(QFileInfo(m_scope->settingsPath()).isDir());
    }
};

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
