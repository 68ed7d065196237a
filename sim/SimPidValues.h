// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The 12-bit value the simulated ECU sends for a PID, so that the store's ConvertValue of
// that PID reads the engine's state in the PID's units.
#pragma once

#include "SimEngine.h"

#include <cstdint>

namespace SimPidValues {

// seconds drives the slow wander of the PIDs that no sensor of the model stands for.
uint16_t value(uint8_t pid, const SimEngineState& state, double seconds);

} // namespace SimPidValues
