// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The four-byte word packet (0xFF, slot, low byte, high byte) and its check nibble.
#pragma once

#include <array>
#include <cstdint>

namespace WordPacket {

inline constexpr uint8_t Sync = 0xFF;

// The check nibble of a 12-bit value: the XOR of its three nibbles and 0xA.
constexpr uint8_t checkNibble(uint16_t value)
{
    return uint8_t(((value & 0x0F) ^ ((value >> 4) & 0x0F) ^ ((value >> 8) & 0x0F) ^ 0x0A) & 0x0F);
}

constexpr bool isValid(uint16_t word)
{
    return checkNibble(word & 0x0FFF) == (word >> 12);
}

// The word that carries a 12-bit value with its check nibble.
constexpr uint16_t encode(uint16_t value)
{
    value &= 0x0FFF;
    return uint16_t(value | (checkNibble(value) << 12));
}

constexpr std::array<uint8_t, 4> packet(uint8_t slot, uint16_t word)
{
    return { Sync, slot, uint8_t(word & 0xFF), uint8_t(word >> 8) };
}

// The position of a slot's word in the PID map: positions 2 to 5 of each of the 16 frames
// carry values; -1 for positions 0, 1 and 6 to 15.
constexpr int mapIndex(uint8_t slot)
{
    const int position = slot & 0x0F, frame = slot >> 4;
    return position >= 2 && position <= 5 ? frame * 4 + position - 2 : -1;
}

} // namespace WordPacket
