// Adding, editing and deleting activity rows through the real dialogs, and the dialogs' checks.
#include "app/frmmain.h"
#include "calc/periodtext.h"
#include "guisupport.h"
#include "tables/activitymodel.h"
#include "tables/celldelegate.h"
#include "tables/frmmoney.h"
#include "tables/frmtime.h"
#include "tables/tablecolumns.h"
#include "testsupport.h"
#include "widgets/contrast.h"
#include "widgets/numedit.h"
#include "widgets/prompts.h"
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTableView>
#include <QToolTip>
#include <QUndoStack>
#include <QtTest>
#include <memory>

using namespace testsupport;

class TestActivityTables : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WindowTestScope> m_scope;

    void writeIni(const QByteArray &content) { m_scope->writeSettings(content); }
    static QByteArray hoursRows(int count)
    {
        QByteArray out = "[DOB]\nDate=3/15/1990\n[Hours]\nCount=51\n";
        for (int n = 1; n <= count; ++n)
            out += QStringLiteral("[Hour%1]\nDesc=Act %1\nHrMin=1 Hr\nPer=Day\nStart=1/1/2025\nEnd=1/31/2025\n")
                       .arg(n)
                       .toUtf8();
        return out;
    }
    static QStringList messages() { return promptTexts(); }
    static void select(TfrmMain &w, const char *grid, int row)
    {
        auto *view = child<QTableView>(&w, grid);
        view->setCurrentIndex(view->model()->index(row - 1, 0));
    }

private slots:
    void init() { m_scope = std::make_unique<WindowTestScope>(); }
    void cleanup() { m_scope.reset(); }

    void addHoursRowThroughTheDialog()
    {
        writeIni("[DOB]\nDate=3/15/1990\n");
        TfrmMain w;
        w.show();
        answerNextDialog([](QDialog *d) {
            auto *dlg = qobject_cast<TfrmTime *>(d);
            QCOMPARE(dlg->windowTitle(), QStringLiteral("Activity time"));
            QCOMPARE(dlg->size(), QSize(444, 336));
            QCOMPARE(child<QLineEdit>(dlg, "edDate")->text(), QStringLiteral("3/15/1990"));
            QCOMPARE(child<QLineEdit>(dlg, "edEndDate")->text(), QStringLiteral("Now"));
            QVERIFY(!child<QLineEdit>(dlg, "edEndDate")->isEnabled());
            QVERIFY(child<QRadioButton>(dlg, "rbDay")->isChecked());
            child<QLineEdit>(dlg, "edName")->setText(QStringLiteral("Sleep"));
            child<QSpinBox>(dlg, "numHours")->setValue(8);
            child<QSpinBox>(dlg, "numMin")->setValue(30);
            child<QLineEdit>(dlg, "edDate")->setText(QStringLiteral("1/1/2024"));
            child<QPushButton>(dlg, "btOK")->click();
        });
        click(&w, "btAdd1");
        QVERIFY(messages().isEmpty());
        QCOMPARE(w.hoursModel().rowTexts(1).mid(0, 5),
                 (QStringList{"Sleep", "8 Hrs 30 Mins", "Day", "1/1/2024", "Now"}));
        QCOMPARE(w.hoursModel().cell(1, 5), QStringLiteral("4,471 (1.45%)"));
    }

    void cancelledAddChangesNothing()
    {
        TfrmMain w;
        w.show();
        answerNextDialog([](QDialog *d) {
            child<QLineEdit>(d, "edName")->setText(QStringLiteral("x"));
            child<QPushButton>(d, "btCancel")->click();
        });
        click(&w, "btAdd1");
        QCOMPARE(w.hoursModel().numNonBlankRows(), 0);
    }

    void addMoneyAndFrequencyRows()
    {
        writeIni("[DOB]\nDate=3/15/1990\n");
        TfrmMain w;
        w.show();
        answerNextDialog([](QDialog *d) {
            auto *dlg = qobject_cast<TfrmMoney *>(d);
            QCOMPARE(dlg->windowTitle(), QStringLiteral("Activity "));
            QCOMPARE(child<QLabel>(dlg, "Label5")->text(), QStringLiteral("&Amount of money spent per:"));
            QCOMPARE(child<QLabel>(dlg, "Label3")->text(), QStringLiteral("&Money"));
            child<QLineEdit>(dlg, "edName")->setText(QStringLiteral("Coffee"));
            child<QComboBox>(dlg, "cbWhen")->setCurrentIndex(1);
            child<TNumEdit>(dlg, "numMoney")->setValue(1234.5);
            child<QLineEdit>(dlg, "edDate")->setText(QStringLiteral("6/10/2024"));
            child<QPushButton>(dlg, "btOK")->click();
        });
        click(&w, "btAdd2");
        QCOMPARE(w.moneyModel().rowTexts(1).mid(0, 5),
                 (QStringList{"Coffee", "$1,234.50", "Week", "6/10/2024", "Now"}));
        QCOMPARE(w.moneyModel().cell(1, 5), QStringLiteral("$64,370 (25.75%)"));

        answerNextDialog([](QDialog *d) {
            auto *dlg = qobject_cast<TfrmMoney *>(d);
            QCOMPARE(child<QLabel>(dlg, "Label5")->text(), QStringLiteral("&Frequency performed per:"));
            QCOMPARE(child<QLabel>(dlg, "Label3")->text(), QStringLiteral("N&umber"));
            child<QLineEdit>(dlg, "edName")->setText(QStringLiteral("Haircut"));
            child<QComboBox>(dlg, "cbWhen")->setCurrentIndex(4);
            child<TNumEdit>(dlg, "numMoney")->setValue(1500);
            child<QPushButton>(dlg, "btOK")->click();
        });
        click(&w, "btAdd3");
        QCOMPARE(w.freqModel().rowTexts(1), (QStringList{"Haircut", "1,500", "Once", "3/15/1990", "Now", "1,500"}));
        QVERIFY(messages().isEmpty());
    }

    void addedRowIsTheCurrentOne()
    {
        writeIni("[DOB]\nDate=3/15/1990\n[Money]\nCount=2\n[Money1]\nDesc=Rent\nAmount=$500.00\nPer=Month\n"
                 "Start=1/1/2020\nEnd=Now\n[Money2]\nDesc=Food\nAmount=$50.00\nPer=Week\nStart=1/1/2020\nEnd=Now\n");
        TfrmMain w;
        w.show();
        auto *grid = child<QTableView>(&w, "gridMoney");
        answerNextDialog([](QDialog *d) {
            child<QLineEdit>(d, "edName")->setText(QStringLiteral("Coffee"));
            child<TNumEdit>(d, "numMoney")->setValue(3);
            child<QPushButton>(d, "btOK")->click();
        });
        click(&w, "btAdd2");
        QCOMPARE(w.moneyModel().cell(3, 0), QStringLiteral("Coffee"));
        // Enter edits the row just added, not row 1.
        QCOMPARE(grid->currentIndex().row(), 2);
        QVERIFY(grid->selectionModel()->isRowSelected(2, QModelIndex()));
    }

    void answeringADialogThatNeverOpenedFails()
    {
        QStringList reported;
        const auto report = helperFailure();
        helperFailure() = [&](const char *message) { reported << QString::fromLatin1(message); };
        answerNextDialog([](QDialog *) {});
        checkDialogsAnswered();
        helperFailure() = report;
        QCOMPARE(reported, QStringList{QStringLiteral("answerNextDialog: no modal dialog was open to answer")});
    }

    void rowCountingTimeNotYetLivedIsToldAndChangeReopensIt()
    {
        writeIni("[DOB]\nDate=3/15/1990\n");
        TfrmMain w;
        w.show();
        auto fill = [](QDialog *d, const char *end) {
            child<QLineEdit>(d, "edName")->setText(QStringLiteral("Plan"));
            child<QSpinBox>(d, "numHours")->setValue(1);
            child<QRadioButton>(d, "rbSpecific")->click();
            child<QLineEdit>(d, "edEndDate")->setText(QLatin1String(end));
        };
        answerNextDialog([fill](QDialog *d) {
            fill(d, "12/31/2100");
            // Change it reopens the row, in a dialog of its own.
            answerNextDialog([fill](QDialog *again) {
                fill(again, "1/1/2025");
                child<QPushButton>(again, "btOK")->click();
            });
            child<QPushButton>(d, "btOK")->click();
        });
        Prompts::setNextAnswer(Prompts::Answer::Change);
        click(&w, "btAdd1");
        QCOMPARE(messages(),
                 QStringList{QStringLiteral("Plan ends after today, so its total counts time not yet lived.")});
        QCOMPARE(w.hoursModel().cell(1, Column::End), QStringLiteral("1/1/2025"));
        QCOMPARE(w.hoursModel().numNonBlankRows(), 1);
    }

    void unreadableDateSaysWhichFormItWants()
    {
        TfrmTime dlg(QStringLiteral("3/15/1990"), ymdValue(1990, 3, 15));
        dlg.show();
        QCOMPARE(child<QLineEdit>(&dlg, "edDate")->placeholderText(), QStringLiteral("m/d/yyyy"));
        dlg.setRow({QStringLiteral("a"), QString(), QStringLiteral("Day"), QStringLiteral("2/30/2000"),
                    QStringLiteral("Now")});
        child<QPushButton>(&dlg, "btOK")->click();
        QCOMPARE(messages(), QStringList{QStringLiteral("Starting date is not valid\nType the date as m/d/yyyy.")});
    }

    void fullTableRefusesAdd()
    {
        writeIni(hoursRows(49));
        TfrmMain w;
        w.show();
        QVERIFY(w.hoursModel().isBlank(50));
        click(&w, "btAdd1");
        QCOMPARE(messages(), QStringList{QStringLiteral("Maximum number of rows reached")});
    }

    void row50EditsAndDeletes()
    {
        writeIni(hoursRows(50));
        TfrmMain w;
        w.show();
        select(w, "gridHours", 50);
        answerNextDialog([](QDialog *d) {
            auto *dlg = qobject_cast<TfrmTime *>(d);
            QCOMPARE(child<QLineEdit>(dlg, "edName")->text(), QStringLiteral("Act 50"));
            QVERIFY(child<QRadioButton>(dlg, "rbSpecific")->isChecked());
            QCOMPARE(child<QLineEdit>(dlg, "edEndDate")->text(), QStringLiteral("1/31/2025"));
            child<QLineEdit>(dlg, "edName")->setText(QStringLiteral("Renamed"));
            child<QPushButton>(dlg, "btOK")->click();
        });
        click(&w, "btEdit1");
        QCOMPARE(w.hoursModel().cell(50, 0), QStringLiteral("Renamed"));
        Prompts::setNextAnswer(Prompts::Answer::Yes);
        click(&w, "btDel1");
        QVERIFY(w.hoursModel().isBlank(50));
        QCOMPARE(w.hoursModel().numNonBlankRows(), 49);
    }

    void deleteMovesRowsUp()
    {
        writeIni(hoursRows(5));
        TfrmMain w;
        w.show();
        w.hoursModel().setCell(4, 5, QStringLiteral("total of 4"));
        select(w, "gridHours", 3);
        Prompts::setNextAnswer(Prompts::Answer::No);
        click(&w, "btDel1");
        QCOMPARE(w.hoursModel().numNonBlankRows(), 5);
        QCOMPARE(Prompts::shown().last().title, QStringLiteral("Confirm"));
        QCOMPARE(Prompts::shown().last().text, QStringLiteral("Really delete Act 3?"));
        Prompts::setNextAnswer(Prompts::Answer::Yes);
        click(&w, "btDel1");
        QCOMPARE(w.hoursModel().cell(3, 0), QStringLiteral("Act 4"));
        QCOMPARE(w.hoursModel().cell(3, 5), QStringLiteral("total of 4"));
        QCOMPARE(w.hoursModel().cell(4, 0), QStringLiteral("Act 5"));
        QVERIFY(w.hoursModel().isBlank(5));
        QCOMPARE(child<QTableView>(&w, "gridHours")->currentIndex().row() + 1, 3);
    }

    void blankSelectionMessages()
    {
        writeIni(hoursRows(2));
        TfrmMain w;
        w.show();
        select(w, "gridHours", 4);
        click(&w, "btEdit1");
        click(&w, "btDel1");
        select(w, "gridMoney", 1);
        click(&w, "btEdit2");
        click(&w, "btDel3");
        QCOMPARE(messages(),
                 (QStringList{"Nothing to edit", "Nothing to delete", "Nothing to edit", "Nothing to delete"}));
    }

    void editRowWithoutPeriodWordStoresMonth()
    {
        writeIni("[DOB]\nDate=3/15/1990\n[Hours]\nCount=1\n[Hour1]\nDesc=Odd\nHrMin=2 Hrs\nPer=Fortnight\n"
                 "Start=1/1/2025\nEnd=Now\n");
        TfrmMain w;
        w.show();
        QCOMPARE(w.hoursModel().cell(1, 5), QStringLiteral("0"));
        answerNextDialog([](QDialog *d) {
            auto *dlg = qobject_cast<TfrmTime *>(d);
            QVERIFY(!child<QRadioButton>(dlg, "rbDay")->isChecked() &&
                    !child<QRadioButton>(dlg, "rbWeek")->isChecked() &&
                    !child<QRadioButton>(dlg, "rbMonth")->isChecked());
            QVERIFY(child<QRadioButton>(dlg, "rbNow")->isChecked());
            QCOMPARE(child<QLineEdit>(dlg, "edEndDate")->text(), QStringLiteral("Now"));
            child<QPushButton>(dlg, "btOK")->click();
        });
        click(&w, "btEdit1");
        QCOMPARE(w.hoursModel().cell(1, 2), QStringLiteral("Month"));
    }

    void editMoneyRowKeepsItsAmountAndSelectsOnce()
    {
        writeIni("[DOB]\nDate=3/15/1990\n[Money]\nCount=1\n[Money1]\nDesc=Car\nAmount=$12,345.67\nPer=weekly\n"
                 "Start=1/1/2025\nEnd=2/1/2025\n");
        TfrmMain w;
        w.show();
        w.moneyModel().setCell(1, 5, QStringLiteral("stale"));
        answerNextDialog([](QDialog *d) {
            auto *dlg = qobject_cast<TfrmMoney *>(d);
            QCOMPARE(child<TNumEdit>(dlg, "numMoney")->text(), QStringLiteral("$12,345.67"));
            QCOMPARE(child<QComboBox>(dlg, "cbWhen")->currentText(), QStringLiteral("Once only"));
            QVERIFY(child<QRadioButton>(dlg, "rbSpecific")->isChecked());
            child<QPushButton>(dlg, "btCancel")->click();
        });
        click(&w, "btEdit2");
        // A cancelled edit still recomputes the row; no period word counts nothing.
        QCOMPARE(w.moneyModel().cell(1, 5), QStringLiteral("$0"));
        QCOMPARE(w.moneyModel().cell(1, 2), QStringLiteral("weekly"));
        answerNextDialog([](QDialog *d) { child<QPushButton>(d, "btOK")->click(); });
        click(&w, "btEdit2");
        QCOMPARE(w.moneyModel().cell(1, 2), QStringLiteral("Once"));
        QCOMPARE(w.moneyModel().cell(1, 5), QStringLiteral("$12,346 (4.94%)"));
    }

    void hoursChecks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("period"); // 0 day, 1 week, 2 month
        QTest::addColumn<int>("hours");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("start");
        QTest::addColumn<bool>("specific");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");

        QTest::newRow("valid") << "a" << 0 << 1 << 0 << "1/1/2000" << false << "Now"
                               << ""
                               << "";
        QTest::newRow("24 h per day") << "a" << 0 << 24 << 0 << "1/1/2000" << false << "Now"
                                      << ""
                                      << "";
        QTest::newRow("24 h 1 min per day") << "a" << 0 << 24 << 1 << "1/1/2000" << false << "Now"
                                            << "Number of hours incorrect for days"
                                            << "edName";
        QTest::newRow("168 h per week") << "a" << 1 << 168 << 0 << "1/1/2000" << false << "Now"
                                        << ""
                                        << "";
        QTest::newRow("168 h 30 min per week") << "a" << 1 << 168 << 30 << "1/1/2000" << false << "Now"
                                               << "Number of hours/minutes incorrect for weeks"
                                               << "edName";
        QTest::newRow("720 h per month") << "a" << 2 << 720 << 59 << "1/1/2000" << false << "Now"
                                         << ""
                                         << "";
        QTest::newRow("start on the birth date") << "a" << 0 << 1 << 0 << "3/15/1990" << false << "Now"
                                                 << ""
                                                 << "";
        QTest::newRow("start before birth") << "a" << 0 << 1 << 0 << "3/14/1990" << false << "Now"
                                            << "Starting date is earlier than date of birth"
                                            << "edDate";
        QTest::newRow("start today") << "a" << 0 << 1 << 0 << "6/10/2025" << false << "Now"
                                     << ""
                                     << "";
        QTest::newRow("start tomorrow") << "a" << 0 << 1 << 0 << "6/11/2025" << false << "Now"
                                        << "Starting date is in the future"
                                        << "edDate";
        QTest::newRow("end before start, specific") << "a" << 0 << 1 << 0 << "1/2/2000" << true << "1/1/2000"
                                                    << "Starting date is after the ending date"
                                                    << "edDate";
        QTest::newRow("same day start and end") << "a" << 0 << 1 << 0 << "1/2/2000" << true << "1/2/2000"
                                                << ""
                                                << "";
        QTest::newRow("hours before birth date") << "a" << 0 << 25 << 0 << "3/14/1990" << false << "Now"
                                                 << "Number of hours incorrect for days"
                                                 << "edName";
        QTest::newRow("blank description first of several") << "" << 0 << 30 << 0 << "bad" << true << "bad"
                                                            << "Description cannot be blank"
                                                            << "edName";
        QTest::newRow("bad start") << "a" << 0 << 30 << 0 << "2/30/2000" << true << "bad"
                                   << "Starting date is not valid"
                                   << "edDate";
        QTest::newRow("bad end, specific") << "a" << 0 << 30 << 0 << "1/1/2000" << true << "13/1/2000"
                                           << "Ending date is not valid"
                                           << "edEndDate";
    }
    void hoursChecks()
    {
        QFETCH(QString, name);
        QFETCH(int, period);
        QFETCH(int, hours);
        QFETCH(int, minutes);
        QFETCH(QString, start);
        QFETCH(bool, specific);
        QFETCH(QString, end);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        TfrmTime dlg(QStringLiteral("3/15/1990"), ymdValue(1990, 3, 15));
        dlg.show();
        const QString per[] = {QStringLiteral("Day"), QStringLiteral("Week"), QStringLiteral("Month")};
        dlg.setRow({name, durationText(hours, minutes), per[period], start, specific ? end : QStringLiteral("Now")});
        child<QLineEdit>(&dlg, "edName")->setFocus();
        QString got;
        QCOMPARE(dlg.qKosher(got), message.isEmpty());
        QCOMPARE(got, message);
        if (!focus.isEmpty())
            QCOMPARE(dlg.focusWidget()->objectName(), focus);
    }

    void indefiniteEndIsNeverChecked()
    {
        TfrmTime dlg(QStringLiteral("3/15/1990"), ymdValue(1990, 3, 15));
        dlg.show();
        dlg.setRow(
            {QStringLiteral("a"), QString(), QStringLiteral("Day"), QStringLiteral("1/1/2000"), QStringLiteral("Now")});
        child<QLineEdit>(&dlg, "edEndDate")->setText(QStringLiteral("rubbish"));
        child<QPushButton>(&dlg, "btOK")->click();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(child<QLineEdit>(&dlg, "edEndDate")->text(), QStringLiteral("Now"));
    }

    void endDateModes()
    {
        TfrmTime dlg(QStringLiteral("3/15/1990"), ymdValue(1990, 3, 15));
        child<QLineEdit>(&dlg, "edEndDate")->setText(QStringLiteral("Now"));
        dlg.show();
        child<QRadioButton>(&dlg, "rbSpecific")->click();
        QCOMPARE(child<QLineEdit>(&dlg, "edEndDate")->text(), QStringLiteral("6/10/2025"));
        QVERIFY(child<QLineEdit>(&dlg, "edEndDate")->isEnabled());
        child<QLineEdit>(&dlg, "edEndDate")->setText(QStringLiteral("1/1/2020"));
        child<QRadioButton>(&dlg, "rbNow")->click();
        QCOMPARE(child<QLineEdit>(&dlg, "edEndDate")->text(), QStringLiteral("Now"));
        QVERIFY(!child<QLineEdit>(&dlg, "edEndDate")->isEnabled());
        child<QRadioButton>(&dlg, "rbSpecific")->click();
        QCOMPARE(child<QLineEdit>(&dlg, "edEndDate")->text(),
                 QStringLiteral("6/10/2025")); // typed dates are not remembered
    }

    void dateWhenLabels()
    {
        TfrmTime dlg(QStringLiteral("3/15/1990"), ymdValue(1990, 3, 15));
        child<QLineEdit>(&dlg, "edDate")->setText(QStringLiteral("6/10/2025"));
        child<QLineEdit>(&dlg, "edEndDate")->setText(QStringLiteral("Now"));
        dlg.show();
        QCOMPARE(child<QLabel>(&dlg, "lblStart")->text(), QStringLiteral("Today   You are 35 yrs 3 mons old"));
        QCOMPARE(child<QLabel>(&dlg, "lblEnd")->text(), QString());
        child<QLineEdit>(&dlg, "edDate")->setText(QStringLiteral("bad"));
        QFocusEvent leave(QEvent::FocusOut);
        QApplication::sendEvent(child<QLineEdit>(&dlg, "edDate"), &leave);
        QCOMPARE(child<QLabel>(&dlg, "lblStart")->text(), QString());
    }

    void moneyChecks_data()
    {
        QTest::addColumn<bool>("money");
        QTest::addColumn<double>("amount");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("message");
        QTest::newRow("zero refused") << true << 0.0 << "1/1/2000"
                                      << "Now"
                                      << "Value cannot be set to 0";
        QTest::newRow("one cent") << true << 0.01 << "1/1/2000"
                                  << "Now"
                                  << "";
        QTest::newRow("end before start refused") << false << 3.0 << "1/2/2000"
                                                  << "1/1/2000"
                                                  << "Starting date is after the ending date";
        QTest::newRow("same day start and end") << true << 3.0 << "1/2/2000"
                                                << "1/2/2000"
                                                << "";
        QTest::newRow("before birth") << false << 3.0 << "1/2/1980"
                                      << "Now"
                                      << "Starting date is earlier than date of birth";
        QTest::newRow("future before zero") << true << 0.0 << "6/11/2025"
                                            << "Now"
                                            << "Starting date is in the future";
    }
    void moneyChecks()
    {
        QFETCH(bool, money);
        QFETCH(double, amount);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, message);
        TfrmMoney dlg(money, QStringLiteral("3/15/1990"), ymdValue(1990, 3, 15));
        dlg.setRow({QStringLiteral("thing"), QString(), QStringLiteral("Day"), start, end});
        dlg.show();
        child<TNumEdit>(&dlg, "numMoney")->setValue(amount);
        QString got;
        QCOMPARE(dlg.qKosher(got), message.isEmpty());
        QCOMPARE(got, message);
        if (message == QLatin1String("Value cannot be set to 0"))
            QCOMPARE(dlg.focusWidget(), static_cast<QWidget *>(child<TNumEdit>(&dlg, "numMoney")));
        if (message == QLatin1String("Starting date is after the ending date"))
            QCOMPARE(dlg.focusWidget()->objectName(), QStringLiteral("edDate"));
    }

    void refusedOkKeepsTheDialogOpen()
    {
        TfrmMain w;
        w.show();
        bool stillOpen = false;
        answerNextDialog([](QDialog *d) { child<QPushButton>(d, "btOK")->click(); }, &stillOpen);
        click(&w, "btAdd2");
        QVERIFY(stillOpen);
        QCOMPARE(messages(), QStringList{QStringLiteral("Description cannot be blank")});
        QCOMPARE(w.moneyModel().numNonBlankRows(), 0);
    }

    void failedConversionStopsTheTotalsThere()
    {
        QByteArray content = hoursRows(3);
        content.replace("[Hour2]\nDesc=Act 2\nHrMin=1 Hr\nPer=Day\nStart=1/1/2025",
                        "[Hour2]\nDesc=Act 2\nHrMin=1 Hr\nPer=Day\nStart=soon");
        writeIni(content);
        TfrmMain w;
        w.show();
        QCOMPARE(messages(), QStringList{QStringLiteral("'soon' is not a valid date.")});
        QCOMPARE(w.hoursModel().cell(1, 5), QStringLiteral("30 (0.01%)"));
        QCOMPARE(w.hoursModel().cell(3, 5), QString());
    }

    void everyTableChangeUndoesAndRedoes_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("add") << "add";
        QTest::newRow("edit") << "edit";
        QTest::newRow("delete") << "delete";
        QTest::newRow("sort") << "sort";
    }
    void everyTableChangeUndoesAndRedoes()
    {
        QFETCH(QString, change);
        QByteArray content = hoursRows(3);
        content.replace("Desc=Act 1\nHrMin=1 Hr", "Desc=Zed\nHrMin=5 Hrs");
        writeIni(content);
        TfrmMain w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const auto before = w.hoursModel().table();
        auto *grid = child<QTableView>(&w, "gridHours");
        select(w, "gridHours", 1);
        if (change == QLatin1String("sort")) {
            child<QStackedWidget>(&w, "Notebook1")->setCurrentIndex(TfrmMain::Hours);
            w.findChild<QAction *>(QStringLiteral("ActivitySort"))->trigger();
        } else if (change == QLatin1String("delete")) {
            Prompts::setNextAnswer(Prompts::Answer::Yes);
            click(&w, "btDel1");
        } else {
            answerNextDialog([](QDialog *d) {
                child<QLineEdit>(d, "edName")->setText(QStringLiteral("New"));
                child<QSpinBox>(d, "numHours")->setValue(2);
                child<QPushButton>(d, "btOK")->click();
            });
            click(&w, change == QLatin1String("add") ? "btAdd1" : "btEdit1");
        }
        const auto after = w.hoursModel().table();
        QVERIFY(after != before);
        QVERIFY(w.isModified());
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.hoursModel().table(), before);
        QVERIFY(!w.isModified());
        QTest::keyClick(grid, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.hoursModel().table(), after);
        w.undoStack().undo();
        QTest::keyClick(grid, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(w.hoursModel().table(), after);
    }

    void deleteConfirmationDefaultsToNo()
    {
        Prompts::setTestMode(false); // the real box, answered from its own loop
        QPushButton *defaultButton = nullptr;
        QPushButton *no = nullptr;
        QTimer::singleShot(0, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                defaultButton = box->defaultButton();
                no = qobject_cast<QPushButton *>(box->button(QMessageBox::No));
                QTest::keyClick(box, Qt::Key_Return);
            }
        });
        const bool yes = Prompts::confirm(nullptr, QStringLiteral("Confirm"), QStringLiteral("Really delete Act 1?"));
        Prompts::setTestMode(true);
        QVERIFY(no);
        QCOMPARE(defaultButton, no);
        QVERIFY(!yes);
    }

    // At any scale every grid line is one device pixel wide and every row as high as the others,
    // also where the table sits at a fractional device offset.
    void gridLinesInDevicePixels_data()
    {
        QTest::addColumn<double>("scale");
        QTest::newRow("1") << 1.0;
        QTest::newRow("1.25") << 1.25;
        QTest::newRow("1.5") << 1.5;
        QTest::newRow("2") << 2.0;
    }
    void gridLinesInDevicePixels()
    {
        QFETCH(double, scale);
        const int row = rowPixels(scale);
        QVERIFY(row >= 21 && row < 29);
        QCOMPARE(row * scale, std::round(row * scale));
        const int rows = 6, cols = 3, width = 51;
        QStandardItemModel model(rows, cols);
        ActivityCellDelegate delegate;
        QImage image(static_cast<int>(std::ceil((cols * width + 3) * scale)),
                     static_cast<int>(std::ceil((rows * row + 3) * scale)), QImage::Format_RGB32);
        image.setDevicePixelRatio(scale);
        image.fill(Qt::white);
        QStyleOptionViewItem option;
        option.palette.setColor(QPalette::Base, Qt::white);
        option.palette.setColor(QPalette::Text, Qt::black);
        {
            QPainter painter(&image);
            painter.translate(3, 3);
            for (int r = 0; r < rows; ++r)
                for (int c = 0; c < cols; ++c) {
                    option.rect = QRect(c * width, r * row, width, row);
                    delegate.paint(&painter, option, model.index(r, c));
                }
        }
        // The lengths of the runs of line pixels along a line of device pixels, and the gaps between.
        const auto runs = [&](QPoint from, QPoint step, int count) {
            QList<int> lines, gaps;
            int run = 0, gap = 0;
            for (QPoint p = from; count-- > 0; p += step) {
                if (image.pixel(p) != qRgb(255, 255, 255)) {
                    ++run;
                    if (gap > 0)
                        gaps.append(std::exchange(gap, 0));
                } else {
                    if (run > 0)
                        lines.append(std::exchange(run, 0));
                    ++gap;
                }
            }
            if (run > 0)
                lines.append(run);
            return std::pair{lines, gaps};
        };
        const auto [across, columnGaps] = runs(QPoint(0, qRound(13 * scale)), QPoint(1, 0), image.width());
        QCOMPARE(across, QList<int>(cols, 1));
        const auto [down, rowGaps] = runs(QPoint(qRound(20 * scale), 0), QPoint(0, 1), image.height());
        QCOMPARE(down, QList<int>(rows, 1));
        QCOMPARE(rowGaps.mid(1), QList<int>(rows - 1, qRound(row * scale) - 1));
    }

    void gridLinesShowOnDarkPalettes()
    {
        // A dark desktop's grid colour a shade from its base becomes a visible one; a visible one stays.
        const QColor dark = visibleLine(QColor(0x2a, 0x2a, 0x2a), QColor(0x24, 0x24, 0x24), QColor(0xee, 0xee, 0xee));
        QVERIFY(dark.lightness() - 0x24 >= 40);
        QCOMPARE(visibleLine(QColor(0xa0, 0xa0, 0xa0), Qt::white, Qt::black), QColor(0xa0, 0xa0, 0xa0));
    }

    // A total too wide for its column shows an ellipsis where digits were cut, a name one at its
    // end; the tooltip starts with the whole text (before the explanation of a total).
    void cutTotalIsMarkedAndShownWholeInItsTooltip()
    {
        writeIni(hoursRows(1));
        TfrmMain w;
        w.show();
        auto *grid = child<QTableView>(&w, "gridHours");
        const QModelIndex total = grid->model()->index(0, Column::Total);
        const QString text = total.data().toString();
        const QString explanation = total.data(Qt::ToolTipRole).toString();
        QCOMPARE(text, QStringLiteral("30 (0.01%)"));
        QVERIFY(explanation.startsWith(QStringLiteral("1 hour a day × 30 days (1/1/2025 to 1/31/2025) = 30 hours")));

        const QFontMetrics metrics(grid->font(), grid->viewport());
        const int narrow = metrics.horizontalAdvance(text) - 10;
        const QString shown = ActivityCellDelegate::shownText(metrics, text, narrow, Qt::AlignRight);
        QVERIFY2(shown.startsWith(QChar(0x2026)) && shown.endsWith(QStringLiteral("%)")), qPrintable(shown));
        QVERIFY(metrics.horizontalAdvance(shown) <= narrow - 4);
        // A left-aligned text keeps its beginning; texts that fit are drawn as they are.
        const QString name = ActivityCellDelegate::shownText(metrics, text, narrow, Qt::AlignLeft);
        QVERIFY2(name.startsWith(QStringLiteral("30")) && name.endsWith(QChar(0x2026)), qPrintable(name));
        QVERIFY(metrics.horizontalAdvance(name) <= narrow - 4);
        QCOMPARE(ActivityCellDelegate::shownText(metrics, text, narrow + 12, Qt::AlignRight), text);
        QCOMPARE(ActivityCellDelegate::shownText(metrics, text, narrow + 12, Qt::AlignLeft), text);

        auto tooltipAt = [grid](const QModelIndex &index) {
            const QPoint at = grid->visualRect(index).center();
            QHelpEvent event(QEvent::ToolTip, at, grid->viewport()->mapToGlobal(at));
            QApplication::sendEvent(grid->viewport(), &event);
            return QToolTip::text();
        };
        QCOMPARE(tooltipAt(total), explanation);
        grid->setColumnWidth(Column::Total, narrow);
        QCOMPARE(tooltipAt(total), text + QLatin1Char('\n') + explanation);
        const QModelIndex activity = grid->model()->index(0, Column::Activity);
        grid->setColumnWidth(Column::Activity, 12);
        QCOMPARE(tooltipAt(activity), activity.data().toString());
        QToolTip::hideText();
    }

    void rightClickOpensTheSortMenu()
    {
        TfrmMain w;
        w.show();
        auto *grid = child<QTableView>(&w, "gridHours");
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(10, 10), grid->mapToGlobal(QPoint(10, 10)));
        QApplication::sendEvent(grid, &event);
        QTRY_VERIFY(w.sortMenu()->isVisible());
        QStringList items;
        for (QAction *a : w.sortMenu()->actions())
            items << a->text();
        // The three sorts, then, after a separator, the table's export.
        QCOMPARE(items, (QStringList{"Sort by activity", "Sort by start date", "Sort by total", "", "Copy",
                                     "Export as CSV…"}));
        w.sortMenu()->close();
    }
};

QTEST_MAIN(TestActivityTables)
#include "tst_activitytables.moc"
