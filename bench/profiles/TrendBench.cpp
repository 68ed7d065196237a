// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Cost of one trend chart paint: four curves over an hour of 10 Hz history, following the
// newest data or scrolled back to the middle, against the same chart without history.
#include "profiles/TFordTrend.h"
#include "store/TFordData.h"

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {

constexpr uint32_t Start = 1'000;
constexpr uint32_t Hour = 3'600'000;
constexpr uint8_t Pids[] = { 1, 15, 9, 12 };

// Fills an hour of samples every 100 ms for the four PIDs, varying smoothly.
void fillHour(TFordData& store, uint32_t& clock)
{
    for (uint8_t pid : Pids)
        store.PidLimits(pid).RecordHistory = true;
    for (clock = Start; clock <= Start + Hour; clock += 100) {
        const double phase = clock / 7000.0;
        for (int i = 0; i < 4; ++i) {
            const int value = 2048 + int(1500 * std::sin(phase + i));
            store.StoreValue(Pids[i], uint16_t(value));
        }
    }
    clock = Start + Hour;
}

struct Chart {
    uint32_t clock = Start;
    TFordData store;
    TFordTrend trend;
    QImage window { 729, 353, QImage::Format_RGB32 };

    explicit Chart(bool history)
    {
        store.setClock([this] { return clock; });
        if (history)
            fillHour(store, clock);
        trend.resize(window.size());
        trend.setDataManager(&store);
        const TColor colors[] = { clLime, clAqua, clYellow, clFuchsia };
        for (int i = 0; i < 4; ++i) {
            TFordTrendItem* item = trend.Trends()->add();
            item->setPID(Pids[i]);
            item->setColor(colors[i]);
            item->setVisible(true);
        }
        trend.setYAxisIndex(0);
        trend.setUpdateEnd(true);
    }
    void paint() { trend.render(&window); }
};

void TrendPaintFollowingHourOfHistory(benchmark::State& state)
{
    Chart chart(true);
    for (auto _ : state)
        chart.paint();
}
BENCHMARK(TrendPaintFollowingHourOfHistory)->Unit(benchmark::kMillisecond);

void TrendPaintScrolledToTheMiddle(benchmark::State& state)
{
    Chart chart(true);
    chart.paint();
    chart.trend.scrollBar()->setValue(chart.trend.scrollBar()->maximum() / 2);
    for (auto _ : state)
        chart.paint();
}
BENCHMARK(TrendPaintScrolledToTheMiddle)->Unit(benchmark::kMillisecond);

void TrendPaintWithoutHistory(benchmark::State& state)
{
    Chart chart(false);
    for (auto _ : state)
        chart.paint();
}
BENCHMARK(TrendPaintWithoutHistory)->Unit(benchmark::kMillisecond);

// The bitmap alone (window, grid, curves), without the scaled copy to the window.
void TrendBitmapFollowingHourOfHistory(benchmark::State& state)
{
    Chart chart(true);
    for (auto _ : state)
        benchmark::DoNotOptimize(chart.trend.renderBitmap().constBits());
}
BENCHMARK(TrendBitmapFollowingHourOfHistory)->Unit(benchmark::kMillisecond);

// The main dashboard's chart while streaming: two curves at the stream's 72 values a second,
// 30 s on show, on a 784 by 200 chart, redrawn as it follows the newest data.
void TrendBitmapFollowingTheStream(benchmark::State& state)
{
    constexpr uint8_t Shown[] = { 1, 16 };
    uint32_t clock = Start;
    TFordData store;
    store.setClock([&clock] { return clock; });
    for (uint8_t pid : Shown)
        store.PidLimits(pid).RecordHistory = true;
    for (; clock <= Start + 60'000; clock += 14)
        for (int i = 0; i < 2; ++i)
            store.StoreValue(Shown[i], uint16_t(2048 + int(1500 * std::sin(clock / 900.0 + i))));
    TFordTrend trend;
    trend.resize(784, 200);
    trend.setDataManager(&store);
    trend.ViewOptions()->setXRatio(30);
    for (uint8_t pid : Shown) {
        TFordTrendItem* item = trend.Trends()->add();
        item->setPID(pid);
        item->setVisible(true);
    }
    trend.setYAxisIndex(0);
    trend.setUpdateEnd(true);
    for (auto _ : state)
        benchmark::DoNotOptimize(trend.renderBitmap().constBits());
}
BENCHMARK(TrendBitmapFollowingTheStream)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
