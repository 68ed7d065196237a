// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The time labels under a trend's plot: round moments of the window shown, far enough
// apart to be read.
#pragma once

#include "profiles/TrendNavigator.h"

#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

struct TrendTimeTick {
    double X = 0; // chart pixels
    QString Text;
};

// The wall-clock time of a live store's time 0, with the clock's offset from UTC there and
// how long after it that offset holds (to the next change to or from summer time). Found
// once per origin: each conversion to local time costs system calls, and a chart's labels
// are drawn ten times a second.
struct ClockOrigin {
    QDateTime At;
    int OffsetS = 0;
    std::optional<int64_t> SteadyForMs; // none: not known, each window is checked
};
ClockOrigin clockOrigin(const QDateTime& at);

// Ticks at the smallest round step (1 s up to 1 h) that leaves at least minSpacing pixels
// between them. origin: for a live stream, whose labels are clock times ("14:03:25") on
// whole seconds of the clock; none for a recording, whose labels count from its start
// ("1:05").
std::vector<TrendTimeTick> trendTimeTicks(
    const TrendTimeAxis& axis, double minSpacing, const std::optional<ClockOrigin>& origin);
