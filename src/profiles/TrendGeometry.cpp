// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The trend chart's scaled geometry.
#include "profiles/TrendGeometry.h"

#include "profiles/TTrendViewOptions.h"
#include "widgets/SmoothBlit.h"

#include <QtGlobal>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

int clampToInt(int64_t v)
{
    return int(
        std::clamp<int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

} // namespace

int mulDiv(int64_t a, int64_t b, int64_t c)
{
    if (c == 0)
        return -1;
    // Whole numbers while the product fits: the chart maps every sample through here, and
    // the extended-precision division and rounding cost more than the rest of its walk.
    int64_t product = 0;
    if (!__builtin_mul_overflow(a, b, &product)) {
        if (product == std::numeric_limits<int64_t>::min() && c == -1)
            return std::numeric_limits<int>::max();
        int64_t quotient = product / c;
        const int64_t remainder = product % c;
        const auto magnitude = [](int64_t v) { return v < 0 ? 0 - uint64_t(v) : uint64_t(v); };
        const uint64_t r = magnitude(remainder);
        if (r != 0 && r >= magnitude(c) - r)
            quotient += (product < 0) == (c < 0) ? 1 : -1;
        return clampToInt(quotient);
    }
    const long double exact = (long double)a * (long double)b / (long double)c;
    const long double rounded = std::round(exact); // halves away from zero
    if (rounded >= std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (rounded <= std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return int(rounded);
}

TrendGeometry TrendGeometry::compute(
    const TTrendViewOptions& options, QSize chart, int scrollBarHeight)
{
    TrendGeometry g;
    const int64_t k = options.smoothFactor();
    g.k = clampToInt(k);
    g.xLeft = clampToInt(options.XLeft() * k);
    g.xRight = clampToInt(options.XRight() * k);
    g.yTop = clampToInt(options.YTop() * k);
    g.yBottom = clampToInt(options.YBottom() * k);
    g.gw = clampToInt(chart.width() * k);
    // The scroll bar lies below the plot, not over it: the plot's zero line must lie
    // inside the bitmap, or the bottom of every curve is cut off.
    g.gh = clampToInt(int64_t(qMax(0, chart.height() - scrollBarHeight)) * k);
    g.pw = clampToInt(int64_t(g.gw) - g.xLeft - g.xRight);
    g.ph = clampToInt(int64_t(g.gh) - g.yTop - g.yBottom);
    g.xr = clampToInt(int64_t(g.gw) - g.xRight);
    g.y0 = clampToInt(int64_t(g.gh) - g.yBottom);
    const double width = double(k) * qMax(0, chart.width()) + double(k / 2);
    const double height = double(k) * qMax(0, chart.height() - scrollBarHeight) + double(k / 2);
    g.bitmapFits = smoothImageFits(width, height);
    g.bitmap = g.bitmapFits ? QSize(int(width), int(height)) : QSize();
    return g;
}
