// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// A clock for the link and the simulator: every sleep and timeout runs at a time scale
// (1.0 in the product; tests run at e.g. 0.05) and every sleep can be interrupted.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>

class ScaledClock {
public:
    explicit ScaledClock(double scale = 1.0);

    double scale() const { return m_scale; }

    // Scaled milliseconds since construction: real elapsed time divided by the scale.
    uint32_t tickMs() const;

    // The real duration of ms scaled milliseconds.
    std::chrono::microseconds toReal(uint32_t ms) const;

    // Sleeps ms scaled milliseconds. Returns false at once when interrupted.
    bool sleepMs(uint32_t ms);

    // Wakes every sleeper; later sleeps return false at once.
    void interrupt();
    bool interrupted() const;

    // Waits that do not sleep on this clock (a port read in poll(), say) register a
    // listener that interrupt() calls; it is called at once when already interrupted.
    using Listener = std::function<void()>;
    int addInterruptListener(Listener listener);
    void removeInterruptListener(int id);

private:
    const double m_scale;
    const std::chrono::steady_clock::time_point m_start;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_interrupted = false;
    std::map<int, Listener> m_listeners;
    int m_nextListener = 1;
};
