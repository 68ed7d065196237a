// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The PID tables the simulated ECU streams: which PID each data position (2 to 5) of each
// of its 16 frames carries.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace SimPidTables {

// Entry frame * 4 + position - 2.
using Table = std::array<uint8_t, 64>;

// The table selected by "l" + letter: 'P' or 'T'; nothing for another letter.
std::optional<Table> table(char letter);

} // namespace SimPidTables
