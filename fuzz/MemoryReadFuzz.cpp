// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Fuzz target: a memory read's stream of any bytes, assembled into the image by the receive
// decoder and checked as the read checks it. The first three bytes give the rows read (12
// bits each), the fourth how many bytes arrive per read. The check names every address of
// the range that no block filled and no other, in order, each once.
#include "FuzzSupport.h"
#include "common/ScaledClock.h"
#include "link/LinkTypes.h"
#include "link/TLinkPoster.h"
#include "link/TLinkShared.h"
#include "link/TRxDecoder.h"
#include "link/exchanges/Exchanges.h"
#include "store/TFordData.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

QObject* sink = nullptr;

// The image is large: kept from input to input, with its marks cleared as a read clears them.
TLinkShared& sharedState()
{
    static const auto shared = std::make_unique<TLinkShared>();
    for (int s = 0; s < TLinkShared::SlotCount; ++s)
        shared->setSlot(uint8_t(s), 0);
    for (auto& mark : shared->MemMarks)
        mark.store(0, std::memory_order_relaxed);
    return *shared;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    sink = fuzz::makeEventSink(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 4)
        return 0;
    const auto first = Exchanges::Row(data[0] | (data[1] & 0x0F) << 8);
    const auto end = Exchanges::Row(data[2] << 4 | data[1] >> 4);
    const size_t chunk = 1 + data[3] % 64;
    data += 4;
    size -= 4;

    TLinkShared& shared = sharedState();
    shared.setLinkMode(Link::lmMemoryRead);
    static TFordData history;
    static ScaledClock clock;
    const TLinkPoster poster(sink);
    TRxDecoder decoder(shared, history, poster, clock);
    decoder.awaitSync();
    for (size_t at = 0; at < size; at += chunk)
        decoder.feed(data + at, std::min(chunk, size - at));
    QCoreApplication::sendPostedEvents();

    const auto arrived
        = [&shared](uint16_t a) { return shared.MemMarks[a].load(std::memory_order_relaxed) != 0; };
    const auto runs = Exchanges::missingRuns(first, end, arrived);
    const int from = first * 16;
    const int to = std::min<int>(end, Exchanges::MaxRow) * 16;
    int next = from;
    for (const Exchanges::AddressRun& run : runs) {
        if (run.First < next || run.Last < run.First || run.Last >= to)
            std::abort();
        for (int a = next; a < run.First; ++a)
            if (!arrived(uint16_t(a)))
                std::abort();
        for (int a = run.First; a <= run.Last; ++a)
            if (arrived(uint16_t(a)))
                std::abort();
        // Runs are whole: the address after one arrived.
        if (run.Last + 1 < to && !arrived(uint16_t(run.Last + 1)))
            std::abort();
        next = run.Last + 1;
    }
    for (int a = next; a < to; ++a)
        if (!arrived(uint16_t(a)))
            std::abort();
    return 0;
}
