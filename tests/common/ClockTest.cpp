// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "common/ScaledClock.h"

#include <gtest/gtest.h>
#include <thread>

TEST(ScaledClock, SleepsAndTicksRunAtTheScale)
{
    ScaledClock clock(0.01);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(clock.sleepMs(1000));
    const auto real = std::chrono::steady_clock::now() - start;
    EXPECT_GE(real, std::chrono::milliseconds(10));
    EXPECT_LT(real, std::chrono::milliseconds(500));
    EXPECT_GE(clock.tickMs(), 1000u);
}

TEST(ScaledClock, InterruptWakesASleeperAndLaterSleepsAtOnce)
{
    ScaledClock clock(1.0);
    std::thread waker([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        clock.interrupt();
    });
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(clock.sleepMs(60000));
    waker.join();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_FALSE(clock.sleepMs(60000));
    EXPECT_TRUE(clock.interrupted());
}
