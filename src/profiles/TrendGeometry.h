// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The trend chart's scaled geometry: margins, plot size, the plot's right edge and zero
// line, and the size of the drawing bitmap, all in bitmap pixels.
#pragma once

#include <QSize>
#include <cstdint>

class TTrendViewOptions;

// a·b/c rounded half away from zero with a 64-bit product, kept within the int range.
int mulDiv(int64_t a, int64_t b, int64_t c);

struct TrendGeometry {
    int k = 1; // the smoothing factor in force
    int xLeft = 0, xRight = 0, yTop = 0, yBottom = 0; // margins times k
    int gw = 0, gh = 0; // the chart's size less the scroll bar, times k
    int pw = 0, ph = 0; // plot width and height
    int xr = 0; // the plot's right edge
    int y0 = 0; // the plot's zero line
    QSize bitmap; // leaves out the scroll bar
    bool bitmapFits = true; // false: too large to be drawn at all

    // chart: the chart's size; scrollBarHeight: the height of its scroll bar.
    static TrendGeometry compute(
        const TTrendViewOptions& options, QSize chart, int scrollBarHeight);
};
