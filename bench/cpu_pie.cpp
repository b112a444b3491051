// CPU share of the chart window while the pie spins: `cpu_pie [seconds] [activities] [WxH] [floor|rows|disc]` (50
// activities by default, a full table; the cost of a turn grows with the number of slices). Without a
// size it measures twice: at the window's design size, 640 x 418, and at 1276 x 1020, the window
// maximised on a 1280 x 1024 screen (the client area the offscreen platform gives it).
#include "cpushare.h"
#include "results/frmgraph.h"

#include <QApplication>
#include <QBackingStore>
#include <QChart>
#include <QChartView>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPieSeries>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {
enum class Mode { Spin, Pixel, Rows, Disc };

int measure(const QVector<ChartPoint> &points, QSize size, double seconds, Mode mode)
{
    TfrmGraph graph;
    graph.setTitle(QStringLiteral("Hours spent for Ann Lee"));
    graph.setPoints(points);
    graph.resize(size);
    graph.show();
    auto *view = graph.findChild<QChartView *>(QStringLiteral("Chart1"));
    QWidget *pie = view->viewport();
    if (mode != Mode::Spin) {
        QTimer still;
        still.setInterval(graph.findChild<QTimer *>(QStringLiteral("Timer1"))->interval());
        QString what;
        if (mode == Mode::Pixel) {
            // What any animation of this window at the spin's rate pays before it draws anything: the
            // wake-up, the event loop and a repaint of one pixel through the window's backing store.
            QObject::connect(&still, &QTimer::timeout, pie, [pie] { pie->update(0, 0, 1, 1); });
            what = QStringLiteral("pie still, one pixel repainted a tick");
        } else {
            // What any picture of this pie pays whose every row changes at each turn, as a pie of many
            // slices turning does: a pixel in each of the disc's rows of the window's picture written
            // straight into it and sent to the screen, with none of the widgets' repaint ("rows"); or
            // every pixel of the disc written so, in one flat colour ("disc"): what a turn that changes
            // the whole disc pays before it works out a single colour.
            QChart *chart = view->chart();
            auto *series = qobject_cast<QPieSeries *>(chart->series().value(0));
            if (!series)
                return 1;
            const QRectF plot = chart->plotArea();
            const qreal radius = qMin(plot.width(), plot.height()) / 2 * series->pieSize();
            const QPointF centre(plot.left() + plot.width() * series->horizontalPosition(),
                                 plot.top() + plot.height() * series->verticalPosition());
            const QPoint top = pie->mapTo(&graph, view->mapFromScene(chart->mapToScene(centre - QPointF(0, radius))));
            const bool whole = mode == Mode::Disc;
            const QRect column(top, QSize(1, int(2 * radius)));
            const QRect area =
                whole ? QRect(top.x() - int(radius), top.y(), int(2 * radius) + 1, column.height()) : column;
            QObject::connect(&still, &QTimer::timeout, pie, [&graph, column, area, radius, whole] {
                static QRgb colour = 0xFF00FF00;
                colour ^= 0x00FFFFFF;
                QBackingStore *store = graph.backingStore();
                store->beginPaint(area);
                if (auto *picture = dynamic_cast<QImage *>(store->paintDevice())) {
                    for (int y = column.top(); y <= column.bottom(); ++y) {
                        auto *line = reinterpret_cast<QRgb *>(picture->scanLine(y));
                        const double dy = y + 0.5 - (column.top() + radius);
                        const int half = whole ? int(std::sqrt(std::max(0.0, radius * radius - dy * dy))) : 0;
                        std::fill(line + column.left() - half, line + column.left() + half + 1, colour);
                    }
                }
                store->endPaint();
                store->flush(area, graph.windowHandle());
            });
            what =
                whole ? QStringLiteral("pie still, every pixel of its disc written a tick")
                      : QStringLiteral("pie still, a pixel in each of its %1 rows written a tick").arg(column.height());
        }
        still.start();
        return reportCpuShare(QStringLiteral("chart window %1x%2, %3").arg(graph.width()).arg(graph.height()).arg(what),
                              &still, seconds);
    }
    // A click on the pie sets it spinning.
    QMouseEvent press(QEvent::MouseButtonPress, pie->rect().center(), pie->mapToGlobal(pie->rect().center()),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, pie->rect().center(), pie->mapToGlobal(pie->rect().center()),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(pie, &press);
    QCoreApplication::sendEvent(pie, &release);
    auto *timer = graph.findChild<QTimer *>(QStringLiteral("Timer1"));
    if (!timer || !timer->isActive())
        return 1;
    return reportCpuShare(QStringLiteral("chart window %1x%2, %3 slices, pie spinning")
                              .arg(graph.width())
                              .arg(graph.height())
                              .arg(points.size()),
                          timer, seconds, 2, 200);
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const double seconds = secondsFromArguments(argc, argv);
    // A full table's worth of slices: the "Other" slice and 50 activities.
    QVector<ChartPoint> points;
    points.append({100.0, QStringLiteral("Other"), 0xFFFFFF});
    const int activities = argc > 2 ? qBound(1, QByteArray(argv[2]).toInt(), 50) : 50;
    for (int i = 1; i <= activities; ++i)
        points.append({double(10 + i), QStringLiteral("Activity %1").arg(i), quint32(0x10204 * i)});
    QList<QSize> sizes{QSize(640, 418), QSize(1276, 1020)};
    if (argc > 3) {
        const QList<QByteArray> wh = QByteArray(argv[3]).split('x');
        if (wh.size() == 2)
            sizes = {QSize(wh[0].toInt(), wh[1].toInt())};
    }
    // A fourth argument measures a reference instead of the spin: "floor", "rows" or "disc".
    const QByteArray reference = argc > 4 ? QByteArray(argv[4]) : QByteArray();
    const Mode mode = reference == "floor"  ? Mode::Pixel
                      : reference == "rows" ? Mode::Rows
                      : reference == "disc" ? Mode::Disc
                                            : Mode::Spin;
    for (const QSize &size : sizes) {
        if (const int rc = measure(points, size, seconds, mode))
            return rc;
    }
    return 0;
}
