// The curves of a trend chart, drawn in collection order; every change repaints the chart.
#pragma once

#include "common/TCollection.h"
#include "profiles/TFordTrendItem.h"

#include <vector>

class TFordTrend;

class TFordTrendItems : public TCollection {
    Q_OBJECT

public:
    // chart may be null: a collection of its own, as a profile may create one.
    explicit TFordTrendItems(TFordTrend* chart = nullptr);

    int count() const override { return int(m_items.size()); }
    TFordTrendItem* add() override;
    QObject* item(int index) const override { return at(index); }
    TFordTrendItem* at(int index) const;
    void clear();
    // Replaces the curves with copies of the other collection's curves.
    void assign(const TFordTrendItems& other);

    TFordTrend* chart() const { return m_chart; }
    // Called by the items: a curve changed, or its Visible switches its PID's recording.
    void changed();
    void switchRecording(quint8 pid, bool on);

private:
    TFordTrend* m_chart;
    std::vector<TFordTrendItem*> m_items; // children of this object
};
