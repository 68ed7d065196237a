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

// Ticks at the smallest round step (1 s up to 1 h) that leaves at least minSpacing pixels
// between them. origin: the wall-clock time of the store's time 0, for a live stream, whose
// labels are clock times ("14:03:25") on whole seconds of the clock; none for a recording,
// whose labels count from its start ("1:05").
std::vector<TrendTimeTick> trendTimeTicks(
    const TrendTimeAxis& axis, double minSpacing, const std::optional<QDateTime>& origin);
