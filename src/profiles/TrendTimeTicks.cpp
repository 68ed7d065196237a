// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "profiles/TrendTimeTicks.h"

#include <array>
#include <cmath>

namespace {

constexpr std::array<int64_t, 13> StepsMs { 1000, 2000, 5000, 10000, 15000, 30000, 60000, 120000,
    300000, 600000, 900000, 1800000, 3600000 };

// "1:05", "1:02:05": minutes and seconds from the start, with hours once there are any.
QString elapsedText(int64_t ms)
{
    const int64_t s = ms / 1000;
    if (s >= 3600)
        return QStringLiteral("%1:%2:%3")
            .arg(s / 3600)
            .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
            .arg(s % 60, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

std::vector<TrendTimeTick> trendTimeTicks(
    const TrendTimeAxis& axis, double minSpacing, const std::optional<QDateTime>& origin)
{
    std::vector<TrendTimeTick> ticks;
    const double width = axis.right - axis.left;
    if (width <= 0 || axis.spanMs == 0)
        return ticks;
    const double pixelsPerMs = width / axis.spanMs;
    int64_t step = StepsMs.back();
    for (const int64_t s : StepsMs)
        if (s * pixelsPerMs >= minSpacing) {
            step = s;
            break;
        }
    // Round moments of the clock for a live stream, of the recording for a replay.
    const int64_t base
        = origin ? origin->toMSecsSinceEpoch() + origin->offsetFromUtc() * 1000LL : 0;
    const int64_t start = int64_t(axis.displayEnd) - axis.spanMs;
    const int64_t first = int64_t(std::ceil(double(base + start) / double(step))) * step - base;
    for (int64_t t = first; t <= int64_t(axis.displayEnd); t += step) {
        if (t < 0)
            continue;
        const QString text = origin
            ? origin->addMSecs(t).toString(
                step < 60000 ? QStringLiteral("hh:mm:ss") : QStringLiteral("hh:mm"))
            : elapsedText(t);
        ticks.push_back({ axis.xAt(uint32_t(t)), text });
    }
    return ticks;
}
