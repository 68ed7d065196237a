// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Saved window bounds against the screens of today.
#include "ui/model/WindowBounds.h"

#include <gtest/gtest.h>

TEST(WindowBounds, BoundsComeOntoAScreenNoLargerThanIt)
{
    const QRect laptop(0, 0, 1366, 768), monitor(1366, 0, 1920, 1080), netbook(0, 0, 800, 480);
    const struct {
        const char* what;
        QRect saved;
        QList<QRect> screens;
        QRect expected;
    } cases[] = {
        { "inside the laptop", { 100, 50, 954, 643 }, { laptop }, { 100, 50, 954, 643 } },
        { "on the monitor, still there", { 1500, 100, 954, 643 }, { laptop, monitor },
            { 1500, 100, 954, 643 } },
        { "on the monitor, now gone", { 1500, 100, 954, 643 }, { laptop }, { 412, 100, 954, 643 } },
        { "half off the right edge, title reachable", { 1000, 100, 954, 643 }, { laptop },
            { 1000, 100, 954, 643 } },
        { "title above the screen", { 100, -500, 954, 643 }, { laptop }, { 100, 0, 954, 643 } },
        { "far away", { -5000, -5000, 954, 643 }, { laptop }, { 0, 0, 954, 643 } },
        { "larger than the screen, far away", { 3000, 2000, 1600, 900 }, { laptop },
            { 0, 0, 1366, 768 } },
        { "saved on a large monitor, reachable", { 100, 50, 1600, 900 }, { laptop },
            { 0, 0, 1366, 768 } },
        { "only too tall", { 200, 100, 954, 900 }, { laptop }, { 200, 0, 954, 768 } },
        { "the first start on a netbook", { 0, 0, 954, 643 }, { netbook }, { 0, 0, 800, 480 } },
        { "too large for the monitor it is on", { 1400, 10, 2000, 1200 }, { laptop, monitor },
            { 1366, 0, 1920, 1080 } },
        { "mostly on the second of two", { 1300, -200, 954, 643 }, { laptop, monitor },
            { 1366, 0, 954, 643 } },
    };
    for (const auto& c : cases)
        EXPECT_EQ(WindowBounds::fitOnScreens(c.saved, c.screens, c.screens.first()), c.expected)
            << c.what;
}
