// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// A replayed hour at 115,200 baud: reading it in for replay, and seeking anywhere in it.
#include "ui/RecordingSynth.h"
#include "ui/model/RecordingPlayer.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

// An hour at 2,880 words a second: the pace of 4-byte packets at 115,200 baud.
const Recording& hour()
{
    static const Recording r = synthRecording(3600 * 1000, 2880);
    return r;
}

void BM_OpenAnHour(benchmark::State& state)
{
    for (auto _ : state) {
        RecordingPlayer player;
        player.open(hour());
        benchmark::DoNotOptimize(player.duration());
    }
    state.counters["words"] = double(hour().Words.size());
}
BENCHMARK(BM_OpenAnHour)->Unit(benchmark::kMillisecond)->Iterations(2);

// Seeks to points spread over the hour, the far end among them.
void BM_SeekInAnHour(benchmark::State& state)
{
    RecordingPlayer player;
    player.open(hour());
    uint32_t to = uint32_t(state.range(0)) * 60 * 1000;
    for (auto _ : state) {
        player.seek(to);
        benchmark::DoNotOptimize(player.store().LastSampleTime(1));
    }
}
BENCHMARK(BM_SeekInAnHour)->Arg(1)->Arg(30)->Arg(59)->Arg(60)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
