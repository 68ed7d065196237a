// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The player of recorded sessions: every word in order at any speed, pause, and seeks that
// give the store the history up to their moment at once.
#include "ui/model/RecordingPlayer.h"

#include "RecordingSynth.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

struct Played {
    std::vector<RecordedWord> words;
    int cleared = 0;
};

// A player on a clock the test moves; what it plays is collected with the position.
struct PlayerRig {
    qint64 now = 0;
    RecordingPlayer player { nullptr, [this] { return now; } };
    Played played;

    PlayerRig()
    {
        QObject::connect(&player, &RecordingPlayer::slotWord, [this](quint8 slot, quint16 word) {
            played.words.push_back({ player.position(), slot, word });
        });
        QObject::connect(&player, &RecordingPlayer::slotsCleared, [this] { ++played.cleared; });
    }
    // Plays to the end in ticks of the given lengths, in turn.
    void playToEnd(std::initializer_list<int> steps)
    {
        player.play();
        // Bounded, so a player that never reaches its end fails instead of hanging.
        for (size_t i = 0; player.playing() && i < 10'000'000; ++i) {
            now += steps.begin()[i % steps.size()];
            player.tick();
        }
    }
};

void expectSameHistory(const TFordData& a, const TFordData& b, uint8_t pid)
{
    ASSERT_EQ(a.BlockCount(pid), b.BlockCount(pid)) << "PID " << int(pid);
    for (int i = 0; i < a.BlockCount(pid); ++i) {
        const THistoryBlock x = a.Block(pid, i), y = b.Block(pid, i);
        EXPECT_EQ(x.TSBegin, y.TSBegin);
        EXPECT_EQ(x.TSLast, y.TSLast);
        EXPECT_EQ(x.Interval, y.Interval);
        EXPECT_EQ(x.Idx, y.Idx);
        EXPECT_TRUE(x.Values == y.Values) << "PID " << int(pid) << " block " << i;
    }
}

} // namespace

TEST(RecordingPlayer, PlaysEveryWordInOrderAtEverySpeed)
{
    const Recording ten = synthRecording(10 * 60 * 1000, 300);
    for (const double speed : { 1.0, 16.0, 0.25, 3.0 }) {
        PlayerRig rig;
        rig.player.open(ten);
        rig.player.setSpeed(speed);
        // Uneven ticks, as a busy event loop gives them.
        rig.playToEnd({ 20, 7, 45, 20, 1, 0 });
        const auto& got = rig.played.words;
        ASSERT_EQ(got.size(), ten.Words.size()) << "speed " << speed;
        for (size_t i = 0; i < got.size(); ++i) {
            ASSERT_EQ(got[i].Slot, ten.Words[i].Slot) << i;
            ASSERT_EQ(got[i].Word, ten.Words[i].Word) << i;
            // Never early, and at most one tick late.
            ASSERT_GE(got[i].TimeMs, ten.Words[i].TimeMs) << i;
            ASSERT_LE(got[i].TimeMs, ten.Words[i].TimeMs + 45 * speed + 1) << i;
        }
        EXPECT_EQ(rig.player.position(), ten.durationMs());
        // The store got every word of positions 2 to 5 under the recording's map.
        EXPECT_EQ(size_t(rig.player.store().Block(0x01, 0).Idx), size_t(2 * ten.Words.size() / 96))
            << "PID 1 stands in frames 0 and 8";
    }
}

TEST(RecordingPlayer, PauseSpeedAndTheEnd)
{
    PlayerRig rig;
    rig.player.open(synthRecording(60 * 1000, 100));
    EXPECT_FALSE(rig.player.playing());
    rig.now += 5000;
    rig.player.tick();
    EXPECT_EQ(rig.player.position(), 0u) << "paused at the start";

    rig.player.play();
    rig.now += 1000;
    rig.player.tick();
    EXPECT_EQ(rig.player.position(), 1000u);
    rig.player.setSpeed(100);
    EXPECT_EQ(rig.player.speed(), 16);
    rig.now += 1000;
    rig.player.tick();
    EXPECT_EQ(rig.player.position(), 17000u);
    rig.player.setSpeed(0);
    EXPECT_EQ(rig.player.speed(), 0.25);
    rig.now += 1000;
    rig.player.pause();
    EXPECT_EQ(rig.player.position(), 17250u) << "the time up to the pause counts";
    rig.now += 10000;
    rig.player.tick();
    EXPECT_EQ(rig.player.position(), 17250u);

    // The end stops the player; playing again starts over.
    rig.player.setSpeed(16);
    rig.player.play();
    rig.now += 100000;
    rig.player.tick();
    EXPECT_EQ(rig.player.position(), 60000u);
    EXPECT_FALSE(rig.player.playing());
    rig.player.play();
    EXPECT_EQ(rig.player.position(), 0u);
    EXPECT_TRUE(rig.player.playing());
}

TEST(RecordingPlayer, SeekGivesTheHistoryAndSlotsOfItsMoment)
{
    const Recording ten = synthRecording(10 * 60 * 1000, 300);
    PlayerRig played, sought;
    played.player.open(ten);
    played.player.play();
    while (played.player.position() < 300000) {
        played.now += 20;
        played.player.tick();
    }
    ASSERT_EQ(played.player.position(), 300000u);

    sought.player.open(ten);
    // Forth and back first: a seek replaces what the store held.
    sought.player.seek(420000);
    sought.player.seek(60000);
    sought.played = {};
    sought.player.seek(300000);
    const TFordData& store = sought.player.store();
    EXPECT_EQ(store.now(), 300000u);
    for (const uint8_t pid : { 0x01, 0x11, 0x18, 0x27, 0x35 })
        expectSameHistory(played.player.store(), store, pid);
    EXPECT_LE(store.LastSampleTime(0x01), 300000u);
    EXPECT_GT(store.LastSampleTime(0x01), 300000u - 1000);
    EXPECT_EQ(store.FirstSampleTime(0x01), ten.Words[2].TimeMs) << "slot 0x02";

    // Each of the 96 restored once, with its newest word up to 5:00, in the recording's order.
    EXPECT_EQ(sought.played.cleared, 1);
    const auto& restored = sought.played.words;
    ASSERT_EQ(restored.size(), 96u);
    std::array<uint16_t, 256> newest {};
    for (const RecordedWord& w : ten.Words)
        if (w.TimeMs <= 300000)
            newest[w.Slot] = w.Word;
    for (const RecordedWord& w : restored)
        EXPECT_EQ(w.Word, newest[w.Slot]) << int(w.Slot);
    EXPECT_EQ(restored.back().Slot, [&] {
        size_t i = 0;
        while (i < ten.Words.size() && ten.Words[i].TimeMs <= 300000)
            ++i;
        return ten.Words[i - 1].Slot;
    }());

    // Playing on from the seek gives what playing through gave.
    played.played = {};
    sought.played = {};
    played.playToEnd({ 20 });
    sought.playToEnd({ 20 });
    EXPECT_EQ(played.played.words.size(), sought.played.words.size());
    for (const uint8_t pid : { 0x01, 0x0F, 0x2B })
        expectSameHistory(played.player.store(), store, pid);
}

TEST(RecordingPlayer, NextMarkSeeksAheadOfEachAlarmInTurnAndWraps)
{
    Recording r = synthRecording(60 * 1000, 300);
    PlayerRig rig;
    rig.player.open(r);
    EXPECT_FALSE(rig.player.seekToNextMark()) << "no marks";
    r.Marks = { { 2000, 0x10, RecordedMark::Alarm, 110 },
        { 20000, 0x11, RecordedMark::Warning, 12 }, { 20500, 0x01, RecordedMark::Alarm, 6300 } };
    rig.player.open(r);
    const std::vector<uint32_t> stops { 0, 15000, 15500, 0 };
    for (const uint32_t expected : stops) {
        ASSERT_TRUE(rig.player.seekToNextMark());
        EXPECT_EQ(rig.player.position(), expected);
    }
}

TEST(RecordingPlayer, TimeText)
{
    EXPECT_EQ(RecordingPlayer::timeText(0), "0:00");
    EXPECT_EQ(RecordingPlayer::timeText(65999), "1:05");
    EXPECT_EQ(RecordingPlayer::timeText(600000), "10:00");
    EXPECT_EQ(RecordingPlayer::timeText(3600000 + 61000), "1:01:01");
}
