// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The receive frame decoder: turns the module's stream of word packets into slot words,
// signals each good word, routes live data to the store and copies memory blocks.
#pragma once

#include "LinkTypes.h"
#include "TLinkPoster.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <optional>

class ISerialPort;
class ScaledClock;
class SerialError;
class TFordData;
struct TLinkShared;

class TRxDecoder {
public:
    TRxDecoder(
        TLinkShared& shared, TFordData& store, const TLinkPoster& poster, ScaledClock& clock);

    // The receive routine, on the port's notification thread: takes the bytes waiting
    // (count may be stale) and decodes them, unless the link mode ignores input.
    void OnReceive(ISerialPort& port, size_t count);

    // Decodes the bytes in order. Runs on one thread at a time and allocates nothing.
    void feed(const uint8_t* bytes, size_t count);

    // Makes the decoder drop every byte up to the next sync byte, so that a stream starts
    // on a packet boundary whatever came before. The link thread calls it while the
    // receive routine is idle or before the module starts sending; the decoder starts so.
    void awaitSync();
    bool awaitingSync() const { return m_awaitSync.load(std::memory_order_relaxed); }
    uint8_t rxCount() const { return m_rxCount.load(std::memory_order_relaxed); }
    uint8_t rxSlot() const { return m_rxSlot.load(std::memory_order_relaxed); }
    uint16_t rxWord() const;

    // The wait before a read of the live stream, in the link's milliseconds, unless this
    // many bytes wait already: at 115,200 baud about thirty words.
    static constexpr uint32_t GatherMs = 10;
    static constexpr size_t GatherBytes = 128;

    static constexpr uint8_t BlockEndSlot = 0xF5;
    static constexpr uint8_t BlockAddressLow = 0x81;
    static constexpr uint8_t BlockAddressHigh = 0x91;

private:
    void portLost(Link::LinkMode mode, const SerialError& error);
    void processWord(TLinkPoster::WordScope& posted, uint8_t slot, uint16_t word);
    void noteBlockWord(uint8_t slot);
    void copyBlock();

    TLinkShared& m_shared;
    TFordData& m_store;
    const TLinkPoster& m_poster;
    ScaledClock& m_clock;
    // RxSlot, RxCount and RxWord: the packet being received.
    std::atomic<uint8_t> m_rxSlot { 0xFF };
    std::atomic<uint8_t> m_rxCount { 2 };
    std::atomic<uint8_t> m_rxWord[2] {};
    // Set while bytes up to the next sync byte are dropped: at the start, after a word
    // that failed its check and after awaitSync().
    std::atomic<bool> m_awaitSync { true };
    // The memory bytes (bit frame * 4 + position - 2) and the two address words of the
    // current block that arrived with a valid word; only those are copied.
    std::atomic<uint64_t> m_blockBytes { 0 };
    std::atomic<uint8_t> m_blockAddress { 0 };
    // The clock at the first valid word of the current feed() call.
    std::optional<uint32_t> m_feedTick;
};
