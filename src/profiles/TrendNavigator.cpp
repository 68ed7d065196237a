// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The trend chart's navigation and cursors.
#include "profiles/TrendNavigator.h"

#include "store/TFordData.h"

#include <algorithm>
#include <cmath>

namespace {

// How long after a block's last sample its value still counts: the store never ends a
// block on a shorter pause.
constexpr uint32_t HoldMs = 500;

uint32_t clampTime(int64_t t)
{
    return uint32_t(std::clamp<int64_t>(t, 0, UINT32_MAX));
}

} // namespace

uint32_t TrendTimeAxis::timeAt(double x) const
{
    return clampTime(int64_t(displayEnd) - std::llround((right - x) * msPerPixel()));
}

double TrendTimeAxis::xAt(uint32_t time) const
{
    return right - (double(displayEnd) - double(time)) / msPerPixel();
}

double TrendTimeAxis::msPerPixel() const
{
    return double(spanMs) / std::max(1.0, right - left);
}

void TrendNavigator::pinAt(uint32_t end, uint32_t spanMs)
{
    m_pin = TrendPin { end, std::clamp(spanMs, MinSpanMs, MaxSpanMs) };
}

void TrendNavigator::page(
    const TrendPin& shown, double windows, const std::optional<TrendExtent>& extent)
{
    int64_t end = int64_t(shown.end) + std::llround(windows * shown.spanMs);
    if (extent) {
        if (windows > 0 && end >= int64_t(extent->last)) {
            follow();
            return;
        }
        // Back no further than a window that starts at the oldest sample, unless the
        // window already lay before it.
        const int64_t oldest = int64_t(extent->first) + shown.spanMs;
        if (windows < 0 && end < oldest)
            end = std::min<int64_t>(oldest, shown.end);
    }
    pinAt(clampTime(end), shown.spanMs);
}

void TrendNavigator::zoom(const TrendPin& shown, uint32_t anchor, double factor)
{
    if (!(factor > 0))
        return;
    const uint32_t span
        = uint32_t(std::clamp<double>(std::round(shown.spanMs * factor), MinSpanMs, MaxSpanMs));
    // The anchor keeps its share of the window to the right of it.
    const double share
        = std::clamp((double(shown.end) - double(anchor)) / std::max(1u, shown.spanMs), 0.0, 1.0);
    pinAt(clampTime(int64_t(anchor) + std::llround(share * span)), span);
}

void TrendNavigator::pan(const TrendPin& shown, int64_t ms)
{
    pinAt(clampTime(int64_t(shown.end) + ms), shown.spanMs);
}

void TrendNavigator::clearCursors()
{
    cursorA.reset();
    cursorB.reset();
}

std::optional<float> trendValueAt(const TFordData& store, uint8_t pid, uint32_t time)
{
    std::optional<TSample> found;
    store.ForEachSampleRun(
        pid,
        [&](const TSample& s) {
            if (s.Time <= time)
                found = s;
        },
        UINT32_MAX, int32_t(std::max<int64_t>(INT32_MIN, int64_t(time) - HoldMs - 1)));
    if (!found || (time > found->BlockEnd && time - found->BlockEnd > HoldMs))
        return std::nullopt;
    return TFordData::ShownValue(pid, found->Value);
}
