// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The least, greatest and mean value of each PID since the stream started, for a mechanic
// who looks away from the dashboard and wants to know what happened meanwhile.
#pragma once

#include <QList>
#include <array>
#include <cstdint>
#include <limits>

class PidStatistics {
public:
    struct Figures {
        uint64_t Count = 0;
        double Sum = 0;
        float Min = std::numeric_limits<float>::infinity();
        float Max = -std::numeric_limits<float>::infinity();
        double mean() const { return Count ? Sum / double(Count) : 0; }
    };

    void add(uint8_t pid, float value)
    {
        Figures& f = m_figures[pid];
        ++f.Count;
        f.Sum += double(value);
        f.Min = std::min(f.Min, value);
        f.Max = std::max(f.Max, value);
    }
    void reset() { m_figures.fill({}); }
    const Figures& figures(uint8_t pid) const { return m_figures[pid]; }
    // The PIDs that have a value, in number order.
    QList<uint8_t> pids() const
    {
        QList<uint8_t> list;
        for (int pid = 0; pid < 256; ++pid)
            if (m_figures[size_t(pid)].Count)
                list << uint8_t(pid);
        return list;
    }

private:
    std::array<Figures, 256> m_figures {};
};
