// The spinning pie's cost per turn inside the real chart window, from the tick to the painted
// frame, in this thread's CPU time: `pie_tick [turns] [activities] [WxH] [cold]`. Where cpu_pie
// gives the share of a core over seconds of wall time, this gives the spread of single turns
// (median and fastest tenth), which a busy machine disturbs far less. With "cold", the caches are
// flushed before each turn, as the 50 ms between real turns and other programs do: the cost is
// then mostly memory traffic.
#include "results/frmgraph.h"

#include <QApplication>
#include <QChartView>
#include <QMouseEvent>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {
double threadMicroseconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e6 + t.tv_nsec / 1e3;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int turns = argc > 1 ? qMax(10, QByteArray(argv[1]).toInt()) : 400;
    const int activities = argc > 2 ? qBound(1, QByteArray(argv[2]).toInt(), 50) : 50;
    QList<QSize> sizes{QSize(640, 418), QSize(1276, 1020)};
    if (argc > 3) {
        const QList<QByteArray> wh = QByteArray(argv[3]).split('x');
        if (wh.size() == 2)
            sizes = {QSize(wh[0].toInt(), wh[1].toInt())};
    }
    const bool cold = argc > 4 && QByteArray(argv[4]) == "cold";
    // "idle": 50 ms asleep before each turn, as between real turns, caches left as they are.
    const bool idle = argc > 4 && QByteArray(argv[4]) == "idle";
    std::vector<char> flush(cold ? 96u << 20 : 0, 1);
    volatile unsigned flushed = 0;
    QVector<ChartPoint> points;
    points.append({100.0, QStringLiteral("Other"), 0xFFFFFF});
    for (int i = 1; i <= activities; ++i)
        points.append({double(10 + i), QStringLiteral("Activity %1").arg(i), quint32(0x10204 * i)});

    for (const QSize &size : sizes) {
        TfrmGraph graph;
        graph.setTitle(QStringLiteral("Hours spent for Ann Lee"));
        graph.setPoints(points);
        graph.resize(size);
        graph.show();
        QWidget *pie = graph.findChild<QChartView *>(QStringLiteral("Chart1"))->viewport();
        const QPoint centre = pie->rect().center();
        QMouseEvent press(QEvent::MouseButtonPress, centre, pie->mapToGlobal(centre), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, centre, pie->mapToGlobal(centre), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QCoreApplication::sendEvent(pie, &press);
        QCoreApplication::sendEvent(pie, &release);
        auto *timer = graph.findChild<QTimer *>(QStringLiteral("Timer1"));
        if (!timer || !timer->isActive())
            return 1;
        timer->setInterval(3600 * 1000); // the turns come from here, one at a time
        std::vector<double> costs;
        for (int i = 0; i < turns + 20; ++i) {
            // Read, not written: evicting dirty lines would add their write-back to the turn.
            unsigned sum = 0;
            for (std::size_t at = 0; at < flush.size(); at += 64)
                sum += static_cast<unsigned char>(flush[at]);
            flushed += sum;
            if (idle)
                QThread::msleep(50);
            const double start = threadMicroseconds();
            // A turn is drawn at once where the last one is on the screen, else at the repaint the
            // turn asks for, which the next round of events makes.
            graph.Timer1Timer();
            QCoreApplication::processEvents();
            const double cost = threadMicroseconds() - start;
            if (i >= 20) // the first turns build the tables and the backdrop
                costs.push_back(cost);
        }
        std::sort(costs.begin(), costs.end());
        std::printf("chart window %dx%d, %lld slices%s: a turn takes %.0f us (median), %.0f us (fastest tenth); "
                    "20 turns a second would be %.2f %% of a core\n",
                    graph.width(), graph.height(), static_cast<long long>(points.size()),
                    cold   ? ", caches flushed"
                    : idle ? ", 50 ms idle before each"
                           : "",
                    costs[costs.size() / 2], costs[costs.size() / 10], costs[costs.size() / 2] * 20 / 1e4);
    }
    return 0;
}
