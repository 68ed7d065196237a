// The gauge's arrow items.
#include "widgets/TFordGaugeItems.h"

#include "widgets/TFordGauge.h"
#include "widgets/TFordGaugeItem.h"

TFordGaugeItems::TFordGaugeItems(TFordGauge* gauge) : TCollection(gauge), m_gauge(gauge) {}

TFordGaugeItem* TFordGaugeItems::add()
{
    auto* item = new TFordGaugeItem(m_gauge, this);
    m_items.push_back(item);
    m_gauge->update();
    return item;
}

TFordGaugeItem* TFordGaugeItems::at(int index) const
{
    return index >= 0 && index < count() ? m_items[size_t(index)] : nullptr;
}

void TFordGaugeItems::remove(int index)
{
    if (TFordGaugeItem* item = at(index)) {
        m_items.erase(m_items.begin() + index);
        delete item;
        m_gauge->update();
    }
}

void TFordGaugeItems::clear()
{
    for (TFordGaugeItem* item : m_items)
        delete item;
    m_items.clear();
    m_gauge->update();
}

void TFordGaugeItems::assign(const TFordGaugeItems& other)
{
    if (&other == this)
        return;
    clear();
    for (const TFordGaugeItem* source : other.m_items)
        add()->assign(*source);
}
