// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The vertical range of a trend curve.
#include "profiles/TrendScale.h"

#include "profiles/TFordTrendItem.h"
#include "store/PidUnits.h"
#include "store/TFordData.h"

#include <QtGlobal>
#include <array>
#include <cmath>

namespace {

// The least and greatest engineering value of each PID over all 4096 raw values.
const std::array<TrendScale, 256>& conversionRanges()
{
    static const std::array<TrendScale, 256> ranges = [] {
        std::array<TrendScale, 256> all;
        for (int pid = 0; pid < 256; ++pid) {
            double lo = TFordData::ConvertValue(uint8_t(pid), 0);
            double hi = lo;
            for (int raw = 1; raw < 4096; ++raw) {
                const double v = TFordData::ConvertValue(uint8_t(pid), uint16_t(raw));
                lo = std::min(lo, v);
                hi = std::max(hi, v);
            }
            all[size_t(pid)] = TrendScale { lo, hi > lo ? hi : lo + 1 };
        }
        return all;
    }();
    return ranges;
}

} // namespace

int TrendScale::rowOf(double v, int y0, int ph) const
{
    const double y = double(y0) - std::round((v - lo) * ph / (hi - lo));
    return int(qBound(-1e9, y, 1e9));
}

TrendScale TrendScale::dividedBy(double ratio) const
{
    if (ratio == 0)
        return *this;
    const double a = lo / ratio, b = hi / ratio;
    return TrendScale { std::min(a, b), std::max(a, b) };
}

TrendScale TrendScale::convertedBy(const UnitConversion& conversion) const
{
    const double a = conversion(lo), b = conversion(hi);
    return TrendScale { std::min(a, b), std::max(a, b) };
}

TrendScale trendScale(const TFordData& store, uint8_t pid)
{
    const TPidLimits& limits = store.PidLimits(pid);
    // Both are in the unit of pids.txt; the curve is drawn in the one the user chose.
    const TrendScale scale = limits.ScaleMax > limits.ScaleMin
        ? TrendScale { limits.ScaleMin, limits.ScaleMax }
        : conversionRanges()[pid];
    return scale.convertedBy(PidUnits::conversion(pid));
}

TrendScale curveScale(const TFordData& store, const TFordTrendItem& curve)
{
    return trendScale(store, curve.PID()).dividedBy(curve.Ratio());
}
