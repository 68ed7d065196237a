// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Recordings made up for replay tests: frames 0 to 15, positions 0 to 5, at an even pace,
// every word a valid one whose value moves with time, under the PID map of table P or T.
#pragma once

#include "recording/Recording.h"
#include "store/TFordData.h"

#include <cstdint>

// The word of value v (12 bits) with its check nibble.
inline uint16_t checkedWord(uint16_t v)
{
    v &= 0x0FFF;
    const uint16_t check = ((v >> 8) ^ (v >> 4) ^ v ^ 0xA) & 0x0F;
    return uint16_t(v | (check << 12));
}

// wordsPerSecond words a second for durationMs; value n of a slot is (n * 7 + slot) mod 4096,
// never 0.
inline Recording synthRecording(uint32_t durationMs, uint32_t wordsPerSecond, char table = 'P')
{
    Recording r;
    TFordData map;
    map.SelectTable(table);
    r.Header.Table = table;
    for (int i = 0; i < 64; ++i)
        r.Header.PidMap[size_t(i)] = map.PidMap(i);
    r.Header.Calibration = QStringLiteral("4BAA");
    const uint64_t count = uint64_t(durationMs) * wordsPerSecond / 1000 + 1;
    r.Words.reserve(count);
    for (uint64_t i = 0; i < count; ++i) {
        const auto slot = uint8_t((i / 6 % 16) << 4 | i % 6);
        const auto value = uint16_t((i / 96 * 7 + slot) % 4095 + 1);
        r.Words.push_back({ uint32_t(i * 1000 / wordsPerSecond), slot, checkedWord(value) });
    }
    return r;
}
