// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "StreamRate.h"

#include "common/Texts.h"

void StreamRate::reset()
{
    m_seen = 0;
    m_lastCycleEnd.reset();
    m_interval.reset();
}

bool StreamRate::noteFrame(int frame, int64_t ms)
{
    if (frame < 0 || frame >= Frames)
        return false;
    m_seen |= 1u << frame;
    if (m_seen != (1u << Frames) - 1)
        return false;
    m_seen = 0;
    if (m_lastCycleEnd)
        m_interval = ms - *m_lastCycleEnd;
    m_lastCycleEnd = ms;
    return true;
}

QString StreamRate::intervalText(int64_t ms)
{
    return Texts::text(Texts::MatrixIntervalMs).arg(qlonglong(ms), 3, 10, QLatin1Char('0'));
}

QString StreamRate::depthText(uint32_t bytes)
{
    return QStringLiteral("%1").arg(bytes, 3, 10, QLatin1Char('0'));
}
