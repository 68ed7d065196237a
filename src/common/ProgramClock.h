// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The program clock: milliseconds since program start as an unsigned 32-bit number.
// History times of the data store and the trend chart's window use it.
#pragma once

#include <QDateTime>
#include <cstdint>

namespace ProgramClock {
uint32_t now();
// The system's millisecond tick count at program start (the steady clock's, cut to 32 bits);
// the trend chart's grid marks whole seconds of it.
uint32_t startTick();
// The wall-clock time at which now() was 0.
QDateTime startWallTime();
} // namespace ProgramClock
