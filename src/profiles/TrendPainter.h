// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Draws the trend chart's bitmap: background, grid at whole seconds and the curves from
// the store's history, at SmoothFactor times the chart's size. A pause in the history (the
// adapter gone for a while) stays a gap: no line is drawn across it.
#pragma once

#include "profiles/TrendGeometry.h"

#include <QImage>
#include <QPolygonF>
#include <cstdint>
#include <optional>
#include <vector>

class TFordData;
class TFordTrendItems;
class TTrendViewOptions;

// A pause of the stream inside the window: the last sample before it (none when the pause
// began before the window) and the first one after it, on the store's clock.
struct TrendPause {
    std::optional<uint32_t> before;
    uint32_t after = 0;
};

struct TrendFrame {
    uint32_t displayStart = 0;
    uint32_t displayEnd = 0;
    uint32_t startTick = 0; // the system's tick count at program start
    uint32_t spanMs = 20'000; // the window's length: XRatio seconds, or a zoomed length
};

class TrendPainter {
public:
    // Draws into bitmap (already of the geometry's bitmap size). newest[i] receives the
    // engineering value of the newest sample drawn for curve i, NaN when none was.
    void paint(QImage& bitmap, const TrendGeometry& geometry, const TTrendViewOptions& options,
        const TrendFrame& frame, const TFordTrendItems& curves, const TFordData* store,
        std::vector<float>& newest) const;
    // The pauses that the first shown curve crossed at the last paint, oldest first.
    const std::vector<TrendPause>& pauses() const { return m_pauses; }

private:
    void paintGrid(QImage& bitmap, const TrendGeometry& g, const TTrendViewOptions& options,
        const TrendFrame& frame) const;

    // The points of the stretch of curve being drawn; kept between paints so that a paint
    // allocates nothing once it has grown.
    mutable QPolygonF m_run;
    mutable QList<QLineF> m_segments;
    mutable std::vector<TrendPause> m_pauses;
};
