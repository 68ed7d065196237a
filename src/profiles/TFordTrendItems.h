// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The curves of a trend chart, drawn in collection order; every change repaints the chart.
#pragma once

#include "common/TCollection.h"
#include "profiles/TFordTrendItem.h"

class TFordTrend;

class TFordTrendItems : public TItemCollection<TFordTrendItem> {
    Q_OBJECT

public:
    // chart may be null: a collection of its own, as a profile may create one.
    explicit TFordTrendItems(TFordTrend* chart = nullptr);

    // Replaces the curves with copies of the other collection's curves.
    void assign(const TFordTrendItems& other) { assignItems(other); }

    TFordTrend* chart() const { return m_chart; }
    // Called by the items: a curve changed, or its Visible switches its PID's recording.
    void changed() override;
    void switchRecording(quint8 pid, bool on);

protected:
    TFordTrendItem* makeItem() override;

private:
    TFordTrend* m_chart;
};
