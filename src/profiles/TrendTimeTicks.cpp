// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "profiles/TrendTimeTicks.h"

#include <QTimeZone>
#include <array>
#include <cmath>
#include <limits>

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

// "14:03:25", or "14:03" without seconds: the time of day of a local clock reading.
QString clockText(int64_t localMs, bool seconds)
{
    constexpr int64_t DayMs = 86'400'000;
    const int64_t s = (localMs % DayMs + DayMs) % DayMs / 1000;
    const auto twoDigits
        = [](int64_t v) { return QString::number(v).rightJustified(2, QLatin1Char('0')); };
    const QString hoursMinutes = twoDigits(s / 3600) + QLatin1Char(':') + twoDigits(s / 60 % 60);
    return seconds ? hoursMinutes + QLatin1Char(':') + twoDigits(s % 60) : hoursMinutes;
}

} // namespace

ClockOrigin clockOrigin(const QDateTime& at)
{
    ClockOrigin origin { at, at.offsetFromUtc(), std::nullopt };
    const QTimeZone clock = at.timeZone();
    if (clock.isValid() && clock.hasTransitions()) {
        const QTimeZone::OffsetData next = clock.nextTransition(at);
        origin.SteadyForMs = next.atUtc.isValid()
            ? next.atUtc.toMSecsSinceEpoch() - at.toMSecsSinceEpoch()
            : std::numeric_limits<int64_t>::max();
    } else if (at.timeSpec() == Qt::UTC || at.timeSpec() == Qt::OffsetFromUTC) {
        origin.SteadyForMs = std::numeric_limits<int64_t>::max();
    }
    return origin;
}

std::vector<TrendTimeTick> trendTimeTicks(
    const TrendTimeAxis& axis, double minSpacing, const std::optional<ClockOrigin>& origin)
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
    const int64_t base = origin ? origin->At.toMSecsSinceEpoch() + origin->OffsetS * 1000LL : 0;
    // While the clock keeps the origin's offset to the window's end (no change to or from
    // summer time in between), the labels are told by arithmetic: a conversion to local time
    // costs more than the rest of the chart's labels.
    const bool steadyOffset = origin
        && (origin->SteadyForMs
                ? int64_t(axis.displayEnd) < *origin->SteadyForMs
                : origin->At.addMSecs(axis.displayEnd).offsetFromUtc() == origin->OffsetS);
    const int64_t start = int64_t(axis.displayEnd) - axis.spanMs;
    const int64_t first = int64_t(std::ceil(double(base + start) / double(step))) * step - base;
    const bool seconds = step < 60000;
    for (int64_t t = first; t <= int64_t(axis.displayEnd); t += step) {
        if (t < 0)
            continue;
        QString text;
        if (!origin)
            text = elapsedText(t);
        else if (steadyOffset)
            text = clockText(base + t, seconds);
        else
            text = origin->At.addMSecs(t).toString(
                seconds ? QStringLiteral("hh:mm:ss") : QStringLiteral("hh:mm"));
        ticks.push_back({ axis.xAt(uint32_t(t)), text });
    }
    return ticks;
}
