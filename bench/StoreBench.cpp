// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Cost of recording one live-data word and of walking an hour of history.
#include "store/TFordData.h"

#include <benchmark/benchmark.h>

static void StoreValue(benchmark::State& state)
{
    TFordData store;
    uint32_t time = 0;
    store.setClock([&time] { return time; });
    store.PidLimits(1).RecordHistory = true;
    for (auto _ : state) {
        time += 100;
        benchmark::DoNotOptimize(store.StoreValue(1, 0xA123));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(StoreValue);

static void ForEachSampleHourAt10Hz(benchmark::State& state)
{
    TFordData store;
    uint32_t time = 0;
    store.setClock([&time] { return time; });
    for (int i = 0; i < 36000; ++i, time += 100)
        store.StoreValue(255, uint16_t(0xA000 | (i & 0xFFF)));
    int64_t sum = 0;
    for (auto _ : state) {
        store.ForEachSample(
            255, 0, [&](uint32_t t, int32_t, uint16_t v, int, uint8_t) { sum += t + v; }, time, -1);
    }
    benchmark::DoNotOptimize(sum);
    state.SetItemsProcessed(state.iterations() * 36000);
}
BENCHMARK(ForEachSampleHourAt10Hz);

BENCHMARK_MAIN();
