// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "ProgramClock.h"

#include <chrono>

namespace {
const auto g_start = std::chrono::steady_clock::now();
}

uint32_t ProgramClock::now()
{
    const auto elapsed = std::chrono::steady_clock::now() - g_start;
    return static_cast<uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

uint32_t ProgramClock::startTick()
{
    return static_cast<uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(g_start.time_since_epoch()).count());
}

QDateTime ProgramClock::startWallTime()
{
    static const QDateTime start = QDateTime::currentDateTime().addMSecs(-qint64(now()));
    return start;
}
