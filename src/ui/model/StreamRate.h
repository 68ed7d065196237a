// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The live stream's pace for the matrix readouts: the time between successive complete
// cycles of the 16 frames, and the readouts' texts.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

class StreamRate {
public:
    static constexpr int Frames = 16;

    // Forgets the cycle in progress and the last interval (a new stream starts).
    void reset();
    // A word of the frame arrived at ms; true when it completed a cycle, every frame seen.
    bool noteFrame(int frame, int64_t ms);
    // The last interval between two completed cycles; none before the second one.
    std::optional<int64_t> intervalMs() const { return m_interval; }

    // "000 мс" and "000": at least three digits, as the readouts start.
    static QString intervalText(int64_t ms);
    static QString depthText(uint32_t bytes);

private:
    uint32_t m_seen = 0;
    std::optional<int64_t> m_lastCycleEnd;
    std::optional<int64_t> m_interval;
};
