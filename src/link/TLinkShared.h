// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The link's fields that several threads read and write without a lock: the link mode,
// the slot tables, the memory image, the time of the last good word and the settings the
// window hands the link. Each value is an atomic with relaxed order: it is written whole,
// and readers see the old or the new one.
#pragma once

#include "LinkTypes.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdint>

struct TLinkShared {
    static constexpr int SlotCount = 256;
    static constexpr int MemorySize = 65536;
    static constexpr int OptionCount = 20;

    Link::LinkMode linkMode() const
    {
        return Link::LinkMode(LinkMode.load(std::memory_order_relaxed));
    }
    void setLinkMode(Link::LinkMode mode) { LinkMode.store(mode, std::memory_order_relaxed); }
    // The last word that passed its check: what every reader of a value uses.
    uint16_t slot(uint8_t s) const { return ValidSlots[s].load(std::memory_order_relaxed); }
    // The last word as received, also one that failed its check.
    uint16_t rawSlot(uint8_t s) const { return Slots[s].load(std::memory_order_relaxed); }
    void setRawSlot(uint8_t s, uint16_t word) { Slots[s].store(word, std::memory_order_relaxed); }
    // A word that passed its check goes into both tables.
    void setSlot(uint8_t s, uint16_t word)
    {
        Slots[s].store(word, std::memory_order_relaxed);
        ValidSlots[s].store(word, std::memory_order_relaxed);
    }
    void clearSlot(uint8_t s) { setSlot(s, 0); }
    bool terminating() const { return Terminating.load(std::memory_order_relaxed); }

    std::atomic<uint8_t> LinkMode { Link::lmIdle };
    std::atomic<bool> CancelConnect { false };
    std::atomic<bool> Terminating { false };
    // Set by the receive routine when the port failed or the device went away; cleared
    // when Connect makes a new port object. The link thread's waits end on it.
    std::atomic<bool> PortLost { false };
    // The wire's slot table: the last word of each slot, checked or not.
    std::array<std::atomic<uint16_t>, SlotCount> Slots {};
    // The last word of each slot that passed its check; 0 when none since the clearing.
    std::array<std::atomic<uint16_t>, SlotCount> ValidSlots {};
    std::atomic<uint32_t> LastWordTick { 0 };
    // When a block of a memory read last brought bytes that the read had not had yet:
    // how a read tells rows that advance from a stream that only repeats itself.
    std::atomic<uint32_t> LastRowTick { 0 };
    std::array<std::atomic<uint8_t>, MemorySize> MemImage {};
    std::array<std::atomic<uint8_t>, MemorySize> MemMarks {};
    // Memory reads posted by the window and finished by the link, counted so that the
    // window writes the image only while none is queued or running. The queue hands them
    // out in posting order, so the n-th read begun is the n-th posted; a stop cancels every
    // read up to the last one posted.
    std::atomic<uint32_t> MemoryReadsPosted { 0 };
    std::atomic<uint32_t> MemoryReadsBegun { 0 };
    std::atomic<uint32_t> MemoryReadsFinished { 0 };
    std::atomic<uint32_t> MemoryReadsCancelledThrough { 0 };

    // Written by the window before it posts the command that uses them, or by the link
    // from a module's reply.
    std::atomic<char> Table { 'P' };
    std::atomic<int> MaxTestTime { Link::DefaultMaxTestTime };
    // Set by the window to end a running fault exchange; cleared when the next one begins.
    std::atomic<bool> CancelFaultTest { false };
    std::atomic<uint8_t> FaultTestOutcome { Link::ftoNone };
    std::array<std::atomic<int8_t>, OptionCount> OptionBytes {};
    std::atomic<float> FirmwareVersion { 0 };

    // The most bytes one receive call found waiting since the last reset: how far the
    // receive path fell behind the wire.
    std::atomic<uint32_t> MaxReceiveDepth { 0 };
    void noteReceiveDepth(size_t count)
    {
        const auto depth = uint32_t(std::min<size_t>(count, UINT32_MAX));
        uint32_t seen = MaxReceiveDepth.load(std::memory_order_relaxed);
        while (depth > seen
            && !MaxReceiveDepth.compare_exchange_weak(seen, depth, std::memory_order_relaxed)) { }
    }
};
