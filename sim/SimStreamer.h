// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The ECU's frames as the module relays them: word packets for the slots a source
// fills, frame after frame, with the stream faults applied.
#pragma once

#include "SimFaults.h"

#include <QByteArray>
#include <atomic>
#include <cstdint>
#include <functional>
#include <random>

class SimStreamer {
public:
    // Fills value (12 bits) for a slot the ECU sends; false for a slot it leaves out.
    using Source = std::function<bool(uint8_t slot, uint16_t& value)>;

    explicit SimStreamer(const SimFaults& faults)
        : m_faults(faults)
    {
    }

    void start(Source source);
    void stop() { m_source = nullptr; }
    bool active() const { return bool(m_source); }

    // The next packet of the stream (with noise bytes before it under that fault).
    QByteArray next();
    // The packet of one word as the faults leave it: wrong check, corrupted, noise before.
    QByteArray packet(uint8_t slot, uint16_t value);

    // Packets corrupted by flip-bits or drop-bytes so far; safe from any thread.
    uint64_t corrupted() const { return m_corrupted.load(std::memory_order_relaxed); }

private:
    // True for one call in the fault's rate.
    bool hits();

    const SimFaults& m_faults;
    Source m_source;
    int m_slot = 0;
    std::minstd_rand m_random { 1234 };
    std::atomic<uint64_t> m_corrupted { 0 };
};
