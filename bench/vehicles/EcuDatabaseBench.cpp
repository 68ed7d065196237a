// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Cost of loading the calibration database at start-up and of one lookup by code text.
#include "vehicles/CalibrationScramble.h"
#include "vehicles/EcuDatabase.h"

#include <QHash>
#include <benchmark/benchmark.h>

namespace {

// A scrambled database of n calibrations, like the resource of a full build.
QByteArray scrambledDatabase(int n)
{
    QByteArray text = "\xEF\xBB\xBF";
    for (int code = 1; code <= n; ++code)
        text += "row,\"Ford Sierra 2.0i\",HW-" + QByteArray::number(code)
            + ",2.0,1989-1993,PC,1234567,CATCH,0,STRAT," + QByteArray::number(code, 16) + "\r\n";
    xorWithOffset(reinterpret_cast<unsigned char*>(text.data()), text.size());
    return text;
}

void LoadDatabase(benchmark::State& state)
{
    const QByteArray scrambled = scrambledDatabase(static_cast<int>(state.range(0)));
    EcuProfiles profiles;
    for (auto _ : state)
        loadEcuDatabaseScrambled(profiles, scrambled);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(LoadDatabase)->Arg(1000)->Arg(10000);

const QStringList Codes = { "4BAA", "1a2b", "FFFF", "0001", "G000", "10000" };

void LookupByText(benchmark::State& state)
{
    EcuProfiles profiles;
    loadEcuDatabaseScrambled(profiles, scrambledDatabase(10000));
    for (auto _ : state) {
        for (const QString& code : Codes)
            benchmark::DoNotOptimize(profiles.find(code));
    }
    state.SetItemsProcessed(state.iterations() * Codes.size());
}
BENCHMARK(LookupByText);

// The same lookups through a hash of the code texts, for comparison.
void LookupInHash(benchmark::State& state)
{
    QHash<QString, TEECProfile> hash;
    for (int code = 1; code <= 10000; ++code)
        hash.insert(QString::number(code, 16).toUpper(), TEECProfile {});
    for (auto _ : state) {
        for (const QString& code : Codes)
            benchmark::DoNotOptimize(hash.constFind(code.toUpper()));
    }
    state.SetItemsProcessed(state.iterations() * Codes.size());
}
BENCHMARK(LookupInHash);

} // namespace

BENCHMARK_MAIN();
