// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The scrambling of the embedded calibration database: every byte XORed with the low
// 8 bits of its offset. Shared by the loader and the build-time tool, so it links no Qt.
#pragma once

#include <cstddef>
#include <cstdint>

// Scrambles or descrambles in place: the operation is its own inverse.
inline void xorWithOffset(unsigned char* data, std::size_t size)
{
    for (std::size_t i = 0; i < size; ++i)
        data[i] ^= static_cast<unsigned char>(i & 0xFFu);
}
