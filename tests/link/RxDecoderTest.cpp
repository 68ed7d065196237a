// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "LinkRecorder.h"
#include "common/ScaledClock.h"
#include "common/WordPacket.h"
#include "link/LinkTypes.h"
#include "link/TLinkPoster.h"
#include "link/TLinkShared.h"
#include "link/TRxDecoder.h"
#include "store/TFordData.h"

#include <QCoreApplication>
#include <chrono>
#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>
#include <thread>
#include <vector>

namespace {

class RxDecoderTest : public ::testing::Test {
protected:
    RxDecoderTest()
        : decoder(*shared, store, poster, clock)
    {
    }

    // Feeds bytes and delivers the messages they posted.
    void feed(std::initializer_list<uint8_t> bytes)
    {
        const std::vector<uint8_t> data(bytes);
        decoder.feed(data.data(), data.size());
        QCoreApplication::sendPostedEvents(&recorder);
    }

    // One word packet of the value with its check nibble.
    void feedWord(uint8_t slot, uint16_t value)
    {
        const auto packet = WordPacket::packet(slot, WordPacket::encode(value));
        feed({ packet[0], packet[1], packet[2], packet[3] });
    }

    // A whole memory block: its address words, then frames 0 to 15 with the bytes
    // 0 to 63 (plus offset) in positions 2 to 5; skip names a slot whose word is rejected.
    void feedBlock(uint16_t address, int offset = 0, int skip = -1)
    {
        for (int frame = 0; frame < 16; ++frame) {
            if (frame == 8)
                feedWord(0x81, address & 0xFF);
            if (frame == 9)
                feedWord(0x91, address >> 8);
            for (int position = 2; position <= 5; ++position) {
                const uint8_t slot = uint8_t(frame * 16 + position);
                const uint16_t value = uint16_t((frame * 4 + position - 2 + offset) & 0xFF);
                if (slot == skip)
                    feed({ 0xFF, slot, uint8_t(value), 0x00 }); // check nibble 0: rejected
                else
                    feedWord(slot, value);
            }
        }
    }

    // Gets the decoder to "after the word" of some slot, then clears what that recorded.
    void settle()
    {
        feed({ 0xFF, 0x00, 0x00, 0xA0 });
        recorder.clear();
        shared->setSlot(0x00, 0);
    }

    QList<uint32_t> postedSlots() const
    {
        QList<uint32_t> posted;
        for (const RecordedMessage& message : recorder.SlotPosts) {
            // Each post carries the word that passed its check.
            EXPECT_TRUE(Link::slotHasWord(message.LParam));
            posted.append(message.WParam);
        }
        return posted;
    }

    LinkRecorder recorder;
    std::unique_ptr<TLinkShared> shared = std::make_unique<TLinkShared>();
    TFordData store;
    TLinkPoster poster { &recorder };
    ScaledClock clock;
    TRxDecoder decoder;
};

} // namespace

TEST(WordPacket, CheckNibbleMatchesTheExamples)
{
    EXPECT_EQ(WordPacket::encode(0x000), 0xA000);
    EXPECT_EQ(WordPacket::encode(0x123), 0xA123);
    EXPECT_EQ(WordPacket::encode(0xFFF), 0x5FFF);
    EXPECT_TRUE(WordPacket::isValid(0x504B));
    EXPECT_TRUE(WordPacket::isValid(0xA0AA));
    EXPECT_FALSE(WordPacket::isValid(0xA223));
    EXPECT_FALSE(WordPacket::isValid(0x0000));
}

TEST_F(RxDecoderTest, ValidPacketIsStoredAndPostedOnce)
{
    settle();
    feed({ 0xFF, 0x21, 0x23, 0xA1 });
    EXPECT_EQ(shared->slot(0x21), 0xA123);
    EXPECT_EQ(postedSlots(), QList<uint32_t> { 0x21 });
}

TEST_F(RxDecoderTest, RejectedWordReachesNoReaderOfValues)
{
    settle();
    store.SelectTable('P');
    store.PidLimits(0x0E).RecordHistory = true;
    shared->setLinkMode(Link::lmLiveData);
    feed({ 0xFF, 0x12, 0x23, 0xA1 }); // frame 1 position 2: PID 0x0E
    recorder.clear();
    feed({ 0xFF, 0x12, 0x23, 0xA2, 0x30, 0x00, 0xA0, 0x07 });
    // The wire's table keeps what came; the checked table, the store and the window
    // keep the last word that passed.
    EXPECT_EQ(shared->rawSlot(0x12), 0xA223);
    EXPECT_EQ(shared->slot(0x12), 0xA123);
    EXPECT_EQ(store.BlockCount(0x0E), 1);
    EXPECT_EQ(store.Block(0x0E, 0).Idx, 1);
    EXPECT_EQ(shared->slot(0x30), 0);
    EXPECT_TRUE(postedSlots().isEmpty());
    feed({ 0xFF, 0x30, 0x00, 0xA0 });
    EXPECT_EQ(shared->slot(0x30), 0xA000);
    EXPECT_EQ(postedSlots(), QList<uint32_t> { 0x30 });
    // The post carries the word and the mode it came in: a live data word.
    EXPECT_EQ(Link::slotWord(recorder.SlotPosts.last().LParam), 0xA000);
    EXPECT_TRUE(Link::slotIsLiveData(recorder.SlotPosts.last().LParam));
}

// The words of one receive call travel as one event, in order; an event that the link
// thread posts meanwhile (it may already see them in the slot table) comes after them.
TEST_F(RxDecoderTest, OneCallIsOneBatchAndNoEventOvertakesIt)
{
    settle();
    std::vector<uint8_t> bytes;
    for (uint8_t slot : { 0x12, 0x13, 0x22 })
        for (uint8_t b : WordPacket::packet(slot, WordPacket::encode(slot)))
            bytes.push_back(b);
    std::thread linkThread;
    {
        TLinkPoster::WordScope held(poster);
        linkThread = std::thread([this] { poster.postEvent(Link::evCalibration, 0); });
        // The event waits while the words of the call are taken.
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        held.add({ 0x02, Link::lmLiveData, 0x0102, 0 });
    }
    linkThread.join();
    decoder.feed(bytes.data(), bytes.size());
    QCoreApplication::sendPostedEvents(&recorder);
    EXPECT_EQ(recorder.Order,
        (QList<int> { Link::WM_LINK_SLOT, Link::WM_LINK_EVENT, Link::WM_LINK_SLOT }));
    EXPECT_EQ(postedSlots(), (QList<uint32_t> { 0x02, 0x12, 0x13, 0x22 }));
}

TEST_F(RxDecoderTest, SyncByteInsideAPacketIsData)
{
    settle();
    feed({ 0xFF, 0x30, 0xFF, 0x5F });
    EXPECT_EQ(shared->slot(0x30), 0x5FFF);
    EXPECT_EQ(postedSlots(), QList<uint32_t> { 0x30 });
}

TEST_F(RxDecoderTest, RepeatedSyncBytesKeepWaitingForTheSlot)
{
    settle();
    feed({ 0xFF, 0xFF, 0xFF, 0x30, 0x00, 0xA0 });
    EXPECT_EQ(shared->slot(0x30), 0xA000);
    EXPECT_EQ(postedSlots(), QList<uint32_t> { 0x30 });
}

TEST_F(RxDecoderTest, ExtraBytesProcessTheSameWordAgainUntilTheCounterWraps)
{
    settle();
    feed({ 0xFF, 0x21, 0x23, 0xA1, 0x07 });
    EXPECT_EQ(postedSlots(), (QList<uint32_t> { 0x21, 0x21 }));

    // 252 more extra bytes take the count to 255; the next wraps it to 0, and the two
    // bytes after that form a new word of the same slot.
    recorder.clear();
    for (int i = 0; i < 252; ++i)
        feed({ 0x07 });
    EXPECT_EQ(recorder.SlotPosts.size(), 252);
    feed({ 0x07 });
    EXPECT_EQ(decoder.rxCount(), 0);
    recorder.clear();
    feed({ 0x00, 0xA0 });
    EXPECT_EQ(shared->slot(0x21), 0xA000);
    EXPECT_EQ(postedSlots(), QList<uint32_t> { 0x21 });
}

TEST_F(RxDecoderTest, PacketSplitAcrossCallsIsDecoded)
{
    settle();
    feed({ 0xFF, 0x21 });
    feed({ 0x23 });
    EXPECT_TRUE(postedSlots().isEmpty());
    feed({ 0xA1 });
    EXPECT_EQ(postedSlots(), QList<uint32_t> { 0x21 });
}

TEST_F(RxDecoderTest, StartsWaitingForASyncSoTheFirstPacketCounts)
{
    // The module's 'H' and the calibration code in one write: the 'H' is no packet, and
    // the first packet is a word like any other.
    shared->setLinkMode(Link::lmCalibration);
    feed({ 'H', 0xFF, 0xB1, 0x4B, 0x50, 0xFF, 0xA1, 0xAA, 0xA0 });
    EXPECT_EQ(shared->slot(0xB1), 0x504B);
    EXPECT_EQ(shared->slot(0xA1), 0xA0AA);
    EXPECT_EQ(postedSlots(), (QList<uint32_t> { 0xB1, 0xA1 }));
    EXPECT_FALSE(Link::slotIsLiveData(recorder.SlotPosts.first().LParam));
}

TEST_F(RxDecoderTest, AwaitingSyncDropsEverythingUpToTheNextSync)
{
    settle();
    feed({ 0xFF, 0x21, 0x23 }); // half a packet when streaming was set up
    decoder.awaitSync();
    recorder.clear();
    feed({ 0x99, 0xFF, 0x22, 0x23, 0xA1 });
    EXPECT_EQ(shared->slot(0x22), 0xA123);
    EXPECT_EQ(postedSlots(), QList<uint32_t> { 0x22 });

    // After a whole word, stray bytes no longer repeat it: the next exchange's answer
    // must not find an earlier word posted again.
    decoder.awaitSync();
    recorder.clear();
    feed({ 'B', 0x07, 0x07 });
    EXPECT_TRUE(postedSlots().isEmpty());
    EXPECT_TRUE(decoder.awaitingSync());
}

TEST_F(RxDecoderTest, LiveDataRoutesPositionsTwoToFiveThroughThePidMap)
{
    settle();
    store.SelectTable('P');
    shared->setLinkMode(Link::lmLiveData);
    for (int pid = 0; pid < 256; ++pid)
        store.PidLimits(uint8_t(pid)).RecordHistory = true;
    auto samples = [&] {
        int blocks = 0;
        for (int pid = 0; pid < 256; ++pid)
            blocks += store.BlockCount(uint8_t(pid));
        return blocks;
    };
    for (uint8_t slot : { uint8_t(0x10), uint8_t(0x11), uint8_t(0x16) })
        feed({ 0xFF, slot, 0x23, 0xA1 });
    EXPECT_EQ(samples(), 0);
    EXPECT_EQ(shared->slot(0x16), 0xA123);

    feed({ 0xFF, 0x12, 0x23, 0xA1 }); // frame 1 position 2: the fifth byte of map P, PID 0x0E
    EXPECT_EQ(samples(), 1);
    ASSERT_EQ(store.BlockCount(0x0E), 1);
    EXPECT_EQ(store.Block(0x0E, 0).Values[0], 0xA123);
}

TEST_F(RxDecoderTest, OtherModesOnlyFillTheSlotTable)
{
    settle();
    store.SelectTable('P');
    store.PidLimits(0x0E).RecordHistory = true;
    for (auto mode : { Link::lmCalibration, Link::lmFaultTest }) {
        shared->setLinkMode(mode);
        feed({ 0xFF, 0x12, 0x23, 0xA1 });
    }
    EXPECT_EQ(store.BlockCount(0x0E), 0);
    EXPECT_EQ(postedSlots(), (QList<uint32_t> { 0x12, 0x12 }));
}

TEST_F(RxDecoderTest, MemoryBlockLandsSixteenPastTheAnnouncedAddress)
{
    settle();
    shared->setLinkMode(Link::lmMemoryRead);
    feedBlock(0x1234);
    for (int i = 0; i < 64; ++i) {
        EXPECT_EQ(shared->MemImage[0x1244 + i].load(), i) << i;
        EXPECT_EQ(shared->MemMarks[0x1244 + i].load(), 1) << i;
    }
    EXPECT_EQ(shared->MemMarks[0x1243].load(), 0);
    EXPECT_EQ(shared->MemMarks[0x1284].load(), 0);

    // The wrap at the end of the image.
    feedBlock(0xFFD0); // 0xFFD0 + 16 = 0xFFE0
    EXPECT_EQ(shared->MemMarks[0xFFDF].load(), 0);
    for (int a = 0xFFE0; a <= 0xFFFF; ++a)
        EXPECT_EQ(shared->MemMarks[a].load(), 1) << a;
    for (int a = 0x0000; a <= 0x001F; ++a)
        EXPECT_EQ(shared->MemMarks[a].load(), 1) << a;
    EXPECT_EQ(shared->MemMarks[0x0020].load(), 0);
}

TEST_F(RxDecoderTest, MemoryBlockTakesOnlyWordsThatPassedTheirCheckInThatBlock)
{
    settle();
    shared->setLinkMode(Link::lmMemoryRead);
    // A rejected word of byte 5 (frame 1, position 3): the byte stays unmarked rather
    // than taking the value of the word before it.
    feedBlock(0x0100, 0);
    feedBlock(0x0140, 0x40, 0x13);
    EXPECT_EQ(shared->MemMarks[0x0110 + 5].load(), 1);
    EXPECT_EQ(shared->MemMarks[0x0150 + 5].load(), 0);
    EXPECT_EQ(shared->MemImage[0x0150 + 4].load(), 0x44);
    EXPECT_EQ(shared->MemImage[0x0150 + 6].load(), 0x46);

    // A block whose address word was rejected has no place: nothing is marked, not even
    // at the address of the block before.
    for (auto& mark : shared->MemMarks)
        mark.store(0);
    feedWord(0x81, 0x80);
    feed({ 0xFF, 0x91, 0x02, 0x00 });
    for (int frame = 0; frame < 16; ++frame)
        for (int position = 2; position <= 5; ++position)
            feedWord(uint8_t(frame * 16 + position), 0x55);
    for (int a = 0; a < TLinkShared::MemorySize; ++a)
        ASSERT_EQ(shared->MemMarks[a].load(), 0) << a;
}
