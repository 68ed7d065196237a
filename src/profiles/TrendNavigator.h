// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// What the user did to a trend chart's time axis and where its cursors stand: a window
// fixed by paging, zooming or dragging (none: the chart follows its data), and the times
// of the cursors A and B; plus the lookups they need. No widgets: the chart only maps its
// mouse events onto these calls.
#pragma once

#include "profiles/TrendWindow.h"

#include <cstdint>
#include <optional>

class TFordData;

// The horizontal mapping of the window shown: the plot's left and right edges (chart
// pixels) stand for displayEnd - spanMs and displayEnd.
struct TrendTimeAxis {
    double left = 0;
    double right = 1;
    uint32_t displayEnd = 0;
    uint32_t spanMs = 20'000;

    uint32_t timeAt(double x) const;
    double xAt(uint32_t time) const;
    double msPerPixel() const;
};

// The oldest and newest data the window may be moved between.
struct TrendExtent {
    uint32_t first = 0;
    uint32_t last = 0;
};

class TrendNavigator {
public:
    // A window shorter than a second shows no grid line; a day is more than any drive.
    static constexpr uint32_t MinSpanMs = 1000;
    static constexpr uint32_t MaxSpanMs = 24u * 3600u * 1000u;

    const std::optional<TrendPin>& pin() const { return m_pin; }
    bool following() const { return !m_pin; }
    void follow() { m_pin.reset(); }
    // Fixes the window; the length is kept within MinSpanMs … MaxSpanMs.
    void pinAt(uint32_t end, uint32_t spanMs);
    // Moves the shown window by `windows` of its length (negative: back in time). Back, it
    // stops where the window starts at the oldest data; forward past the newest data, the
    // chart follows again.
    void page(const TrendPin& shown, double windows, const std::optional<TrendExtent>& extent);
    // Multiplies the window's length by factor (above 1: zoom out) keeping `anchor` at the
    // same place on the plot.
    void zoom(const TrendPin& shown, uint32_t anchor, double factor);
    // Moves the shown window by ms (positive: later).
    void pan(const TrendPin& shown, int64_t ms);

    std::optional<uint32_t> cursorA;
    std::optional<uint32_t> cursorB;
    void clearCursors();

private:
    std::optional<TrendPin> m_pin;
};

// The PID's value at `time`: its last sample at or before it, as engineering value. None
// before the first sample and inside a pause of the history (more than half a second
// after the last sample of a block).
std::optional<float> trendValueAt(const TFordData& store, uint8_t pid, uint32_t time);
