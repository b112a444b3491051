// Time from a click (or key) on the main window to its painted result, with a full settings file
// (three tables of 50 activities): `clicks [runs]` (15 by default). The real window is driven as a
// user drives it, through mouse and key events on its named controls; the modal windows are
// answered from their own event loops. A measurement ends when the frame that shows the result
// has been painted: the first paint of the watched widget, and the rest of that repaint, which
// ends before the event loop takes the next event. The first run pays for what a process does
// once (fonts, glyphs, the style) and is shown apart. Target: 16 ms a click, 50 ms for the chart
// window's first frame, 200 ms for the Life in Weeks window's. Run it offscreen: QT_QPA_PLATFORM=offscreen build/release/bench/clicks
#include "app/frmmain.h"
#include "calc/localesettings.h"
#include "results/frmgraph.h"
#include "results/frmweeks.h"
#include "settings/settingsfile.h"
#include "tables/activitydialog.h"
#include "tables/activitymodel.h"
#include "widgets/frmpickdate.h"
#include "widgets/prompts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QChartView>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUndoStack>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <vector>

namespace {

// The file bench/startup.sh writes: three tables of 50 activities and a blank 51st row.
QByteArray fullSettingsFile()
{
    QByteArray out = "[DOB]\nDate=3/15/1956\n\n[Name]\nname=Ann Lee\n\n[Income]\nincome=2500000\n";
    const char *pers[] = {"Year", "Day", "Week", "Month"};
    const struct {
        const char *count, *row, *amount;
    } tables[] = {{"Hours", "Hour", "HrMin"}, {"Money", "Money", "Amount"}, {"Freq", "Freq", "Amount"}};
    for (const auto &t : tables) {
        out += QByteArray("\n[") + t.count + "]\nCount=51\n";
        for (int n = 1; n <= 51; ++n) {
            out += QByteArray("\n[") + t.row + QByteArray::number(n) + "]\n";
            if (n == 51) {
                out += QByteArray("Desc=\n") + t.amount + "=\nPer=\nStart=\nEnd=\n";
                continue;
            }
            QByteArray value;
            if (qstrcmp(t.count, "Hours") == 0)
                value = QByteArray::number(n % 9) + " Hrs " + QByteArray::number(n % 60) + " Mins";
            else if (qstrcmp(t.count, "Money") == 0)
                value = "$" + QByteArray::number(10 * n) + ".50";
            else
                value = QByteArray::number(n);
            out += "Desc=Activity " + QByteArray::number(n) + "\n" + t.amount + "=" + value + "\nPer=" + pers[n % 4] +
                   "\nStart=" + QByteArray::number(1 + n % 12) + "/" + QByteArray::number(1 + n % 28) + "/" +
                   QByteArray::number(1960 + n) + "\nEnd=" + (n % 3 ? "Now" : "6/30/2020") + "\n";
        }
    }
    return out;
}

// Waits for the frame that follows an input: armed with the widget whose paint shows the result,
// it notes the time once that repaint is over (a zero timer runs after the whole paint pass).
class FrameProbe : public QObject
{
public:
    FrameProbe() { qApp->installEventFilter(this); }

    void arm(std::function<bool(QWidget *)> watched, std::function<void(double)> done = {})
    {
        m_watched = std::move(watched);
        m_done = std::move(done);
        m_ms = -1;
        m_painted = false;
        m_clock.start();
    }
    bool finished() const { return m_ms >= 0; }
    double ms() const { return m_ms; }
    // Runs the event loop until the armed frame is painted (at most 10 s).
    double wait()
    {
        QElapsedTimer limit;
        limit.start();
        while (!finished() && limit.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (!finished())
            std::fprintf(stderr, "no frame within 10 s\n");
        return m_ms;
    }

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_watched && !m_painted && object->isWidgetType() &&
            m_watched(static_cast<QWidget *>(object))) {
            m_painted = true;
            QTimer::singleShot(0, this, [this] {
                m_ms = double(m_clock.nsecsElapsed()) / 1e6;
                m_watched = {};
                if (m_done) {
                    auto done = std::move(m_done);
                    m_done = {};
                    done(m_ms);
                }
            });
        }
        return false;
    }

private:
    std::function<bool(QWidget *)> m_watched;
    std::function<void(double)> m_done;
    QElapsedTimer m_clock;
    double m_ms = -1;
    bool m_painted = false;
};

template <typename T> T *child(QWidget *parent, const char *name)
{
    T *found = parent->findChild<T *>(QLatin1String(name));
    if (!found) {
        std::fprintf(stderr, "no control named %s\n", name);
        std::exit(1);
    }
    return found;
}

void click(QWidget *widget, QPoint at = QPoint())
{
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at.isNull() ? widget->rect().center() : at);
}

template <typename T> std::function<bool(QWidget *)> inWindowOf()
{
    return [](QWidget *w) { return qobject_cast<T *>(w->window()) != nullptr; };
}

std::function<bool(QWidget *)> is(QWidget *target)
{
    return [target](QWidget *w) { return w == target; };
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? qMax(2, QByteArray(argv[1]).toInt()) : 15;
    LocaleSettings::setCurrent(LocaleSettings::fallback());
    // No message box opens: confirmations take the queued answer, warnings are kept.
    Prompts::setTestMode(true);
    QTemporaryDir folder;
    const QString settings = folder.filePath(QStringLiteral("lfy.ini"));
    {
        QFile file(settings);
        if (!file.open(QIODevice::WriteOnly) || file.write(fullSettingsFile()) < 0)
            return 1;
    }
    setSettingsFilePath(settings);

    TfrmMain window; // as the program starts it
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowExposed(&window) || !QTest::qWaitForWindowActive(&window))
        return 1;
    FrameProbe probe;
    auto *next = child<QAbstractButton>(&window, "btNext");
    auto *prev = child<QAbstractButton>(&window, "btPrev");
    auto *grid = child<QTableView>(&window, "gridHours");
    QWidget *rows = grid->viewport();
    click(next); // to the biography

    std::map<std::string, std::vector<double>> times;
    std::vector<std::string> order;
    const auto note = [&](const std::string &name, double ms) {
        if (!times.count(name))
            order.push_back(name);
        times[name].push_back(ms);
    };

    for (int run = 0; run < runs; ++run) {
        // The calendar picker of the birth date, up to its first frame; Escape cancels it.
        probe.arm(inWindowOf<TfrmPickDate>(), [&](double ms) {
            note("open the calendar picker", ms);
            QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape);
        });
        click(child<QWidget>(&window, "SpeedButton1"));
        probe.wait();

        // Next from the biography: the checks of all 150 rows, then the hours table.
        probe.arm(is(rows));
        click(next);
        note("Next from Bio (150 rows)", probe.wait());

        // The three sorts of the table's menu, each from the other order.
        for (const char *sort : {"ActivitySort", "StartDate1", "Total1"}) {
            QMenu *menu = window.sortMenu();
            probe.arm(is(menu));
            click(child<QWidget>(&window, "btSort1"));
            note("open the sort menu (Sort button)", probe.wait());
            QAction *action = window.findChild<QAction *>(QLatin1String(sort));
            probe.arm(is(rows));
            click(menu, menu->actionGeometry(action).center());
            note(std::string("sort: ") + action->text().remove(QLatin1Char('&')).toStdString() + " (50 rows)",
                 probe.wait());
        }

        // Delete the last row: Ctrl+End goes to it (and scrolls there), Delete, Yes.
        QTest::keyClick(grid, Qt::Key_End, Qt::ControlModifier);
        QCoreApplication::processEvents();
        Prompts::setNextAnswer(Prompts::Answer::Yes);
        probe.arm(is(rows));
        click(child<QWidget>(&window, "btDel1"));
        note("Delete (Yes)", probe.wait());
        // Add never offers the 50th row, so one more goes (Up, Delete key, Yes): the row Add fills is
        // then the last one in sight.
        QTest::keyClick(grid, Qt::Key_Up);
        Prompts::setNextAnswer(Prompts::Answer::Yes);
        QTest::keyClick(grid, Qt::Key_Delete);
        QCoreApplication::processEvents();

        // Add: the dialog up to its first frame, then OK up to the new row in the table.
        probe.arm(inWindowOf<TActivityDialog>(), [&](double ms) {
            note("open the Add dialog", ms);
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            auto *name = child<QLineEdit>(dialog, "edName");
            click(name);
            QTest::keyClicks(name, QStringLiteral("Reading %1").arg(run));
            child<QSpinBox>(dialog, "numHours")->setValue(1);
            probe.arm(is(rows));
            click(child<QWidget>(dialog, "btOK"));
        });
        click(child<QWidget>(&window, "btAdd1"));
        note("OK in the Add dialog", probe.wait());
        // Ctrl+Z three times: the table of 50 again.
        // (The offscreen platform gives the activation back to no window when a modal one closes.)
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            return 1;
        for (int undo = 0; undo < 3; ++undo)
            QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
        QCoreApplication::processEvents();
        if (window.hoursModel().numNonBlankRows() != 50) {
            std::fprintf(stderr, "the table did not come back to 50 rows: %d, undo %d of %d, active %d\n",
                         window.hoursModel().numNonBlankRows(), window.undoStack().index(), window.undoStack().count(),
                         int(window.isActiveWindow()));
            return 1;
        }

        // Through the tables to the results: the totals of all rows.
        click(next);
        click(next);
        QCoreApplication::processEvents();
        probe.arm(inWindowOf<TfrmMain>());
        click(next);
        note("Next to the results", probe.wait());

        // The hours chart: a modal window with 50 activities, up to its first frame.
        probe.arm(inWindowOf<TfrmGraph>(), [&](double ms) {
            note("chart window (hours), first frame", ms);
            // A moment later, as a hand can: Bar, up to the bars on screen.
            QTimer::singleShot(100, [&] {
                QWidget *graph = QApplication::activeModalWidget();
                probe.arm(is(child<QChartView>(graph, "Chart1")->viewport()), [&, graph](double bars) {
                    note("chart: Bar", bars);
                    graph->close();
                });
                click(child<QWidget>(graph, "rbBar"));
            });
        });
        click(child<QWidget>(&window, "btGrHour"));
        probe.wait();

        // Life in weeks: 80 years of weeks over 50 activities, up to the window's first frame; Escape.
        probe.arm(inWindowOf<TfrmWeeks>(), [&](double ms) {
            note("Life in weeks window, first frame", ms);
            QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape);
        });
        click(child<QWidget>(&window, "btWeeks"));
        probe.wait();

        for (int page = 0; page < 4; ++page)
            click(prev);
        QCoreApplication::processEvents();
    }

    std::printf("clicks on the main window with three tables of 50 activities (%s), %d runs:\n",
                qPrintable(QGuiApplication::platformName()), runs);
    std::printf("  %-36s %8s %8s %8s %8s\n", "action", "first", "median", "max", "target");
    for (const std::string &name : order) {
        std::vector<double> ms = times[name];
        const double first = ms.front();
        ms.erase(ms.begin());
        std::sort(ms.begin(), ms.end());
        const double target = name.rfind("chart window", 0) == 0 ? 50 : name.rfind("Life in weeks", 0) == 0 ? 200 : 16;
        std::printf("  %-36s %8.1f %8.1f %8.1f %8.0f %s\n", name.c_str(), first, ms[ms.size() / 2], ms.back(), target,
                    ms.back() <= target ? "ok" : "OVER");
    }
    Prompts::setNextAnswer(Prompts::Answer::Discard);
    return 0;
}
