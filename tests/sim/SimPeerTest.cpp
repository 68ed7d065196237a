// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The simulator keeps its own tables, word encoding and frame layout, written from the
// protocol; here alone they meet the program's, so a mistake on either side shows.
#include "common/WordPacket.h"
#include "link/FaultCodeList.h"
#include "link/LinkTypes.h"
#include "link/TRxDecoder.h"
#include "sim/SimEngine.h"
#include "sim/SimFrames.h"
#include "sim/SimPidTables.h"
#include "sim/SimPidValues.h"
#include "sim/SimWord.h"
#include "store/TFordData.h"

#include <gtest/gtest.h>

namespace {

// What the program reads for the PID from the value the simulated ECU sends.
float reading(uint8_t pid, const SimEngineState& state)
{
    return TFordData::ConvertValue(pid, SimPidValues::value(pid, state, 0));
}

} // namespace

TEST(SimAndProgram, HaveTheSamePidTables)
{
    for (char letter : { 'P', 'T' }) {
        TFordData store;
        ASSERT_TRUE(store.SelectTable(letter));
        const auto table = SimPidTables::table(letter);
        ASSERT_TRUE(table.has_value()) << letter;
        for (int i = 0; i < 64; ++i)
            EXPECT_EQ((*table)[size_t(i)], store.PidMap(i)) << letter << " entry " << i;
    }
    for (char letter : { 'D', 'p', 'X', '\0' }) {
        TFordData store;
        EXPECT_FALSE(store.SelectTable(letter)) << int(letter);
        EXPECT_FALSE(SimPidTables::table(letter).has_value()) << int(letter);
    }
}

TEST(SimAndProgram, EncodeWordsAndPacketsAlike)
{
    for (uint16_t value = 0; value <= 0x0FFF; ++value) {
        const uint16_t word = SimWord::word(value);
        ASSERT_EQ(word, WordPacket::encode(value)) << value;
        ASSERT_TRUE(WordPacket::isValid(word)) << value;
        // Any other check nibble is refused by the program.
        for (uint16_t wrong = 1; wrong < 16; ++wrong)
            ASSERT_FALSE(WordPacket::isValid(uint16_t(word ^ wrong << 12))) << value;
    }
    const auto bytes = WordPacket::packet(0x21, 0xA123);
    EXPECT_EQ(SimWord::packet(0x21, 0xA123),
        QByteArray(reinterpret_cast<const char*>(bytes.data()), int(bytes.size())));
}

TEST(SimAndProgram, PutCodesStatusAndBlocksInTheSameSlots)
{
    EXPECT_EQ(SimFrames::CalibrationHighSlot, Link::SlotCalibrationHigh);
    EXPECT_EQ(SimFrames::CalibrationLowSlot, Link::SlotCalibrationLow);
    EXPECT_EQ(SimFrames::TestStatusSlot, FaultCodeList::StatusSlot);
    EXPECT_EQ(SimFrames::TestDoneWithCodes, FaultCodeList::StatusCodesReady);
    EXPECT_EQ(SimFrames::TestDoneNoResult, FaultCodeList::StatusNoResult);
    // The last data word of frame 15 closes a memory block.
    EXPECT_EQ(15 << 4 | SimFrames::LastDataPosition, TRxDecoder::BlockEndSlot);
}

TEST(SimAndProgram, TheProgramReadsTheEngineInEachPidsUnits)
{
    const SimEngineState s = SimEngine(true).at(120);
    EXPECT_NEAR(reading(1, s), s.Rpm, 4);
    EXPECT_NEAR(reading(12, s), s.InjectionMs, 0.12);
    EXPECT_NEAR(reading(13, s), s.Lambda, 0.01);
    EXPECT_NEAR(reading(15, s), s.AirC, 1.2);
    EXPECT_NEAR(reading(16, s), s.CoolantC, 1.2);
    EXPECT_NEAR(reading(17, s), s.BatteryV, 0.0625);
    EXPECT_NEAR(reading(42, s), s.IdleTargetRpm, 16);
    EXPECT_NEAR(reading(4, s), s.SparkDeg, 0.25);
    EXPECT_EQ(reading(24, s), 0);
    EXPECT_EQ(reading(1, SimEngine(true, 1024).at(5)), 1024);
    // Every value of both tables fits the 12 bits and lies within the display limits
    // where the store has some.
    TFordData store;
    for (char table : { 'P', 'T' }) {
        store.SelectTable(table);
        for (int i = 0; i < 64; ++i) {
            const uint8_t pid = store.PidMap(i);
            const uint16_t value = SimPidValues::value(pid, s, 120);
            ASSERT_LE(value, 0x0FFF) << int(pid);
            const TPidLimits& limits = store.PidLimits(pid);
            if (limits.ScaleMax > limits.ScaleMin) {
                const float shown = TFordData::ConvertValue(pid, value);
                EXPECT_GE(shown, limits.ScaleMin) << int(pid);
                EXPECT_LE(shown, limits.ScaleMax) << int(pid);
            }
        }
    }
}
