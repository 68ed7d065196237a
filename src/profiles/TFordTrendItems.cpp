// The curves of a trend chart.
#include "profiles/TFordTrendItems.h"

#include "profiles/TFordTrend.h"
#include "store/TFordData.h"

TFordTrendItems::TFordTrendItems(TFordTrend* chart)
    : TCollection(chart)
    , m_chart(chart)
{
}

TFordTrendItem* TFordTrendItems::add()
{
    auto* item = new TFordTrendItem(this);
    m_items.push_back(item);
    changed();
    return item;
}

TFordTrendItem* TFordTrendItems::at(int index) const
{
    return index >= 0 && index < count() ? m_items[size_t(index)] : nullptr;
}

void TFordTrendItems::clear()
{
    for (TFordTrendItem* item : m_items)
        delete item;
    m_items.clear();
    changed();
}

void TFordTrendItems::assign(const TFordTrendItems& other)
{
    if (&other == this)
        return;
    clear();
    for (const TFordTrendItem* source : other.m_items)
        add()->assign(*source);
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
