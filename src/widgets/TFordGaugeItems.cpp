// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The gauge's arrow items.
#include "widgets/TFordGaugeItems.h"

#include "widgets/TFordGauge.h"
#include "widgets/TFordGaugeItem.h"

TFordGaugeItems::TFordGaugeItems(TFordGauge* gauge)
    : TItemCollection(gauge)
    , m_gauge(gauge)
{
}

TFordGaugeItem* TFordGaugeItems::makeItem()
{
    return new TFordGaugeItem(m_gauge, this);
}

void TFordGaugeItems::changed()
{
    m_gauge->update();
}
