// The wizard used from the keyboard alone, and what a screen reader is told about every control.
#include "about/frmabout.h"
#include "app/frmmain.h"
#include "app/translations.h"
#include "guisupport.h"
#include "calc/localesettings.h"
#include "results/frmgraph.h"
#include "results/frmprices.h"
#include "results/frmweeks.h"
#include "tables/activitymodel.h"
#include "tables/frmmoney.h"
#include "tables/frmtime.h"
#include "testsupport.h"
#include "widgets/frmpickdate.h"
#include "widgets/prompts.h"
#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableView>
#include <QtTest>
#include <memory>

using namespace testsupport;

namespace {

// Every visible control that takes the keyboard focus must have a name to speak.
QStringList unnamedFocusable(QWidget *window)
{
    QStringList missing;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window) || w->focusPolicy() == Qt::NoFocus || !w->isEnabled())
            continue;
        // Parts of composite controls (a spin box's line edit, a view's viewport) speak for their owner.
        QWidget *parent = w->parentWidget();
        if (parent &&
            (qobject_cast<QAbstractSpinBox *>(parent) || qobject_cast<QAbstractScrollArea *>(parent->parentWidget()) ||
             parent->inherits("QCalendarWidget")))
            continue;
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
        if (!iface || iface->text(QAccessible::Name).trimmed().isEmpty())
            missing << QStringLiteral("%1 (%2)").arg(w->objectName(),
                                                     QString::fromLatin1(w->metaObject()->className()));
    }
    return missing;
}

// The access key of a caption: the character after a single "&", in lower case; none for "&&".
QChar accessKey(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] != QLatin1Char('&'))
            return text[i + 1].toLower();
        ++i;
    }
    return {};
}

// The buttons with a caption and the labels that name a field, shown together in `window`, that
// have no access key or share one.
QStringList accessKeyFaults(QWidget *window)
{
    QHash<QChar, QString> taken;
    QStringList faults;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window))
            continue;
        QString text;
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            text = button->text();
        else if (auto *label = qobject_cast<QLabel *>(w); label && label->buddy())
            text = label->text();
        if (text.isEmpty())
            continue; // a picture button, a heading
        const QChar key = accessKey(text);
        if (key.isNull())
            faults << QStringLiteral("no key: ") + text;
        else if (taken.contains(key))
            faults << QStringLiteral("same key: ") + taken[key] + QStringLiteral(" and ") + text;
        else
            taken.insert(key, text);
    }
    return faults;
}

} // namespace

#define VERIFY_ACCESS_KEYS(window)                                                                                     \
    do {                                                                                                               \
        const QStringList faults = accessKeyFaults(window);                                                            \
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));                                     \
    } while (false)

class TestAccessibility : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WindowTestScope> m_scope;

private slots:
    void init()
    {
        m_scope = std::make_unique<WindowTestScope>();
        m_scope->writeSettings("[DOB]\nDate=3/15/1990\n[Hours]\nCount=1\n[Hour1]\nDesc=Sleep\nHrMin=8 Hrs\nPer=Day\n"
                               "Start=3/15/1990\nEnd=Now\n");
    }
    void cleanup()
    {
        installTranslations({});
        m_scope.reset();
    }

    void everyFocusableControlHasAName()
    {
        TfrmMain w;
        w.show();
        auto *stack = child<QStackedWidget>(&w, "Notebook1");
        for (int page = 0; page < stack->count(); ++page) {
            stack->setCurrentIndex(page);
            QCOMPARE(unnamedFocusable(&w), QStringList());
        }
        TfrmTime time(QStringLiteral("3/15/1990"), 0, &w);
        time.show();
        QCOMPARE(unnamedFocusable(&time), QStringList());
        TfrmMoney money(true, QStringLiteral("3/15/1990"), 0, &w);
        money.setRow({QString(), QString(), QStringLiteral("Day"), QString(), QStringLiteral("1/1/2000")});
        money.show();
        QCOMPARE(unnamedFocusable(&money), QStringList());
        TfrmPickDate picker(ymdValue(2000, 1, 1), ymdValue(1990, 3, 15), &w);
        picker.show();
        QCOMPARE(unnamedFocusable(&picker), QStringList());
        TfrmAbout about(&w);
        about.show();
        QCOMPARE(unnamedFocusable(&about), QStringList());
    }

    void accessKeysEverywhereAndNoneTwiceInAWindow_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << "en";
        QTest::newRow("German") << "de";
        QTest::newRow("French") << "fr";
    }
    void accessKeysEverywhereAndNoneTwiceInAWindow()
    {
        QFETCH(QString, language);
        installTranslations({language});
        TfrmMain w;
        w.show();
        auto *stack = child<QStackedWidget>(&w, "Notebook1");
        for (int page = 0; page < stack->count(); ++page) {
            stack->setCurrentIndex(page);
            VERIFY_ACCESS_KEYS(&w);
        }
        TfrmTime time(QStringLiteral("3/15/1990"), 0, &w);
        time.show();
        VERIFY_ACCESS_KEYS(&time);
        for (bool isMoney : {true, false}) {
            TfrmMoney money(isMoney, QStringLiteral("3/15/1990"), 0, &w);
            money.show();
            VERIFY_ACCESS_KEYS(&money);
        }
        TfrmPickDate picker(ymdValue(2000, 1, 1), ymdValue(1990, 3, 15), &w);
        picker.show();
        VERIFY_ACCESS_KEYS(&picker);
        TfrmAbout about(&w);
        about.show();
        VERIFY_ACCESS_KEYS(&about);
        TfrmGraph graph(&w);
        graph.setPoints({{1, QStringLiteral("a"), 0},
                         {1, QStringLiteral("b"), 0},
                         {1, QStringLiteral("c"), 0},
                         {1, QStringLiteral("d"), 0}});
        graph.setLookAhead(80, QString(), {});
        graph.show();
        VERIFY_ACCESS_KEYS(&graph);
        TfrmPrices prices(PricesChoice(), LocaleSettings::current(), ymdValue(2025, 6, 10), &w);
        prices.show();
        VERIFY_ACCESS_KEYS(&prices);
        TfrmWeeks weeks(LifeWeeks(ymdValue(1990, 3, 15), 80, ymdValue(2025, 6, 10), {}), &w);
        weeks.show();
        VERIFY_ACCESS_KEYS(&weeks);
    }

    void gridsReportTheirCellTexts()
    {
        TfrmMain w;
        w.show();
        auto *grid = child<QTableView>(&w, "gridHours");
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(grid);
        QVERIFY(iface);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Hours spent on activities"));
        QAccessibleTableInterface *table = iface->tableInterface();
        QVERIFY(table);
        QCOMPARE(table->columnCount(), 6);
        QCOMPARE(table->rowCount(), 50);
        QCOMPARE(table->cellAt(0, 0)->text(QAccessible::Name), QStringLiteral("Sleep"));
        QCOMPARE(table->cellAt(0, 1)->text(QAccessible::Name), QStringLiteral("8 Hrs"));
        QCOMPARE(table->columnDescription(5), QStringLiteral("Total Hrs"));
    }

    void wholeWizardFromTheKeyboard()
    {
        TfrmMain w;
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto *stack = child<QStackedWidget>(&w, "Notebook1");

        // An accelerator presses its button the way a click does, a moment later.
        auto next = [&] { QTest::keyClick(&w, Qt::Key_N, Qt::AltModifier); };
        next();
        QTRY_COMPARE(stack->currentIndex(), 1);
        next();
        QTRY_COMPARE(stack->currentIndex(), 2);

        // On each table page: focus the table, Insert opens the dialog, type and confirm with Enter.
        const char *grids[] = {"gridHours", "gridMoney", "gridFreq"};
        for (int i = 0; i < 3; ++i) {
            auto *grid = child<QTableView>(&w, grids[i]);
            QTRY_VERIFY(grid->hasFocus());
            answerNextDialog([i](QDialog *d) {
                d->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(d));
                QWidget *focus = d->focusWidget();
                QVERIFY(focus && focus->objectName() == QLatin1String("edName"));
                QTest::keyClicks(focus, QStringLiteral("Keyboard %1").arg(i));
                if (i > 0) {
                    // Past the period list to the amount field.
                    QTest::keyClick(d->focusWidget(), Qt::Key_Tab);
                    QTest::keyClick(d->focusWidget(), Qt::Key_Tab);
                    QCOMPARE(d->focusWidget()->objectName(), QStringLiteral("numMoney"));
                    QTest::keyClick(d->focusWidget(), Qt::Key_A, Qt::ControlModifier);
                    QTest::keyClicks(d->focusWidget(), QStringLiteral("12"));
                }
                QTest::keyClick(d->focusWidget(), Qt::Key_Return);
            });
            QTest::keyClick(grid, Qt::Key_Insert);
            // The offscreen platform has no window manager to hand activation back after a dialog.
            w.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&w));
            next();
            QTRY_COMPARE(stack->currentIndex(), 3 + i);
        }
        QCOMPARE(Prompts::shown().size(), 0);
        QCOMPARE(w.hoursModel().cell(2, 0), QStringLiteral("Keyboard 0"));
        QCOMPARE(w.moneyModel().cell(1, 1), QStringLiteral("$12.00"));
        QCOMPARE(w.freqModel().cell(1, 0), QStringLiteral("Keyboard 2"));
        QCOMPARE(stack->currentIndex(), 5);

        // Tab round to Close and press it with the space bar.
        auto *close = child<QPushButton>(&w, "btClose");
        for (int i = 0; i < 20 && !close->hasFocus(); ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(close->hasFocus());
        QTest::keyClick(close, Qt::Key_Space);
        QVERIFY(!w.isVisible());
        QFile f(m_scope->settingsPath());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().contains("Desc=Keyboard 2"));
    }

    void mainWindowIsAWindowToScreenReaders()
    {
        TfrmMain w;
        w.show();
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&w);
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::Window);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Lifetally"));
    }

    void enterPressesTheFocusedButton()
    {
        TfrmMain w;
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto *next = child<QPushButton>(&w, "btNext");
        next->setFocus();
        QTest::keyClick(next, Qt::Key_Return);
        QTRY_COMPARE(w.currentPage(), int(TfrmMain::Bio));
        // Not from a text field: no button is the window's default.
        QTest::keyClick(child<QLineEdit>(&w, "edName"), Qt::Key_Return);
        QTest::qWait(300);
        QCOMPARE(w.currentPage(), int(TfrmMain::Bio));
    }

    void tabEntersARadioGroupOnItsCheckedButton()
    {
        TfrmMoney dlg(true, QStringLiteral("3/15/1990"), 0);
        dlg.show();
        dlg.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        child<QWidget>(&dlg, "SpeedButton1")->setFocus();
        QTest::keyClick(dlg.focusWidget(), Qt::Key_Tab);
        QCOMPARE(dlg.focusWidget()->objectName(), QStringLiteral("rbNow")); // checked, though second in order
        QTest::keyClick(dlg.focusWidget(), Qt::Key_Left);
        QCOMPARE(dlg.focusWidget()->objectName(), QStringLiteral("rbSpecific"));
        QVERIFY(child<QRadioButton>(&dlg, "rbSpecific")->isChecked());
        QTest::keyClick(dlg.focusWidget(), Qt::Key_Tab);
        QCOMPARE(dlg.focusWidget()->objectName(), QStringLiteral("edEndDate"));
        QTest::keyClick(dlg.focusWidget(), Qt::Key_Backtab);
        QCOMPARE(dlg.focusWidget()->objectName(), QStringLiteral("rbSpecific"));
    }

    void menuKeyOpensTheSortMenuAtTheCurrentCell()
    {
        TfrmMain w;
        w.show();
        auto *grid = child<QTableView>(&w, "gridHours");
        grid->setCurrentIndex(grid->model()->index(0, 2));
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(1, 1), QCursor::pos());
        QApplication::sendEvent(grid, &event);
        QTRY_VERIFY(w.sortMenu()->isVisible());
        const QPoint cell = grid->viewport()->mapToGlobal(grid->visualRect(grid->currentIndex()).center());
        QCOMPARE(w.sortMenu()->pos(), cell);
        w.sortMenu()->close();
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
