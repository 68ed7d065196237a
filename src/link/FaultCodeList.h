// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The fault codes of a fault test, read from the slot table in the order the fault page
// lists them; shared by the page, veskor-cli and the tests.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

namespace FaultCodeList {

// Frame 7, position 1: the ECU's test status.
inline constexpr uint8_t StatusSlot = 0x71;
// Either bit ends the link's wait. The second without the first means the ECU gave no
// code list: the page shows the single code 999 instead.
inline constexpr uint16_t StatusCodesReady = 0x40;
inline constexpr uint16_t StatusNoResult = 0x10;
inline constexpr const char* NoResultEntry = "999";

// The word of slot s of the slot table.
using SlotReader = std::function<uint16_t(uint8_t slot)>;

// "999" alone when the status says so; otherwise every non-zero word of positions 14 down
// to 2, frames 0 to 15 within each position, as three upper-case hexadecimal digits of
// its 12-bit value (the ECU sends the decimal code's digits as nibbles: 0x112 is 112).
QStringList entries(const SlotReader& slot);

} // namespace FaultCodeList
