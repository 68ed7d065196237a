// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Fitting a dashboard to its page: proportions kept, centred, whole.
#include "ui/model/DashboardFit.h"

#include <gtest/gtest.h>

TEST(DashboardFit, ScalesToTheTighterSideAndCentres)
{
    using namespace DashboardFit;
    // A full-HD page under the toolbar: the height limits, the width is centred.
    const QRectF wide = fitRect(DesignSize, QSizeF(1920, 1040));
    EXPECT_DOUBLE_EQ(fitScale(DesignSize, QSizeF(1920, 1040)), 1040.0 / 560);
    EXPECT_DOUBLE_EQ(wide.height(), 1040);
    EXPECT_DOUBLE_EQ(wide.width() / wide.height(), 800.0 / 560);
    EXPECT_DOUBLE_EQ(wide.left(), (1920 - wide.width()) / 2);
    EXPECT_DOUBLE_EQ(wide.top(), 0);
    // A small screen: the whole dashboard shrinks, nothing is cut off.
    const QRectF small = fitRect(DesignSize, QSizeF(800, 440));
    EXPECT_DOUBLE_EQ(small.height(), 440);
    EXPECT_DOUBLE_EQ(small.width(), 800.0 * 440 / 560);
    EXPECT_DOUBLE_EQ(small.left(), (800 - small.width()) / 2);
    // A tall page: the width limits, the height is centred.
    const QRectF tall = fitRect(DesignSize, QSizeF(400, 1000));
    EXPECT_DOUBLE_EQ(tall.width(), 400);
    EXPECT_DOUBLE_EQ(tall.height(), 280);
    EXPECT_DOUBLE_EQ(tall.top(), 360);
    // Nothing to fit, or no room: drawn as it is.
    EXPECT_DOUBLE_EQ(fitScale(QSizeF(), QSizeF(100, 100)), 1.0);
    EXPECT_DOUBLE_EQ(fitScale(DesignSize, QSizeF(0, 100)), 1.0);
}
