// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The module's word packet as it goes on the wire: 0xFF, slot, low byte, high byte, the
// word's top nibble a check of its 12-bit value.
#pragma once

#include <QByteArray>
#include <cstdint>

namespace SimWord {

inline constexpr uint8_t Sync = 0xFF;

// The XOR of the value's three nibbles and 0xA.
constexpr uint8_t check(uint16_t value)
{
    return uint8_t((value ^ value >> 4 ^ value >> 8 ^ 0xA) & 0x0F);
}

// The 16-bit word that carries the 12-bit value.
constexpr uint16_t word(uint16_t value)
{
    return uint16_t((value & 0x0FFF) | check(value & 0x0FFF) << 12);
}

// The four bytes of a packet carrying word (check nibble included) in slot.
inline QByteArray packet(uint8_t slot, uint16_t word)
{
    const char bytes[4] = { char(Sync), char(slot), char(word & 0xFF), char(word >> 8) };
    return QByteArray(bytes, 4);
}

} // namespace SimWord
