// The receive frame decoder: turns the module's stream of word packets into slot words,
// signals each good word, routes live data to the store and copies memory blocks.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <optional>

class ScaledClock;
class TFordData;
class TLinkPoster;
struct TLinkShared;

class TRxDecoder {
public:
    TRxDecoder(
        TLinkShared& shared, TFordData& store, const TLinkPoster& poster, const ScaledClock& clock);

    // Decodes the bytes in order. Runs on one thread at a time and allocates nothing.
    void feed(const uint8_t* bytes, size_t count);

    // The link thread sets the count to 2 before streaming starts, so that the decoder
    // waits for a sync byte.
    void setRxCount(uint8_t count) { m_rxCount.store(count, std::memory_order_relaxed); }
    uint8_t rxCount() const { return m_rxCount.load(std::memory_order_relaxed); }
    uint8_t rxSlot() const { return m_rxSlot.load(std::memory_order_relaxed); }
    uint16_t rxWord() const;

    static constexpr uint8_t BlockEndSlot = 0xF5;

private:
    void processWord(uint8_t slot, uint16_t word);
    void copyBlock();

    TLinkShared& m_shared;
    TFordData& m_store;
    const TLinkPoster& m_poster;
    const ScaledClock& m_clock;
    // RxSlot, RxCount and RxWord: the packet being received. All start at zero.
    std::atomic<uint8_t> m_rxSlot { 0 };
    std::atomic<uint8_t> m_rxCount { 0 };
    std::atomic<uint8_t> m_rxWord[2] {};
    // The clock at the first valid word of the current feed() call.
    std::optional<uint32_t> m_feedTick;
};
