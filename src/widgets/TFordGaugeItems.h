// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The gauge's arrow items, addressed by index from 0.
#pragma once

#include "common/TCollection.h"
#include "widgets/TFordGaugeItem.h"

class TFordGauge;

class TFordGaugeItems : public TItemCollection<TFordGaugeItem> {
    Q_OBJECT

public:
    explicit TFordGaugeItems(TFordGauge* gauge);

    // Replaces the items with new ones that copy the other collection's items.
    void assign(const TFordGaugeItems& other) { assignItems(other); }

protected:
    TFordGaugeItem* makeItem() override;
    void changed() override;

private:
    TFordGauge* m_gauge;
};
