// The spinning pie's disc on its own: one turn, and the set-up when a spin starts, at the radius
// the chart window gives it maximised on a 1280 x 1024 screen (269 pixels) and at its design
// size (about 100), with a full table's 51 slices and with 6.
#include "results/piedisc.h"

#include <QColor>
#include <benchmark/benchmark.h>

namespace {
TPieDisc makeDisc(int wedges, double radius)
{
    std::vector<TPieDisc::Wedge> list;
    double start = 0;
    for (int i = 0; i < wedges; ++i) {
        const double span = 360.0 * (i + 1) / (wedges * (wedges + 1) / 2.0);
        list.push_back({start, span, QColor::fromHsv(i * 7 % 360, 200, 200).rgba(), QColor(Qt::darkGray).rgba(), 1});
        start += span;
    }
    TPieDisc disc;
    disc.setWedges(std::move(list));
    disc.setGeometry(QPointF(radius + 10.3, radius + 10.5), radius);
    return disc;
}

void BM_PieDiscTurn(benchmark::State &state)
{
    TPieDisc disc = makeDisc(int(state.range(0)), double(state.range(1)));
    QImage backdrop(int(2 * state.range(1) + 30), int(2 * state.range(1) + 30), QImage::Format_RGB32);
    backdrop.fill(Qt::white);
    disc.setBackdrop(backdrop, QPoint());
    double turn = 0;
    for (auto _ : state) {
        turn += 3;
        benchmark::DoNotOptimize(disc.renderOnBackdrop(turn).constBits());
    }
    state.counters["MB"] = double(disc.memoryUsed()) / 1e6;
}
BENCHMARK(BM_PieDiscTurn)->Args({51, 269})->Args({6, 269})->Args({51, 100})->Unit(benchmark::kMicrosecond);

void BM_PieDiscStart(benchmark::State &state)
{
    for (auto _ : state) {
        TPieDisc disc = makeDisc(int(state.range(0)), double(state.range(1)));
        benchmark::DoNotOptimize(disc.render(0).constBits());
    }
}
BENCHMARK(BM_PieDiscStart)->Args({51, 269})->Args({51, 100})->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
