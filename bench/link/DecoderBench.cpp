// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Throughput of the receive decoder on a live data stream, in bytes per second; a
// 115,200-baud line carries 11,520.
#include "common/ScaledClock.h"
#include "common/WordPacket.h"
#include "link/LinkTypes.h"
#include "link/TLinkPoster.h"
#include "link/TLinkShared.h"
#include "link/TRxDecoder.h"
#include "store/TFordData.h"

#include <QCoreApplication>
#include <QObject>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {

// 2000 bytes (the most one receive call takes) of packets of every slot.
std::vector<uint8_t> liveStream()
{
    std::vector<uint8_t> bytes;
    for (int i = 0; bytes.size() < 2000; ++i) {
        const uint8_t slot = uint8_t(i % 255);
        for (uint8_t b : WordPacket::packet(slot, WordPacket::encode(uint16_t(i * 7))))
            bytes.push_back(b);
    }
    bytes.resize(2000);
    return bytes;
}

void decode(benchmark::State& state, QObject* sink, int recordedPids)
{
    auto shared = std::make_unique<TLinkShared>();
    TFordData store;
    store.SelectTable('P');
    for (int pid = 0; pid < 256; ++pid)
        store.PidLimits(uint8_t(pid)).RecordHistory = pid < recordedPids;
    shared->setLinkMode(Link::lmLiveData);
    const TLinkPoster poster(sink);
    ScaledClock clock;
    TRxDecoder decoder(*shared, store, poster, clock);
    const std::vector<uint8_t> stream = liveStream();
    for (auto _ : state) {
        decoder.feed(stream.data(), stream.size());
        if (sink)
            QCoreApplication::sendPostedEvents(sink);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(stream.size()));
}

// The decoder alone: no PID records its history, nobody takes the slot messages.
void DecodeLiveData(benchmark::State& state)
{
    decode(state, nullptr, 0);
}

// Sixteen PIDs record their history, as with a few trend charts open.
void DecodeLiveDataRecording(benchmark::State& state)
{
    decode(state, nullptr, 16);
}

// With every WM_LINK_SLOT posted and delivered, as the window gets them.
void DecodeLiveDataAndPostSlots(benchmark::State& state)
{
    QObject sink;
    decode(state, &sink, 16);
}

} // namespace

BENCHMARK(DecodeLiveData);
BENCHMARK(DecodeLiveDataRecording);
BENCHMARK(DecodeLiveDataAndPostSlots);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
