// The link's fields that several threads read and write without a lock: the link mode,
// the slot table, the memory image and the time of the last good word. Each value is an
// atomic with relaxed order: it is written whole, and readers see the old or the new one.
#pragma once

#include "LinkTypes.h"

#include <array>
#include <atomic>
#include <cstdint>

struct TLinkShared {
    static constexpr int SlotCount = 256;
    static constexpr int MemorySize = 65536;

    Link::LinkMode linkMode() const
    {
        return Link::LinkMode(LinkMode.load(std::memory_order_relaxed));
    }
    void setLinkMode(Link::LinkMode mode) { LinkMode.store(mode, std::memory_order_relaxed); }
    uint16_t slot(uint8_t s) const { return Slots[s].load(std::memory_order_relaxed); }
    void setSlot(uint8_t s, uint16_t word) { Slots[s].store(word, std::memory_order_relaxed); }

    std::atomic<uint8_t> LinkMode { Link::lmIdle };
    std::atomic<bool> CancelConnect { false };
    std::array<std::atomic<uint16_t>, SlotCount> Slots {};
    std::atomic<uint32_t> LastWordTick { 0 };
    std::array<std::atomic<uint8_t>, MemorySize> MemImage {};
    std::array<std::atomic<uint8_t>, MemorySize> MemMarks {};
};
