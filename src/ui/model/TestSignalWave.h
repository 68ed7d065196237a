// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The window's test signal: a wave of 31 steps that rises from 100 to 400 in steps of 10
// with a swing of up to ±100 over it, as signed 16-bit values. Its step counter lives as
// long as the program, so switching the signal off and on goes on where it stopped.
#pragma once

#include <cstdint>

class TestSignalWave {
public:
    static constexpr int Steps = 31;

    // The value of step n.
    static int16_t value(int n);
    // The value of the present step; the counter moves on and starts again after Steps.
    int16_t next();
    int step() const { return m_step; }

private:
    int m_step = 0;
};
