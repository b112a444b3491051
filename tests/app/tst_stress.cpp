// A seeded random user: thousands of page changes, typed texts, table operations, dialogs
// confirmed, cancelled or escaped, the calendar picker, the results page and About, with every
// prompt answered by the test seam. Afterwards nothing is left open, the used rows of every table
// stand together from row 1, and Close writes a file that a fresh window reads back unchanged.
//
// Replay a failure with LIFETALLY_STRESS_SEED=<seed> (and LIFETALLY_STRESS_ACTIONS=<count>).
#include "about/frmabout.h"
#include "app/frmmain.h"
#include "guisupport.h"
#include "results/frmgraph.h"
#include "results/printerchoice.h"
#include "tables/activitymodel.h"
#include "tables/frmmoney.h"
#include "tables/frmtime.h"
#include "testsupport.h"
#include "widgets/frmpickdate.h"
#include "widgets/numedit.h"
#include "widgets/prompts.h"
#include "widgets/savefilechoice.h"
#include "widgets/spinner.h"
#include <QAbstractSpinBox>
#include <QAction>
#include <QChartView>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QTableView>
#include <QToolButton>
#include <QtTest>
#include <memory>

#ifndef LIFETALLY_STRESS_ACTIONS
#define LIFETALLY_STRESS_ACTIONS 10000
#endif

using namespace testsupport;

namespace {
quint32 envOr(const char *name, quint32 fallback)
{
    bool ok = false;
    const quint32 value = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? value : fallback;
}

// The first blank row is followed only by blank rows.
int firstGap(const ActivityModel &m)
{
    bool blankSeen = false;
    for (int row = 1; row < ActivityModel::RowCount; ++row) {
        if (m.isBlank(row))
            blankSeen = true;
        else if (blankSeen)
            return row;
    }
    return 0;
}
} // namespace

class TestStress : public QObject
{
    Q_OBJECT

private:
    QRandomGenerator m_rng;
    std::unique_ptr<WindowTestScope> m_scope;
    TfrmMain *m_window = nullptr;
    int m_modalsAnswered = 0;
    // Dialogs being answered further up the stack. A stale answer (its action opened nothing)
    // may fire inside a nested window's loop just after that window closed; it must leave the
    // window below alone.
    QList<QDialog *> m_answering;

    int pick(int n) { return int(m_rng.bounded(n)); }
    bool chance(int percent) { return pick(100) < percent; }

    QString randomDateText()
    {
        return QStringLiteral("%1/%2/%3").arg(1 + pick(12)).arg(1 + pick(31)).arg(1900 + pick(140));
    }
    QString randomText()
    {
        static const QString alphabet =
            QStringLiteral("abcXYZ 0123456789/.,:;-+$%()=[]~'\"\\éß€日\u00A0Now Hrs Mins Day Week");
        QString out;
        for (int i = pick(14); i > 0; --i)
            out += alphabet.at(pick(int(alphabet.size())));
        return out;
    }
    // A valid-looking entry most of the time, anything at all otherwise.
    QString entryText(int validPercent)
    {
        if (chance(validPercent))
            return chance(80) ? QStringLiteral("%1/%2/%3").arg(1 + pick(12)).arg(1 + pick(28)).arg(1950 + pick(75))
                              : QStringLiteral("Now");
        return chance(50) ? randomText() : randomDateText();
    }
    // Key presses carrying the text, as a keyboard delivers it; QTest::keyClicks knows ASCII only.
    static void typeText(QWidget *widget, const QString &text)
    {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(widget, &press);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(widget, &release);
        }
    }
    void typeInto(QLineEdit *edit, const QString &text)
    {
        edit->setFocus();
        if (chance(50))
            edit->selectAll();
        else
            edit->end(false);
        typeText(edit, text);
    }
    template <typename T> T *any(QWidget *parent)
    {
        const QList<T *> all = parent->findChildren<T *>();
        return all.isEmpty() ? nullptr : all.at(pick(int(all.size())));
    }
    // The next modal window, opened by the action that follows, is answered from its own loop.
    void expectModal() { QTimer::singleShot(0, this, &TestStress::answerModal); }

    void fillActivityDialog(TActivityDialog *d)
    {
        if (chance(70))
            typeInto(child<QLineEdit>(d, "edName"),
                     chance(80) ? QStringLiteral("Act %1").arg(pick(1000)) : randomText());
        if (qobject_cast<TfrmTime *>(d)) {
            const char *per[] = {"rbDay", "rbWeek", "rbMonth"};
            child<QRadioButton>(d, per[pick(3)])->click();
            child<QSpinBox>(d, "numHours")->setValue(pick(chance(80) ? 25 : 6000));
            child<QSpinBox>(d, "numMin")->setValue(pick(60));
        } else if (qobject_cast<TfrmMoney *>(d)) {
            child<QComboBox>(d, "cbWhen")->setCurrentIndex(pick(5));
            child<TNumEdit>(d, "numMoney")->setValue(chance(90) ? pick(100000) / 100.0 : 1e9);
        }
        if (chance(50))
            typeInto(child<QLineEdit>(d, "edDate"), entryText(80));
        if (chance(30))
            child<QRadioButton>(d, chance(50) ? "rbNow" : "rbSpecific")->click();
        if (auto *end = child<QLineEdit>(d, "edEndDate"); end->isEnabled() && chance(50))
            typeInto(end, entryText(70));
        if (chance(15)) {
            // A calendar button: the picker opens over this dialog.
            if (QToolButton *calendar = any<QToolButton>(d); calendar && calendar->isEnabled()) {
                expectModal();
                calendar->click();
            }
        }
    }
    // The picker's arrows and its Today and Birthday buttons, pressed by name.
    void drivePicker(TfrmPickDate *p)
    {
        auto *month = p->findChild<TSpinner *>(QStringLiteral("MonthSpinner"));
        auto *year = p->findChild<TSpinner *>(QStringLiteral("YearSpinner"));
        QAbstractButton *buttons[] = {month->upButton(),
                                      month->downButton(),
                                      year->upButton(),
                                      year->downButton(),
                                      p->findChild<QToolButton *>(QStringLiteral("sbNow")),
                                      p->findChild<QToolButton *>(QStringLiteral("SpeedButton1"))};
        for (int i = pick(4); i > 0; --i)
            buttons[pick(6)]->click();
    }
    // A few of the chart window's own controls, pressed by name, then it is left like any other window.
    void driveChart(TfrmGraph *g)
    {
        QWidget *chart = g->findChild<QChartView *>(QStringLiteral("Chart1"))->viewport();
        for (int i = pick(6); i > 0; --i) {
            switch (pick(5)) {
            case 0:
                g->findChild<QRadioButton *>(QStringLiteral("rbBar"))->click();
                break;
            case 1:
                g->findChild<QRadioButton *>(QStringLiteral("rbPie"))->click();
                break;
            case 2:
                QTest::mouseClick(chart, Qt::LeftButton, {}, chart->rect().center());
                break;
            case 3:
                g->findChild<QToolButton *>(QStringLiteral("SpeedButton1"))->click();
                break;
            default:
                g->Timer1Timer();
                break;
            }
        }
        // Printing from the chart goes through the same answer as the report.
        if (chance(5))
            g->findChild<QPushButton *>(QStringLiteral("btPrint"))->click();
    }

    // Presses OK, Cancel or Escape; a refused OK is followed by another try or a way out.
    void leave(QDialog *dialog)
    {
        QPointer<QDialog> d(dialog);
        for (int attempt = 0; attempt < 3 && d && d->isVisible(); ++attempt) {
            const int way = pick(10);
            if (way < 5) {
                const QList<QPushButton *> buttons = d->findChildren<QPushButton *>();
                for (QPushButton *b : buttons)
                    if (b->isDefault() || b->objectName() == QLatin1String("btnOk"))
                        b->click();
            } else if (way < 8) {
                QTest::keyClick(d, Qt::Key_Escape);
            } else if (QPushButton *b = any<QPushButton>(d)) {
                b->click();
            }
        }
        if (d && d->isVisible())
            d->reject();
    }

private slots:
    void answerModal()
    {
        // The calendar picker is a popup, also over a modal dialog.
        auto *dialog = qobject_cast<QDialog *>(QApplication::activePopupWidget());
        if (!dialog)
            dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || m_answering.contains(dialog))
            return;
        ++m_modalsAnswered;
        m_answering.append(dialog);
        if (auto *a = qobject_cast<TActivityDialog *>(dialog))
            fillActivityDialog(a);
        else if (auto *p = qobject_cast<TfrmPickDate *>(dialog))
            drivePicker(p);
        else if (auto *g = qobject_cast<TfrmGraph *>(dialog))
            driveChart(g);
        leave(dialog);
        m_answering.removeLast();
    }

    void init()
    {
        m_scope = std::make_unique<WindowTestScope>();
        // The exports write into the test's folder, under the names they suggest.
        // Exports and images are written now and then (a PNG of the maximised chart is costly under
        // the sanitizers); otherwise the save dialog is cancelled.
        SaveFileChoice::setAnswer([this](const QString &, const QString &suggested) {
            return chance(10) ? m_scope->folder().file(QFileInfo(suggested).fileName()) : QString();
        });
    }
    void cleanup()
    {
        SaveFileChoice::setAnswer({});
        TfrmPickDate::setPickHook({});
        TfrmAbout::setUrlOpener({});
        PrinterChoice::setAnswer({});
        m_scope.reset();
    }

    void randomUse()
    {
        const quint32 seed = envOr("LIFETALLY_STRESS_SEED", 20250610);
        const int actions = int(envOr("LIFETALLY_STRESS_ACTIONS", LIFETALLY_STRESS_ACTIONS));
        qInfo("stress seed %u, %d actions (replay with LIFETALLY_STRESS_SEED=%u)", seed, actions, seed);
        m_rng.seed(seed);

        QFile ini(m_scope->settingsPath());
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[DOB]\nDate=3/15/1970\n[Hours]\nCount=2\n[Hour1]\nDesc=Sleep\nHrMin=8 Hrs\nPer=Day\n"
                  "Start=3/15/1970\nEnd=Now\n[Hour2]\nDesc=Work\nHrMin=40 Hrs\nPer=Week\nStart=1/1/1990\n"
                  "End=1/1/2020\n");
        ini.close();

        TfrmPickDate::setPickHook([this](DateValue initial, DateValue) {
            return chance(30) ? initial : testsupport::ymdValue(1950 + pick(75), 1 + pick(12), 1 + pick(28));
        });
        TfrmAbout::setUrlOpener([this](const QUrl &) { return chance(50); });
        // The report prints to a PDF file now and then; otherwise the print dialog is cancelled.
        const QString pdf = m_scope->folder().file(QStringLiteral("report.pdf"));
        PrinterChoice::setAnswer([this, pdf](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return chance(15);
        });

        auto window = std::make_unique<TfrmMain>();
        TfrmMain &w = *window;
        m_window = &w;
        w.show();
        QTableView *grids[] = {child<QTableView>(&w, "gridHours"), child<QTableView>(&w, "gridMoney"),
                               child<QTableView>(&w, "gridFreq")};
        ActivityModel *models[] = {&w.hoursModel(), &w.moneyModel(), &w.freqModel()};

        for (int action = 0; action < actions; ++action) {
            Prompts::clearShown();
            // Only a delete asks Yes or No; every other box takes its own safe answer.
            const auto answerDelete = [this] {
                Prompts::setNextAnswer(chance(60) ? Prompts::Answer::Yes : Prompts::Answer::No);
            };
            const int page = w.currentPage();
            const int kind = pick(100);
            // The real picker now and then, the hook otherwise.
            if (chance(10))
                TfrmPickDate::setPickHook({});
            if (kind < 25) {
                auto *next = child<QPushButton>(&w, "btNext");
                auto *prev = child<QPushButton>(&w, "btPrev");
                QPushButton *b = chance(70) ? next : prev;
                if (b->isEnabled())
                    b->click();
            } else if (kind < 40 && page == 1) {
                const int field = pick(4);
                if (field == 0) {
                    typeInto(child<QLineEdit>(&w, "edName"), randomText());
                } else if (field == 1) {
                    typeInto(child<QLineEdit>(&w, "edDOB"), entryText(85));
                } else if (field == 2) {
                    auto *income = child<QAbstractSpinBox>(&w, "numIncome");
                    income->setFocus();
                    income->selectAll();
                    typeText(income, chance(70) ? QString::number(pick(2000000)) : randomText());
                } else {
                    expectModal();
                    child<QToolButton>(&w, "SpeedButton1")->click();
                }
                child<QPushButton>(&w, "btNext")->setFocus();
            } else if (kind < 85 && page >= 2 && page <= 4) {
                const int t = page - 2;
                QTableView *grid = grids[t];
                const int row = pick(chance(70) ? qMax(1, models[t]->numNonBlankRows() + 1) : 50);
                grid->setCurrentIndex(grid->model()->index(row, pick(6)));
                const QString n = QString::number(t + 1);
                const int op = pick(9);
                if (op <= 1) {
                    expectModal();
                    child<QPushButton>(&w, qPrintable("btAdd" + n))->click();
                } else if (op <= 3) {
                    expectModal();
                    child<QPushButton>(&w, qPrintable("btEdit" + n))->click();
                } else if (op == 4) {
                    answerDelete();
                    child<QPushButton>(&w, qPrintable("btDel" + n))->click();
                } else if (op == 5) {
                    child<QPushButton>(&w, qPrintable("btSort" + n))->click();
                    const QList<QAction *> sorts = w.sortMenu()->actions();
                    if (chance(80))
                        sorts.at(pick(int(sorts.size())))->trigger();
                    w.sortMenu()->hide();
                } else if (op == 6) {
                    expectModal();
                    const QRect cell = grid->visualRect(grid->currentIndex());
                    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
                } else {
                    const Qt::Key keys[] = {Qt::Key_Insert, Qt::Key_Delete, Qt::Key_Return};
                    const Qt::Key key = keys[pick(3)];
                    if (key == Qt::Key_Delete)
                        answerDelete();
                    expectModal();
                    grid->setFocus();
                    QTest::keyClick(grid, key);
                }
            } else if (kind < 92 && page == 5) {
                const char *buttons[] = {"btReport", "btGrHour", "btGrMoney", "btGrFreq"};
                auto *b = child<QPushButton>(&w, buttons[pick(4)]);
                expectModal();
                if (b->isEnabled())
                    b->click();
            } else if (kind < 95) {
                expectModal();
                child<QPushButton>(&w, "btAbout")->click();
            } else {
                QTest::keyClick(&w, chance(50) ? Qt::Key_Escape : Qt::Key_Return);
            }
            TfrmPickDate::setPickHook([this](DateValue initial, DateValue) {
                return chance(30) ? initial : testsupport::ymdValue(1950 + pick(75), 1 + pick(12), 1 + pick(28));
            });

            QVERIFY2(!QApplication::activeModalWidget(), qPrintable(QStringLiteral("action %1").arg(action)));
            QVERIFY(w.isVisible());
            for (int t = 0; t < 3; ++t)
                QVERIFY2(firstGap(*models[t]) == 0,
                         qPrintable(QStringLiteral("table %1 has a gap at row %2 after action %3")
                                        .arg(t)
                                        .arg(firstGap(*models[t]))
                                        .arg(action)));
        }
        qInfo("%d modal windows answered; rows in use at the end: %d, %d, %d", m_modalsAnswered,
              models[0]->numNonBlankRows(), models[1]->numNonBlankRows(), models[2]->numNonBlankRows());

        QList<QStringList> cells;
        for (ActivityModel *m : models)
            for (int row = 1; row < ActivityModel::RowCount; ++row)
                cells << m->rowTexts(row).mid(0, 5);
        const QString name = child<QLineEdit>(&w, "edName")->text();
        const QString dob = child<QLineEdit>(&w, "edDOB")->text();
        Prompts::clearShown();
        child<QPushButton>(&w, "btClose")->click();
        QVERIFY(Prompts::shown().isEmpty());
        QVERIFY(!w.isVisible());
        window.reset();
        QCoreApplication::processEvents();
        for (QWidget *top : QApplication::topLevelWidgets())
            QVERIFY2(!top->isVisible(), qPrintable(top->objectName()));
        // Every dialog, and with the about window its marquee and timer, went with its modal run.
        for (QWidget *widget : QApplication::allWidgets())
            QVERIFY2(!qobject_cast<QDialog *>(widget) && !widget->inherits("TDigMarquee"),
                     qPrintable(widget->objectName()));

        TfrmMain again;
        again.show();
        QCOMPARE(child<QLineEdit>(&again, "edName")->text(), name);
        QCOMPARE(child<QLineEdit>(&again, "edDOB")->text(), dob);
        QList<QStringList> back;
        for (ActivityModel *m : {&again.hoursModel(), &again.moneyModel(), &again.freqModel()})
            for (int row = 1; row < ActivityModel::RowCount; ++row)
                back << m->rowTexts(row).mid(0, 5);
        QCOMPARE(back, cells);
    }
};

QTEST_MAIN(TestStress)
#include "tst_stress.moc"
