// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "ScaledClock.h"

ScaledClock::ScaledClock(double scale)
    : m_scale(scale > 0 ? scale : 1.0)
    , m_start(std::chrono::steady_clock::now())
{
}

uint32_t ScaledClock::tickMs() const
{
    const auto elapsed
        = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - m_start);
    return static_cast<uint32_t>(static_cast<uint64_t>(elapsed.count() / m_scale));
}

std::chrono::microseconds ScaledClock::toReal(uint32_t ms) const
{
    return std::chrono::microseconds(static_cast<int64_t>(ms * 1000.0 * m_scale));
}

bool ScaledClock::sleepMs(uint32_t ms)
{
    std::unique_lock lock(m_mutex);
    return !m_wake.wait_for(lock, toReal(ms), [this] { return m_interrupted; });
}

void ScaledClock::interrupt()
{
    {
        std::lock_guard lock(m_mutex);
        m_interrupted = true;
        for (auto& [id, listener] : m_listeners)
            listener();
    }
    m_wake.notify_all();
}

int ScaledClock::addInterruptListener(Listener listener)
{
    std::lock_guard lock(m_mutex);
    if (m_interrupted)
        listener();
    const int id = m_nextListener++;
    m_listeners.emplace(id, std::move(listener));
    return id;
}

void ScaledClock::removeInterruptListener(int id)
{
    std::lock_guard lock(m_mutex);
    m_listeners.erase(id);
}

bool ScaledClock::interrupted() const
{
    std::lock_guard lock(m_mutex);
    return m_interrupted;
}
