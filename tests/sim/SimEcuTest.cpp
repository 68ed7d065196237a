// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "sim/SimConfig.h"
#include "sim/SimEngine.h"
#include "sim/SimMemory.h"
#include "sim/SimPidValues.h"

#include <gtest/gtest.h>

TEST(SimEngine, CranksThenIdlesAndRevsNowAndThen)
{
    const SimEngine engine(true);
    EXPECT_LT(engine.at(0.5).Rpm, 300);
    EXPECT_LT(engine.at(0.5).BatteryV, 11);
    // Cold, it idles fast; warm, near 800 rpm.
    EXPECT_GT(engine.at(3).Rpm, 1000);
    EXPECT_NEAR(engine.at(600 + 2).Rpm, 800, 30);
    for (double t = 2; t < 120; t += 0.25) {
        const SimEngineState s = engine.at(t);
        ASSERT_GT(s.Rpm, 700) << t;
        ASSERT_LT(s.Rpm, 3100) << t;
        ASSERT_NEAR(s.BatteryV, 14, 0.3) << t;
        ASSERT_EQ(s.SpeedKmh, 0) << t;
    }
    const double revPeak
        = SimEngine::RevPeriodS * 3 + SimEngine::RevStartS + SimEngine::RevLengthS / 2;
    EXPECT_NEAR(engine.at(revPeak).Rpm, SimEngine::RevPeakRpm, 50);
    // Held, it turns at that speed from the first moment, revs included.
    const SimEngine held(true, 1024);
    for (double t : { 0.0, 0.5, 5.0, revPeak })
        EXPECT_EQ(held.at(t).Rpm, 1024) << t;
}

TEST(SimEngine, CoolantWarmsUpFromAmbient)
{
    const SimEngine engine(true);
    EXPECT_NEAR(engine.at(0).CoolantC, SimEngine::AmbientC, 0.1);
    EXPECT_GT(engine.at(300).CoolantC, 60);
    EXPECT_NEAR(engine.at(3000).CoolantC, 90, 1);
    const SimEngine off(false);
    EXPECT_EQ(off.at(300).Rpm, 0);
    EXPECT_EQ(off.at(300).CoolantC, SimEngine::AmbientC);
}

TEST(SimPidValues, StatusWordsAndModesFollowTheEngine)
{
    const SimEngine engine(true);
    const SimEngineState cranking = engine.at(0.5);
    const SimEngineState cold = engine.at(5);
    const SimEngineState warm = engine.at(3000);
    EXPECT_EQ(SimPidValues::value(55, cranking, 0), 0);
    EXPECT_EQ(SimPidValues::value(55, cold, 0), 1);
    EXPECT_EQ(SimPidValues::value(55, warm, 0), 2);
    EXPECT_EQ(SimPidValues::value(55, engine.at(3000 - 3000 % 20 + 10.75), 0),
        3); // in the middle of a rev
    EXPECT_EQ(SimPidValues::value(56, cold, 0), 0);
    EXPECT_EQ(SimPidValues::value(56, warm, 0), 1);
    EXPECT_EQ(int(SimPidValues::value(45, cold, 0)) & 0x0F, 0x03); // running, idle
    EXPECT_EQ(int(SimPidValues::value(45, warm, 0)) & 0x0F, 0x0F); // and warm, closed loop
}

TEST(SimMemory, AdaptiveTablesCarryTheirChecksum)
{
    const QByteArray& image = SimMemory::image();
    ASSERT_EQ(image.size(), 65536);
    int sum = 0;
    for (int i = 0; i < SimMemory::AdaptiveSize; ++i) {
        const uint8_t byte = uint8_t(image[SimMemory::AdaptiveAddress + i]);
        sum += byte;
        // Corrections stay near 1.0 (the byte 128).
        ASSERT_GT(byte, 90) << i;
        ASSERT_LT(byte, 166) << i;
    }
    const int stored = uint8_t(image[SimMemory::AdaptiveChecksumAddress])
        | uint8_t(image[SimMemory::AdaptiveChecksumAddress + 1]) << 8;
    EXPECT_EQ(stored, sum);
    EXPECT_EQ(
        SimMemory::AdaptiveChecksumAddress, SimMemory::AdaptiveAddress + SimMemory::AdaptiveSize);
    // ROM is not blank.
    EXPECT_NE(image.mid(0x8000, 64), QByteArray(64, '\0'));
}

TEST(SimConfig, FaultCodeListsAreDecimalCodes)
{
    EXPECT_EQ(SimConfig::parseCodes("112,335"), (QList<int> { 112, 335 }));
    EXPECT_EQ(SimConfig::parseCodes(" 112 , 999 "), (QList<int> { 112, 999 }));
    EXPECT_EQ(SimConfig::parseCodes(""), QList<int> {});
    EXPECT_FALSE(SimConfig::parseCodes("112,1000").has_value());
    EXPECT_FALSE(SimConfig::parseCodes("0").has_value());
    EXPECT_FALSE(SimConfig::parseCodes("11a").has_value());
}
