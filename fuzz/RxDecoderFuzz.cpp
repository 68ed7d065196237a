// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Fuzz target: any byte stream reaches the receive decoder in any link mode. The first
// byte picks the mode, the PID table and whether the link armed the decoder for a sync
// byte; the second how many bytes arrive per read. Nothing may crash or write outside
// the slot table and the memory image.
#include "FuzzSupport.h"
#include "common/ScaledClock.h"
#include "link/LinkTypes.h"
#include "link/TLinkPoster.h"
#include "link/TLinkShared.h"
#include "link/TRxDecoder.h"
#include "store/TFordData.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

QObject* sink = nullptr;

// The memory image and the store's history blocks are large: they are kept from input to
// input (only the slot table starts anew) and the store is renewed now and then, so that
// its history stays small and the fuzzer stays fast.
TLinkShared& sharedState()
{
    static const auto shared = std::make_unique<TLinkShared>();
    for (int s = 0; s < TLinkShared::SlotCount; ++s)
        shared->setSlot(uint8_t(s), 0);
    return *shared;
}

TFordData& store()
{
    static std::unique_ptr<TFordData> store;
    static int uses = 0;
    if (!store || ++uses % 4096 == 0)
        store = std::make_unique<TFordData>();
    return *store;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    sink = fuzz::makeEventSink(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const uint8_t setup = data[0];
    const size_t chunk = 1 + data[1] % 64;
    data += 2;
    size -= 2;

    TLinkShared& shared = sharedState();
    shared.setLinkMode(Link::LinkMode(setup % 6));
    TFordData& history = store();
    history.SelectTable((setup & 0x40) ? 'T' : 'P');
    static ScaledClock clock;
    const TLinkPoster poster(sink);
    TRxDecoder decoder(shared, history, poster, clock);
    if (setup & 0x80)
        decoder.awaitSync();
    for (size_t at = 0; at < size; at += chunk)
        decoder.feed(data + at, std::min(chunk, size - at));
    // Every receiver: delivered for one receiver only, the handled entries stay in the
    // thread's list, which then grows with every input and is walked at every call.
    QCoreApplication::sendPostedEvents();
    return 0;
}
