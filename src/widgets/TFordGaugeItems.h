// The gauge's arrow items, addressed by index from 0.
#pragma once

#include "common/TCollection.h"
#include "widgets/TFordGaugeItem.h"

#include <vector>

class TFordGauge;

class TFordGaugeItems : public TCollection {
    Q_OBJECT

public:
    explicit TFordGaugeItems(TFordGauge* gauge);

    int count() const override { return int(m_items.size()); }
    TFordGaugeItem* add() override;
    QObject* item(int index) const override { return at(index); }
    TFordGaugeItem* at(int index) const;
    void remove(int index);
    void clear();
    // Replaces the items with new ones that copy the other collection's items.
    void assign(const TFordGaugeItems& other);

private:
    TFordGauge* m_gauge;
    std::vector<TFordGaugeItem*> m_items; // children of this object
};
