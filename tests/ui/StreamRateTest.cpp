// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The matrix readouts' pace: complete cycles of the 16 frames and the texts shown.
#include "ui/model/StreamRate.h"

#include <gtest/gtest.h>

TEST(StreamRate, IntervalIsBetweenCompleteCyclesOfAllFrames)
{
    StreamRate rate;
    int64_t t = 1000;
    for (int f = 0; f < 15; ++f)
        EXPECT_FALSE(rate.noteFrame(f, t++));
    // A repeated frame completes nothing; the missing last one does.
    EXPECT_FALSE(rate.noteFrame(3, t++));
    EXPECT_TRUE(rate.noteFrame(15, 1100));
    EXPECT_FALSE(rate.intervalMs().has_value());
    // A second cycle in another order, one frame missed: not complete until it comes.
    for (int f = 15; f > 0; --f)
        EXPECT_FALSE(rate.noteFrame(f, 1200));
    EXPECT_FALSE(rate.noteFrame(99, 1300));
    EXPECT_TRUE(rate.noteFrame(0, 1345));
    ASSERT_TRUE(rate.intervalMs().has_value());
    EXPECT_EQ(*rate.intervalMs(), 245);

    rate.reset();
    EXPECT_FALSE(rate.intervalMs().has_value());
    EXPECT_FALSE(rate.noteFrame(15, 2000));

    EXPECT_EQ(StreamRate::intervalText(7), "007 мс");
    EXPECT_EQ(StreamRate::intervalText(1234), "1234 мс");
    EXPECT_EQ(StreamRate::depthText(0), "000");
    EXPECT_EQ(StreamRate::depthText(64), "064");
}
