// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The trend chart's time window.
#include "profiles/TrendWindow.h"

#include <algorithm>

TrendWindow computeTrendWindow(const TrendWindowInput& in)
{
    TrendWindow w;
    const uint32_t span = uint32_t(in.xRatio) * 1000u;
    int position = in.position;
    if (in.axis) {
        // The scroll bar counts seconds from the start of the axis history, so that its
        // right end shows the newest XRatio seconds.
        const int64_t seconds = int64_t(uint32_t(in.axis->last - in.axis->first) / 1000u);
        w.scrollMax = int(std::max<int64_t>(0, seconds - in.xRatio));
        position = std::clamp(position, 0, *w.scrollMax);
    }
    const bool following = in.updateEnd && in.atEnd;
    w.spanMs = span;
    if (in.pinned) {
        w.spanMs = in.pinned->spanMs;
        w.displayEnd = in.pinned->end;
        w.displayStart = in.pinned->end - in.pinned->spanMs;
        // The scroll bar tells where the window lies in the axis history.
        if (in.axis) {
            const int64_t seconds = (int64_t(w.displayStart) - int64_t(in.axis->first)) / 1000;
            w.scrollValue = int(std::clamp<int64_t>(seconds, 0, *w.scrollMax));
        }
    } else if (!in.axis) {
        w.displayEnd = in.now;
        w.displayStart = in.now - span;
        w.moveToEnd = following;
    } else if (following) {
        w.displayStart = in.axis->first;
        w.displayEnd = in.axis->last;
        if (uint32_t(w.displayEnd - w.displayStart) < span)
            w.displayEnd = w.displayStart + span;
        w.moveToEnd = true;
    } else {
        const int64_t start = int64_t(in.axis->first) + int64_t(position) * 1000;
        w.displayStart = uint32_t(std::min<int64_t>(start, in.axis->last));
        w.displayEnd = w.displayStart + span;
    }
    return w;
}
