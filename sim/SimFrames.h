// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Where the ECU puts what the module relays: the slots (frame in the high nibble, word
// position in the low one) that carry more than PID values, and the status bits.
#pragma once

#include <cstdint>

namespace SimFrames {

// The calibration code: its high byte in frame 11, its low byte in frame 10, position 1.
inline constexpr uint8_t CalibrationHighSlot = 0xB1;
inline constexpr uint8_t CalibrationLowSlot = 0xA1;

// The self-test's status word, and its bits once the test is over: with the code list,
// or without one.
inline constexpr uint8_t TestStatusSlot = 0x71;
inline constexpr uint16_t TestDoneWithCodes = 0x40;
inline constexpr uint16_t TestDoneNoResult = 0x10;

// A memory block's address: its low byte in frame 8, its high byte in frame 9, position 1.
// The block ends with the word of frame 15, position 5.
inline constexpr int BlockAddressLowFrame = 8;
inline constexpr int BlockAddressHighFrame = 9;

// Positions 2 to 5 of a frame carry the PIDs of the selected table (or a block's bytes).
inline constexpr int FirstDataPosition = 2;
inline constexpr int LastDataPosition = 5;

} // namespace SimFrames
