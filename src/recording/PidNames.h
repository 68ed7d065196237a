// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// What the program knows of a PID (pids.txt): an English name and the unit of the value,
// for column headings. An unknown PID has neither.
#pragma once

#include <QString>
#include <cstdint>

namespace PidNames {

// "engine speed", or empty when the PID has no known name.
QString name(uint8_t pid);
// "rpm", or empty when the value has no unit (bits, counts as they come); in the unit the
// user chose ("degF" for "degC").
QString unit(uint8_t pid);

} // namespace PidNames
