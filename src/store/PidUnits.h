// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The units the user chose, applied to the PIDs: a PID whose pids.txt unit is a
// temperature, speed or pressure is shown in the chosen unit of that quantity; every other
// PID as TFordData::ConvertValue gives it.
#pragma once

#include "common/Units.h"

#include <cstdint>
#include <optional>

namespace PidUnits {

// The quantity of the PID's unit in the current PID table; nothing for rpm, volts, counts.
std::optional<Quantity> quantity(uint8_t pid);
// How a value of the PID in its pids.txt unit (a converted word, or a number a dashboard
// gives for it) becomes one in the chosen unit. Cheap: kept until the table or the choice
// changes.
UnitConversion conversion(uint8_t pid);

} // namespace PidUnits
