// The calendar picker: moving by months and years, Today and Birthday, and what a pick returns.
#include "calc/clock.h"
#include "guisupport.h"
#include "testsupport.h"
#include "widgets/frmpickdate.h"
#include "widgets/spinner.h"
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QtTest>

using namespace testsupport;

class TestFrmPickDate : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        resetSharedState();
        fixClock(2025, 6, 10, 14, 0);
    }
    void cleanup() { resetSharedState(); }

    void shape()
    {
        TfrmPickDate picker(ymdValue(2001, 3, 31), ymdValue(1970, 6, 10));
        picker.show();
        QCOMPARE(picker.size(), QSize(370, 291));
        QVERIFY(picker.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(picker.windowTitle(), QStringLiteral("Calendar"));
        QCOMPARE(child<QWidget>(&picker, "Calendar")->geometry(), QRect(8, 7, 353, 190));
        QCOMPARE(child<QToolButton>(&picker, "sbNow")->focusPolicy(), Qt::NoFocus);
        QCOMPARE(child<QLabel>(&picker, "pnlMonth")->text(), QStringLiteral("March"));
        QCOMPARE(child<QLabel>(&picker, "pnlYear")->text(), QStringLiteral("2001"));
        // What a screen reader calls the arrows, set by the window's layout file.
        QCOMPARE(child<TSpinner>(&picker, "MonthSpinner")->upButton()->accessibleName(),
                 QStringLiteral("Previous month"));
        QCOMPARE(child<TSpinner>(&picker, "YearSpinner")->downButton()->accessibleName(),
                 QStringLiteral("Previous year"));
    }

    void spinners_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QString>("spinner");
        QTest::addColumn<QString>("arrow");
        QTest::addColumn<QDate>("expected");
        QTest::newRow("month up goes back, day cut") << QDate(2001, 3, 31) << "MonthSpinner"
                                                     << "up" << QDate(2001, 2, 28);
        QTest::newRow("month down goes forward, leap day") << QDate(2000, 1, 31) << "MonthSpinner"
                                                           << "down" << QDate(2000, 2, 29);
        QTest::newRow("year up goes forward") << QDate(2000, 2, 29) << "YearSpinner"
                                              << "up" << QDate(2001, 2, 28);
        QTest::newRow("year down goes back") << QDate(2001, 12, 31) << "YearSpinner"
                                             << "down" << QDate(2000, 12, 31);
    }
    void spinners()
    {
        QFETCH(QDate, from);
        QFETCH(QString, spinner);
        QFETCH(QString, arrow);
        QFETCH(QDate, expected);
        TfrmPickDate picker(fromQDate(from), ymdValue(1970, 6, 10));
        picker.show();
        auto *spin = picker.findChild<TSpinner *>(spinner);
        QToolButton *button = arrow == QLatin1String("up") ? spin->upButton() : spin->downButton();
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(picker.shownDate(), expected);
        QCOMPARE(child<QLabel>(&picker, "pnlYear")->text(), QString::number(expected.year()));
    }

    void birthdayAndToday()
    {
        TfrmPickDate picker(ymdValue(2001, 3, 31), ymdValue(1970, 6, 10));
        picker.show();
        child<QToolButton>(&picker, "SpeedButton1")->click();
        QCOMPARE(picker.shownDate(), QDate(1970, 6, 10));
        QCOMPARE(child<QLabel>(&picker, "pnlMonth")->text(), QStringLiteral("June"));
        QCOMPARE(child<QLabel>(&picker, "pnlYear")->text(), QStringLiteral("1970"));
        QCOMPARE(child<QLabel>(&picker, "pnlWhen")->text(), QStringLiteral("55 yrs ago"));
        child<QToolButton>(&picker, "sbNow")->click();
        QCOMPARE(picker.shownDate(), QDate(2025, 6, 10));
        QCOMPARE(child<QLabel>(&picker, "pnlWhen")->text(), QStringLiteral("Today   You are 55 yrs old"));
    }

    void homeKeyShowsToday()
    {
        TfrmPickDate picker(ymdValue(2001, 3, 31), ymdValue(1970, 6, 10));
        picker.show();
        QWidget *calendar = child<QWidget>(&picker, "Calendar");
        QTest::keyClick(calendar, Qt::Key_Home);
        QCOMPARE(picker.shownDate(), QDate(2025, 6, 10));
    }

    void tabReachesBirthday()
    {
        TfrmPickDate picker(ymdValue(2001, 3, 31), ymdValue(1970, 6, 10));
        picker.show();
        picker.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&picker));
        QTRY_VERIFY(child<QWidget>(&picker, "Calendar")->hasFocus());
        QStringList order;
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        // Today has the Home key, so it stays out of the tab order.
        QCOMPARE(order, (QStringList{QStringLiteral("SpeedButton1"), QStringLiteral("btnOk"),
                                     QStringLiteral("btnCancel"), QStringLiteral("qt_calendar_calendarview")}));
        child<QWidget>(&picker, "SpeedButton1")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(picker.shownDate(), QDate(1970, 6, 10));
    }

    // It opens under its field, and a screen reader is told that place, not the screen's corner.
    void reportsItsPlace()
    {
        QWidget window;
        window.setGeometry(60, 40, 400, 200);
        auto *anchor = new QLineEdit(&window);
        anchor->setGeometry(30, 50, 120, 24);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QRect frame, told;
        answerNextDialog([&](QDialog *d) {
            QVERIFY(d->windowFlags().testFlag(Qt::Popup));
            frame = d->frameGeometry();
            told = QAccessible::queryAccessibleInterface(d)->rect();
        });
        pickDate(anchor, ymdValue(2000, 5, 5), 0);
        QCOMPARE(frame.topLeft(), anchor->mapToGlobal(QPoint(0, anchor->height())));
        QCOMPARE(told, frame);

        TfrmPickDate picker(ymdValue(2001, 3, 31), ymdValue(1970, 6, 10));
        picker.show();
        picker.move(123, 45);
        QCOMPARE(QAccessible::queryAccessibleInterface(&picker)->rect(), QRect(123, 45, 370, 291));
    }

    void popupPlace_data()
    {
        QTest::addColumn<QRect>("anchor");
        QTest::addColumn<QPoint>("place");
        // A 370 × 291 picker on a 1000 × 800 work area from (0, 30).
        QTest::newRow("below") << QRect(100, 100, 120, 24) << QPoint(100, 124);
        QTest::newRow("above when no room below") << QRect(100, 600, 120, 24) << QPoint(100, 309);
        QTest::newRow("kept in from the right") << QRect(900, 100, 120, 24) << QPoint(630, 124);
        QTest::newRow("kept in from the left") << QRect(-50, 100, 120, 24) << QPoint(0, 124);
        QTest::newRow("no room either way") << QRect(100, 200, 120, 500) << QPoint(100, 539);
    }
    void popupPlace()
    {
        QFETCH(QRect, anchor);
        QFETCH(QPoint, place);
        QCOMPARE(::popupPlace(anchor, QSize(370, 291), QRect(0, 30, 1000, 800)), place);
    }

    void pickResults_data()
    {
        QTest::addColumn<double>("initial");
        QTest::addColumn<QString>("button");
        QTest::addColumn<double>("expected");
        const double withTime = ymdValue(2001, 3, 31) + 0.75;
        QTest::newRow("cancel after moves returns the initial value exactly") << withTime << "btnCancel" << withTime;
        QTest::newRow("OK returns the shown day at midnight, day cut kept")
            << withTime << "btnOk" << ymdValue(2001, 1, 28);
        QTest::newRow("initial of zero opens on today, cancel returns zero") << 0.0 << "btnCancel" << 0.0;
        QTest::newRow("initial of zero, OK gives a day near today") << 0.0 << "btnOk" << ymdValue(2025, 4, 10);
    }
    void pickResults()
    {
        QFETCH(double, initial);
        QFETCH(QString, button);
        QFETCH(double, expected);
        QLineEdit anchor;
        answerNextDialog([button](QDialog *d) {
            auto *spin = d->findChild<TSpinner *>(QStringLiteral("MonthSpinner"));
            spin->upButton()->click();
            spin->upButton()->click();
            d->findChild<QPushButton *>(button)->click();
        });
        QCOMPARE(pickDate(&anchor, initial, ymdValue(1970, 6, 10)), expected);
    }

    void enterAndEscape()
    {
        QLineEdit anchor;
        answerNextDialog([](QDialog *d) { QTest::keyClick(d->findChild<QWidget *>("Calendar"), Qt::Key_Return); });
        QCOMPARE(pickDate(&anchor, ymdValue(2000, 5, 5) + 0.5, 0), ymdValue(2000, 5, 5));
        answerNextDialog([](QDialog *d) { QTest::keyClick(d, Qt::Key_Escape); });
        QCOMPARE(pickDate(&anchor, ymdValue(2000, 5, 5) + 0.5, 0), ymdValue(2000, 5, 5) + 0.5);
    }
};

QTEST_MAIN(TestFrmPickDate)
#include "tst_frmpickdate.moc"
