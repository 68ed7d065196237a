// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The vertical range of a trend curve in engineering units.
#pragma once

#include "common/Units.h"

#include <cstdint>

class TFordData;
class TFordTrendItem;

struct TrendScale {
    double lo = 0;
    double hi = 1;
    // The bitmap row of value v on a plot of height ph whose zero line is y0.
    int rowOf(double v, int y0, int ph) const;
    // The range of value / ratio (0: itself), low end first whatever the ratio's sign.
    TrendScale dividedBy(double ratio) const;
    // The range in another unit, low end first.
    TrendScale convertedBy(const UnitConversion& conversion) const;
};

// The store's ScaleMin … ScaleMax of the PID, in the unit the user chose; a PID without a usable
// scale (ScaleMax not above ScaleMin, as for every PID the store gives no limits) spans the whole
// range its raw 12-bit word converts to.
TrendScale trendScale(const TFordData& store, uint8_t pid);

// The scale of a curve as it is shown: its PID's, divided by the curve's Ratio.
TrendScale curveScale(const TFordData& store, const TFordTrendItem& curve);
