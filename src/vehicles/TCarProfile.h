// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// One car profile: the ECU RAM addresses of the adaptive tables for a kind of car.
#pragma once

#include <QString>
#include <cstdint>

struct TCarProfile {
    QString Name;
    uint16_t AddrAdaptive = 0;
    uint16_t AddrAdaptiveChecksum = 0;
};
