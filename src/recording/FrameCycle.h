// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Where one cycle of the ECU's 16 frames ends in a stream of words: with the word of frame
// 15, position 5, or, when frame 15 was lost, where the frame number goes back.
#pragma once

#include <cstdint>

class FrameCycle {
public:
    struct Step {
        bool EndsBefore = false; // the cycle before this word ended without its closing word
        bool EndsWith = false; // this word closes its cycle
    };

    Step onWord(uint8_t slot)
    {
        Step step;
        const int frame = slot >> 4;
        step.EndsBefore = m_open && frame < m_lastFrame;
        m_lastFrame = frame;
        m_open = slot != CycleEndSlot;
        step.EndsWith = !m_open;
        return step;
    }
    // A word came since the last cycle ended.
    bool open() const { return m_open; }

private:
    // The last slot of a cycle that carries a PID: frame 15, position 5.
    static constexpr uint8_t CycleEndSlot = 0xF5;

    bool m_open = false;
    int m_lastFrame = -1;
};
