// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The window's test signal wave.
#include "ui/model/TestSignalWave.h"

#include <cmath>

int16_t TestSignalWave::value(int n)
{
    const double r = n;
    // Summed in int and cut to 16 bits, as the signal has always been.
    return int16_t(n * 10 + 100 + int(std::trunc(200 * std::sin(r) * std::cos(r))));
}

int16_t TestSignalWave::next()
{
    const int16_t v = value(m_step);
    if (++m_step >= Steps)
        m_step = 0;
    return v;
}
