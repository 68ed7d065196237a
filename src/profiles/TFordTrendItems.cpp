// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The curves of a trend chart.
#include "profiles/TFordTrendItems.h"

#include "profiles/TFordTrend.h"
#include "store/TFordData.h"

TFordTrendItems::TFordTrendItems(TFordTrend* chart)
    : TItemCollection(chart)
    , m_chart(chart)
{
}

TFordTrendItem* TFordTrendItems::makeItem()
{
    return new TFordTrendItem(this);
}

void TFordTrendItems::changed()
{
    if (m_chart)
        m_chart->update();
}

void TFordTrendItems::switchRecording(quint8 pid, bool on)
{
    if (m_chart && m_chart->DataManager())
        m_chart->DataManager()->PidLimits(pid).RecordHistory = on;
}
