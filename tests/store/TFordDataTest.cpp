// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "store/TFordData.h"

#include "support/TempDir.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace {

// A store whose program clock the test sets.
struct ClockedStore {
    uint32_t time = 0;
    TFordData store;
    ClockedStore()
    {
        store.setClock([this] { return time; });
    }
    void storeAt(uint32_t t, uint8_t pid, uint16_t word)
    {
        time = t;
        ASSERT_TRUE(store.StoreValue(pid, word));
    }
};

struct Sample {
    uint32_t time;
    int32_t interval;
    uint16_t value;
    bool operator==(const Sample&) const = default;
};

std::vector<Sample> walk(const TFordData& store, uint8_t pid, uint32_t upper, int32_t lower)
{
    std::vector<Sample> out;
    store.ForEachSample(
        pid, 7,
        [&](uint32_t t, int32_t i, uint16_t v, int item, uint8_t p) {
            EXPECT_EQ(item, 7);
            EXPECT_EQ(p, pid);
            out.push_back({ t, i, v });
        },
        upper, lower);
    return out;
}

} // namespace

TEST(FordData, OnlyTheTestSignalRecordsFromTheStart)
{
    TFordData store;
    for (int pid = 0; pid < 255; ++pid)
        EXPECT_FALSE(store.PidLimits(uint8_t(pid)).RecordHistory) << pid;
    EXPECT_TRUE(store.PidLimits(255).RecordHistory);
    EXPECT_FALSE(store.StoreValue(1, 0xA123));
    EXPECT_EQ(store.BlockCount(1), 0);
    store.PidLimits(1).RecordHistory = true;
    EXPECT_TRUE(store.StoreValue(1, 0xA123));
    EXPECT_EQ(store.BlockCount(1), 1);
}

TEST(FordData, DefaultLimits)
{
    TFordData store;
    EXPECT_EQ(store.PidLimits(1).ScaleMax, 6500.0f);
    EXPECT_EQ(store.PidLimits(4).ScaleMin, -10.0f);
    EXPECT_EQ(store.PidLimits(16).ScaleMax, 130.0f);
    EXPECT_EQ(store.PidLimits(255).ScaleMax, 2500.0f);
    EXPECT_EQ(store.PidLimits(2).ScaleMin, 0.0f);
    EXPECT_EQ(store.PidLimits(2).ScaleMax, 0.0f);
}

TEST(FordData, SelectTableCopiesTheMapOrKeepsIt)
{
    TFordData store;
    EXPECT_EQ(store.PidMap(0), 0);
    ASSERT_TRUE(store.SelectTable('P'));
    EXPECT_EQ(store.PidMap(4), 0x0E); // frame 1, position 2
    EXPECT_EQ(store.PidMap(9), 0x15); // frame 2, position 3
    EXPECT_EQ(store.PidMap(59), 0x25); // frame 14, position 5
    EXPECT_FALSE(store.SelectTable('X'));
    EXPECT_EQ(store.PidMap(4), 0x0E);
    ASSERT_TRUE(store.SelectTable('T'));
    EXPECT_EQ(store.PidMap(0), 0x0A);
    EXPECT_EQ(store.PidMap(63), 0x6A);
    for (int i = 24; i < 64; ++i)
        EXPECT_EQ(store.PidMap(i), 0x43 + i - 24) << i; // ascending from frame 6 on
}

TEST(FordData, ConvertValue)
{
    EXPECT_FLOAT_EQ(TFordData::ConvertValue(1, 0xA123), 1164.0f);
    EXPECT_FLOAT_EQ(TFordData::ConvertValue(15, 0xA000 | 25), 10.0f);
    EXPECT_FLOAT_EQ(TFordData::ConvertValue(16, 0x0010), 0.0f);
    EXPECT_FLOAT_EQ(TFordData::ConvertValue(15, 0x0000), -32 * 5 / 9.0f);
    EXPECT_EQ(TFordData::ConvertValue(13, 0xA000), 0.0f);
    EXPECT_FLOAT_EQ(TFordData::ConvertValue(13, 0x0400), 2.0f);
    EXPECT_EQ(TFordData::ConvertValue(200, 0x5FFF), 4095.0f);
    EXPECT_FLOAT_EQ(TFordData::ConvertValue(4, 100), 25.0f);
    EXPECT_FLOAT_EQ(TFordData::ConvertValue(12, 130), 15.0f);
    EXPECT_FLOAT_EQ(TFordData::ConvertValue(17, 160), 10.0f);
    EXPECT_FLOAT_EQ(TFordData::ConvertValue(23, 100), 50.0f);
    EXPECT_FLOAT_EQ(TFordData::ConvertValue(24, 32), 1.609344f);
    EXPECT_FLOAT_EQ(TFordData::ConvertValue(39, 1000), 48.8f);
    EXPECT_FLOAT_EQ(TFordData::ConvertValue(42, 10), 160.0f);
}

TEST(FordData, APauseOfMoreThanTenGapsStartsABlock)
{
    ClockedStore s;
    for (uint32_t t : { 1000u, 1100u, 1200u, 2300u })
        s.storeAt(t, 255, 0xA001);
    ASSERT_EQ(s.store.BlockCount(255), 2);
    EXPECT_EQ(s.store.Block(255, 0).Idx, 3);
    EXPECT_EQ(s.store.Block(255, 1).Interval, 2300);
    EXPECT_EQ(s.store.Block(255, 1).TSBegin, 2300u);
}

TEST(FordData, APauseOfTenGapsContinuesTheBlock)
{
    ClockedStore s;
    for (uint32_t t : { 1000u, 1100u, 2000u })
        s.storeAt(t, 255, 0xA001);
    ASSERT_EQ(s.store.BlockCount(255), 1);
    const THistoryBlock b = s.store.Block(255, 0);
    EXPECT_EQ(b.Idx, 3);
    EXPECT_EQ(b.TSBegin, 1000u);
    EXPECT_EQ(b.TSLast, 2000u);
    EXPECT_EQ(b.Interval, 900);
}

TEST(FordData, BurstsWithinOneMillisecondContinueTheBlock)
{
    // 10,000 samples in bursts of 50 that share a millisecond, a burst every 20 ms: the
    // gap inside a burst is 0, and the next burst must not open a new block.
    ClockedStore s;
    for (int i = 0; i < 10000; ++i)
        s.storeAt(1000 + uint32_t(i / 50) * 20, 255, 0xA001);
    EXPECT_LE(s.store.BlockCount(255), 2);
    EXPECT_EQ(s.store.Block(255, 0).Idx, 10000);

    // After a zero gap, a pause up to the floor continues, a longer one breaks the block.
    ClockedStore p;
    for (uint32_t t : { 1000u, 1000u, 1500u, 1500u, 2001u })
        p.storeAt(t, 255, 0xA001);
    ASSERT_EQ(p.store.BlockCount(255), 2);
    EXPECT_EQ(p.store.Block(255, 0).Idx, 4);
    EXPECT_EQ(p.store.Block(255, 1).TSBegin, 2001u);
}

TEST(FordData, AnHourOfTablePAt115200BaudGrowsWithTheSamplesOnly)
{
    // 115,200 baud is 2,880 four-byte packets a second; each frame has six words, of
    // which positions 2 to 5 carry PIDs. A Bluetooth adapter hands them over every 50 ms,
    // so the samples of a burst share a millisecond. Every PID of the table records.
    ClockedStore s;
    s.store.SelectTable('P');
    for (int i = 0; i < 64; ++i)
        s.store.PidLimits(s.store.PidMap(i)).RecordHistory = true;
    constexpr int64_t PacketsPerSecond = 115200 / 10 / 4;
    constexpr int64_t Packets = PacketsPerSecond * 3600;
    const auto blocks = [&] {
        int count = 0;
        for (int pid = 0; pid < 256; ++pid)
            count += s.store.BlockCount(uint8_t(pid));
        return count;
    };
    // Full blocks only, but for the last one of each PID (43 in table P). Checked as it
    // goes, so a broken store fails before it takes the machine's memory.
    const auto bound = [](int64_t samples) { return samples / THistoryBlock::Capacity + 43; };
    int64_t samples = 0;
    for (int64_t n = 0; n < Packets; ++n) {
        const int frame = int(n / 6 % 16);
        const int position = int(n % 6);
        if (position < 2)
            continue;
        s.time = uint32_t(n * 1000 / PacketsPerSecond / 50 * 50);
        ASSERT_TRUE(s.store.StoreValue(s.store.PidMap(frame * 4 + position - 2), 0xA001));
        if (++samples % 65536 == 0) {
            ASSERT_LE(blocks(), bound(samples)) << samples;
        }
    }
    EXPECT_LE(blocks(), bound(samples));
    const double megabytes = double(blocks()) * sizeof(THistoryBlock) / 1e6;
    std::printf("an hour of table P: %lld samples in %d blocks, %.1f MB; engine speed alone "
                "%d blocks\n",
        (long long)samples, blocks(), megabytes, s.store.BlockCount(1));
    EXPECT_LT(megabytes, 16);
}

TEST(FordData, The10002ndSampleStartsABlock)
{
    ClockedStore s;
    uint32_t t = 5;
    for (int i = 0; i < 10001; ++i)
        s.storeAt(t++, 255, 0xA001);
    EXPECT_EQ(s.store.BlockCount(255), 1);
    s.storeAt(t, 255, 0xA001);
    ASSERT_EQ(s.store.BlockCount(255), 2);
    EXPECT_EQ(s.store.Block(255, 1).Interval, int32_t(t));
}

TEST(FordData, AHugeIntervalAlwaysContinues)
{
    ClockedStore s;
    s.storeAt(300'000'000, 255, 0xA001); // Interval x 10 overflows 32 bits
    s.storeAt(4'000'000'000u, 255, 0xA002);
    EXPECT_EQ(s.store.BlockCount(255), 1);
}

TEST(FordData, ForEachSampleSpreadsSamplesAndHonoursTheUpperTime)
{
    ClockedStore s;
    for (uint32_t t : { 1000u, 1100u, 1200u, 1300u })
        s.storeAt(t, 255, uint16_t(0xA000 | t / 100));
    EXPECT_EQ(walk(s.store, 255, 5000, -1),
        (std::vector<Sample> {
            { 1000, 100, 10 }, { 1100, 100, 11 }, { 1200, 100, 12 }, { 1300, 100, 13 } }));
    EXPECT_EQ(walk(s.store, 255, 1250, -1),
        (std::vector<Sample> { { 1000, 100, 10 }, { 1100, 100, 11 } }));
}

TEST(FordData, ForEachSampleSkipsOldBlocksAndZeroWords)
{
    ClockedStore s;
    s.storeAt(1000, 255, 0xA005);
    s.storeAt(1100, 255, 0x0000);
    s.storeAt(1200, 255, 0xFFFF);
    s.storeAt(1300, 255, 0xA006);
    s.storeAt(90000, 255, 0xA007);
    s.storeAt(90100, 255, 0xA008);
    EXPECT_EQ(walk(s.store, 255, 100000, -5).size(), 4u);
    const auto recent = walk(s.store, 255, 100000, 1300); // first block ends at 1300: skipped
    ASSERT_EQ(recent.size(), 2u);
    EXPECT_EQ(recent[0].time, 90000u);
    EXPECT_EQ(recent[1].value, 8);
}

TEST(FordData, RunWalkMarksPausesButNotFullBlocks)
{
    ClockedStore s;
    // A block filled to the brim goes on in the next without a pause.
    uint32_t t = 1000;
    for (int i = 0; i < THistoryBlock::Capacity + 5; ++i, t += 10)
        s.storeAt(t, 255, 0xA001);
    // Then the adapter is gone for ten seconds; a zero word opens the block after it.
    s.storeAt(t + 10'000, 255, 0x0000);
    s.storeAt(t + 10'100, 255, 0xA002);
    ASSERT_EQ(s.store.BlockCount(255), 3);
    std::vector<TSample> marked;
    s.store.ForEachSampleRun(
        255,
        [&](const TSample& sample) {
            if (sample.AfterPause || marked.empty())
                marked.push_back(sample);
        },
        UINT32_MAX, -1);
    ASSERT_EQ(marked.size(), 2u);
    EXPECT_FALSE(marked[0].AfterPause);
    EXPECT_EQ(marked[0].BlockEnd, 1000u + (THistoryBlock::Capacity - 1) * 10);
    // The first sample drawn after the pause carries the mark, though the zero came first.
    EXPECT_EQ(marked[1].Time, t + 10'100);
    EXPECT_EQ(marked[1].Value, 2);
    EXPECT_EQ(marked[1].BlockEnd, t + 10'100);
}

TEST(FordData, SampleTimesWithAndWithoutHistory)
{
    ClockedStore s;
    s.time = 777;
    EXPECT_EQ(s.store.FirstSampleTime(255), 777u);
    EXPECT_EQ(s.store.LastSampleTime(255), 777u);
    s.storeAt(1000, 255, 0xA001);
    s.storeAt(1100, 255, 0xA001);
    s.storeAt(90000, 255, 0xA001);
    EXPECT_EQ(s.store.FirstSampleTime(255), 1000u);
    EXPECT_EQ(s.store.LastSampleTime(255), 90000u);
}

TEST(FordData, SaveHistoryWritesThreeLinesPerBlock)
{
    TempDir dir;
    ClockedStore s;
    s.storeAt(1000, 255, 0x8064);
    s.storeAt(1100, 255, 0x606A);
    s.storeAt(50000, 255, 0xA001);
    s.store.SaveHistory(255, dir.file("dumpdata.txt"));
    EXPECT_EQ(dir.read("dumpdata.txt"),
        "i: 0, TSBegin: 1000, TSLast: 1100, interval: 100, idx: 2\r\n"
        "median interval: 50.00\r\n"
        "100,106,\r\n"
        "i: 1, TSBegin: 50000, TSLast: 50000, interval: 50000, idx: 1\r\n"
        "median interval: 1.00\r\n"
        "1,\r\n");

    s.store.SaveHistory(1, dir.file("empty.txt"));
    EXPECT_TRUE(QFile::exists(dir.file("empty.txt")));
    EXPECT_TRUE(dir.read("empty.txt").isEmpty());
}

TEST(FordData, AppendAndWalkMayRunOnTwoThreads)
{
    TFordData store;
    std::atomic<bool> done { false };
    std::thread writer([&] {
        for (int i = 0; i < 50000; ++i)
            store.StoreValue(255, uint16_t(0xA000 | (i & 0xFFF)));
        done = true;
    });
    size_t walked = 0;
    while (!done)
        store.ForEachSample(
            255, 0, [&](uint32_t, int32_t, uint16_t, int, uint8_t) { ++walked; }, 0xFFFFFFFFu, -1);
    writer.join();
    size_t total = 0;
    for (int b = 0; b < store.BlockCount(255); ++b)
        total += store.Block(255, b).Idx;
    EXPECT_EQ(total, 50000u);
}

TEST(FordData, ReplayedHistoryIsAppendedTakenAndSetWhole)
{
    TFordData store;
    // A replay keeps every PID, recorded or not, at the times it gives.
    EXPECT_FALSE(store.PidLimits(1).RecordHistory);
    EXPECT_TRUE(store.AppendSample(1, 0x8064, 1000));
    EXPECT_TRUE(store.AppendSample(1, 0x606A, 1100));
    EXPECT_TRUE(store.AppendSample(1, 0x606B, 2300));
    ASSERT_EQ(store.BlockCount(1), 2) << "the same rule cuts the blocks";
    EXPECT_EQ(store.LastSampleTime(1), 2300u);

    TFordData::History taken = store.TakeHistory(1);
    EXPECT_EQ(taken.size(), 2u);
    EXPECT_EQ(store.BlockCount(1), 0);
    taken.pop_back();
    store.SetHistory(7, std::move(taken));
    ASSERT_EQ(store.BlockCount(7), 1);
    EXPECT_EQ(store.Block(7, 0).Idx, 2);
    EXPECT_EQ(store.Block(7, 0).TSLast, 1100u);

    std::array<uint8_t, 64> map {};
    map[0] = 0x42;
    map[63] = 0x17;
    store.SetPidMap(map);
    EXPECT_EQ(store.PidMap(0), 0x42);
    EXPECT_EQ(store.PidMap(63), 0x17);
}
