// The trend chart's time window: which stretch of the program clock the plot shows,
// following the newest data or scrolled back, and the range of the scroll bar in seconds.
#pragma once

#include <cstdint>
#include <optional>

struct TrendAxisTimes {
    uint32_t first = 0; // start of the axis curve's oldest history block
    uint32_t last = 0; // end of its newest block
};

struct TrendWindowInput {
    bool updateEnd = false; // follow the newest data …
    bool atEnd = true; // … while the scroll bar is at its right end
    std::optional<TrendAxisTimes> axis; // a valid axis curve and a store
    int xRatio = 20; // seconds across the plot
    int position = 0; // the scroll bar's position, seconds
    uint32_t now = 0; // the program clock
};

struct TrendWindow {
    uint32_t displayStart = 0;
    uint32_t displayEnd = 0;
    std::optional<int> scrollMax; // a new maximum for the scroll bar (with an axis)
    bool moveToEnd = false; // put the scroll bar at its maximum
    // The program clock at the plot's left edge: DisplayEnd less the window's length.
    uint32_t plotStart(int xRatio) const { return displayEnd - uint32_t(xRatio) * 1000u; }
};

TrendWindow computeTrendWindow(const TrendWindowInput& input);
