// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "ui/model/TestSignalWave.h"

#include <gtest/gtest.h>
#include <vector>

TEST(TestSignalWave, FirstValuesAndACycleOf31Steps)
{
    TestSignalWave wave;
    std::vector<int16_t> first, second;
    for (int i = 0; i < TestSignalWave::Steps; ++i)
        first.push_back(wave.next());
    EXPECT_EQ(wave.step(), 0);
    for (int i = 0; i < TestSignalWave::Steps; ++i)
        second.push_back(wave.next());
    EXPECT_EQ((std::vector<int16_t>(first.begin(), first.begin() + 4)),
        (std::vector<int16_t> { 100, 200, 45, 103 }));
    EXPECT_EQ(first, second);
    for (const int16_t v : first)
        EXPECT_GT(v, 0); // never a zero word, which the store would not draw
}
