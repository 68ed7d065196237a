// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The trend chart's time window: which stretch of the program clock the plot shows,
// following the newest data or scrolled back, and the range of the scroll bar in seconds.
#pragma once

#include <cstdint>
#include <optional>

struct TrendAxisTimes {
    uint32_t first = 0; // start of the axis curve's oldest history block
    uint32_t last = 0; // end of its newest block
};

// A window the user fixed by paging, zooming or dragging: its right end and its length.
struct TrendPin {
    uint32_t end = 0;
    uint32_t spanMs = 20'000;
    bool operator==(const TrendPin&) const = default;
};

struct TrendWindowInput {
    bool updateEnd = false; // follow the newest data …
    bool atEnd = true; // … while the scroll bar is at its right end
    std::optional<TrendAxisTimes> axis; // a valid axis curve and a store
    int xRatio = 20; // seconds across the plot
    int position = 0; // the scroll bar's position, seconds
    uint32_t now = 0; // the program clock
    std::optional<TrendPin> pinned; // a window the user fixed
};

struct TrendWindow {
    uint32_t displayStart = 0;
    uint32_t displayEnd = 0;
    std::optional<int> scrollMax; // a new maximum for the scroll bar (with an axis)
    bool moveToEnd = false; // put the scroll bar at its maximum
    std::optional<int> scrollValue; // where a pinned window puts the scroll bar
    uint32_t spanMs = 20'000; // the window's length
    // The program clock at the plot's left edge: DisplayEnd less the window's length.
    uint32_t plotStart() const { return displayEnd - spanMs; }
};

TrendWindow computeTrendWindow(const TrendWindowInput& input);
