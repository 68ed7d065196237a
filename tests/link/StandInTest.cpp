// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The link against a module stand-in written from the protocol (ScriptedPeer), for the
// cases the simulator does not play: a calibration code sent at once or late, a stale
// code of another car, rejected words, a stream that never falls silent and a pulled cable.
#include "LinkRecorder.h"
#include "ScriptedPeer.h"
#include "common/Placeholders.h"
#include "common/Texts.h"
#include "link/FaultCodeList.h"
#include "link/TCommThread.h"
#include "link/TLinkSettings.h"
#include "link/exchanges/Exchanges.h"
#include "store/TFordData.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr double Scale = 0.2;

// Real time of a span of the link's clock.
std::chrono::milliseconds real(int linkMs)
{
    return std::chrono::milliseconds(int(linkMs * Scale));
}

struct StandIn {
    explicit StandIn(ScriptedPeer::Script script)
        : peer(std::move(script))
    {
        settings.setPortName(peer.portPath());
        settings.setSpeedText("38400");
        TCommThread::Options options;
        options.TimeScale = Scale;
        link = std::make_unique<TCommThread>(&recorder, settings, options);
    }
    ~StandIn() { link.reset(); }

    bool run(uint8_t code, int32_t lParam = 0, std::chrono::milliseconds timeout = 20s)
    {
        link->post(code, lParam);
        return recorder.waitDone(code, timeout);
    }

    uint16_t calibrationCode() const
    {
        return uint16_t((link->Slots(Link::SlotCalibrationHigh) & 0xFF) << 8
            | (link->Slots(Link::SlotCalibrationLow) & 0xFF));
    }

    LinkRecorder recorder;
    TLinkSettings settings;
    ScriptedPeer peer;
    std::unique_ptr<TCommThread> link;
};

// The ECU's identification frames 10 and 11 with the code's halves in position 1.
QByteArray calibrationFrames(uint16_t code)
{
    return ScriptedPeer::word(0xA0, 0x00A) + ScriptedPeer::word(0xA1, code & 0xFF)
        + ScriptedPeer::word(0xB0, 0x00B) + ScriptedPeer::word(0xB1, code >> 8);
}

// A module whose ECU answers "cH" with its code: right after the 'H' in the same write
// when delay is 0, else that much later (real time).
ScriptedPeer::Script carWithCode(
    std::optional<uint16_t> code, std::chrono::milliseconds delay = 0ms)
{
    return [code, delay](ScriptedPeer& peer, const QByteArray& line) {
        if (ScriptedPeer::answerHandshake(peer, line) || line != "cH")
            return;
        if (!code)
            peer.send("H");
        else if (delay == 0ms)
            peer.send("H" + calibrationFrames(*code));
        else {
            peer.send("H");
            peer.sendAfter(delay, calibrationFrames(*code));
        }
    };
}

} // namespace

TEST(LinkStandIn, CalibrationCodeIsTheEcusWholeAndFresh)
{
    // Sent once, straight after the 'H': the first packet is part of the code.
    StandIn s(carWithCode(0x4BAA));
    ASSERT_TRUE(s.run(Link::cmdConnect, 1));
    EXPECT_EQ(s.recorder.eventArgs(Link::evCalibration), QList<int32_t> { 0 });
    EXPECT_EQ(s.calibrationCode(), 0x4BAA);

    // Another car: 1234, not 0034.
    s.peer.setScript(carWithCode(0x1234));
    s.recorder.clear();
    ASSERT_TRUE(s.run(Link::cmdConnect, 1));
    EXPECT_EQ(s.recorder.eventArgs(Link::evCalibration), QList<int32_t> { 0 });
    EXPECT_EQ(s.calibrationCode(), 0x1234);

    // 600 ms late, within the wait of a second.
    s.peer.setScript(carWithCode(0x5678, real(600)));
    s.recorder.clear();
    ASSERT_TRUE(s.run(Link::cmdConnect, 1));
    EXPECT_EQ(s.recorder.eventArgs(Link::evCalibration), QList<int32_t> { 0 });
    EXPECT_EQ(s.calibrationCode(), 0x5678);

    // A car that sends no code: the code of the car before must neither end the wait
    // nor be posted as this car's.
    s.peer.setScript(carWithCode(std::nullopt));
    s.recorder.clear();
    const auto start = Clock::now();
    ASSERT_TRUE(s.run(Link::cmdConnect, 1));
    EXPECT_GE(Clock::now() - start, real(1000));
    EXPECT_TRUE(s.recorder.eventArgs(Link::evCalibration).isEmpty());
    EXPECT_EQ(s.link->Slots(Link::SlotCalibrationHigh), 0);
    EXPECT_EQ(s.link->Slots(Link::SlotCalibrationLow), 0);

    // Half a code, the other half rejected by its check: no code at all.
    s.peer.setScript([](ScriptedPeer& peer, const QByteArray& line) {
        if (!ScriptedPeer::answerHandshake(peer, line) && line == "cH")
            peer.send(
                "H" + ScriptedPeer::word(0xA1, 0xAA) + ScriptedPeer::rejectedWord(0xB1, 0x4B));
    });
    s.recorder.clear();
    ASSERT_TRUE(s.run(Link::cmdConnect, 1));
    EXPECT_TRUE(s.recorder.eventArgs(Link::evCalibration).isEmpty());
    EXPECT_EQ(s.link->Slots(Link::SlotCalibrationHigh), 0);
    EXPECT_EQ(s.link->RawSlots(Link::SlotCalibrationHigh) & 0xFF, 0x4B);
}

TEST(LinkStandIn, FaultsReadWithoutHandshakeListsEveryCodeAndNoRejectedOne)
{
    // The ECU's answer follows the echo in the same write; the first packet is a code.
    StandIn s([](ScriptedPeer& peer, const QByteArray& line) {
        if (line != "cB")
            return;
        peer.send("B" + ScriptedPeer::word(0x02, 0x112) + ScriptedPeer::word(0x12, 0x335)
            + ScriptedPeer::rejectedWord(0x03, 0x211) + ScriptedPeer::word(0x71, 0x040));
    });
    // No port object yet: the fault test makes a closed one and opens it without a
    // handshake.
    ASSERT_TRUE(s.run(Link::cmdFaultTest, 'B'));
    EXPECT_EQ(s.peer.lines(), QList<QByteArray> { "cB" });
    const QStringList codes
        = FaultCodeList::entries([&](uint8_t slot) { return s.link->Slots(slot); });
    EXPECT_EQ(codes, (QStringList { "112", "335" }));

    // A second read after a stream that stopped mid-packet still starts on a packet.
    s.peer.setScript([](ScriptedPeer& peer, const QByteArray& line) {
        if (line == "cB")
            peer.send("B" + ScriptedPeer::word(0x05, 0x444) + ScriptedPeer::word(0x71, 0x040));
    });
    ASSERT_TRUE(s.run(Link::cmdFaultTest, 'B'));
    EXPECT_EQ(FaultCodeList::entries([&](uint8_t slot) { return s.link->Slots(slot); }),
        QStringList { "444" });
}

TEST(LinkStandIn, SelfTestWaitEndsOnCancelConnect)
{
    // An ECU that never ends its self-test.
    StandIn s([](ScriptedPeer& peer, const QByteArray& line) {
        if (line == "cD")
            peer.send("D");
    });
    s.link->setMaxTestTime(60);
    s.link->post(Link::cmdFaultTest, 'D');
    ASSERT_TRUE(s.recorder.waitFor([&] { return s.peer.lines().contains("cD"); }, 5s));
    s.link->setCancelConnect(true);
    s.link->post(Link::cmdDisconnect);
    const auto cancelled = Clock::now();
    ASSERT_TRUE(s.recorder.waitDone(Link::cmdFaultTest, 20s));
    EXPECT_LT(Clock::now() - cancelled, real(2000));
    EXPECT_EQ(s.recorder.eventArgs(Link::evFaultTest), (QList<int32_t> { 0, 1 }));
}

TEST(LinkStandIn, OnlyCheckedWordsOfTheRunningStreamBecomeValues)
{
    // The handshake's frames carry a word in a PID position (frame 1, position 2: PID
    // 0x0E of table P); the stream then sends a good, a rejected and a good word there.
    StandIn s([](ScriptedPeer& peer, const QByteArray& line) {
        if (ScriptedPeer::answerHandshake(peer, line))
            return;
        if (line == "cH")
            peer.send("H" + ScriptedPeer::word(0x12, 0x7FF) + calibrationFrames(0x4BAA));
        else if (line == "lP")
            peer.send("P");
        else if (line == "cE")
            peer.send("EE");
        else if (line == "cG")
            peer.send(ScriptedPeer::word(0x12, 0x123) + ScriptedPeer::rejectedWord(0x12, 0x223)
                + ScriptedPeer::word(0x12, 0x124));
    });
    s.link->DataManager().PidLimits(0x0E).RecordHistory = true;
    ASSERT_TRUE(s.run(Link::cmdStartData));
    ASSERT_EQ(s.link->LinkMode(), Link::lmLiveData);
    ASSERT_TRUE(s.recorder.waitFor(
        [&] {
            for (const RecordedMessage& m : s.recorder.SlotPosts)
                if (m.WParam == 0x12 && Link::slotWord(m.LParam) == 0xD124)
                    return true;
            return false;
        },
        5s));

    QList<uint16_t> live;
    QList<uint16_t> other;
    for (const RecordedMessage& m : s.recorder.SlotPosts)
        if (m.WParam == 0x12)
            (Link::slotIsLiveData(m.LParam) ? live : other) << Link::slotWord(m.LParam);
    EXPECT_EQ(live, (QList<uint16_t> { 0xA123, 0xD124 }));
    EXPECT_EQ(other, QList<uint16_t> { 0xD7FF }); // the handshake's word, not a PID value
    TFordData& store = s.link->DataManager();
    ASSERT_EQ(store.BlockCount(0x0E), 1);
    const THistoryBlock& block = store.Block(0x0E, 0);
    ASSERT_EQ(block.Idx, 2);
    EXPECT_EQ(block.Values[0], 0xA123);
    EXPECT_EQ(block.Values[1], 0xD124);
    EXPECT_EQ(s.link->RawSlots(0x12), 0xD124);
    ASSERT_TRUE(s.run(Link::cmdStopData));
}

namespace {

// One memory block of the stream: bytes of the value (address low byte + i) at the
// image address announced + 16, its address in frames 8 and 9, six words a frame.
QByteArray memoryBlock(uint16_t announced)
{
    QByteArray block;
    for (int frame = 0; frame < 16; ++frame) {
        block += ScriptedPeer::word(uint8_t(frame << 4), uint16_t(frame));
        const uint16_t address = frame == 8 ? (announced & 0xFF) : frame == 9 ? announced >> 8 : 0;
        block += ScriptedPeer::word(uint8_t(frame << 4 | 1), address);
        for (int position = 2; position <= 5; ++position)
            block += ScriptedPeer::word(
                uint8_t(frame << 4 | position), uint16_t((frame * 4 + position - 2) & 0xFF));
    }
    return block;
}

// A module that answers the memory read's set-up and then streams the block of rows
// 0x0A0 to 0x0A4 again and again, until stopped.
ScriptedPeer::Script endlessMemory()
{
    return [](ScriptedPeer& peer, const QByteArray& line) {
        if (ScriptedPeer::answerHandshake(peer, line) || line == "cH")
            return;
        if (line == "lD")
            peer.send("D");
        else if (line == "cI")
            peer.send("I");
        else if (line.startsWith("a"))
            peer.stream([] { return memoryBlock(0x09F0); }, 10ms);
    };
}

constexpr int32_t rows(int first, int end)
{
    return int32_t(uint32_t(first) | uint32_t(end) << 16);
}

} // namespace

// A module that goes on relaying the same block: the read ends once its rows have not
// advanced for the stall time, whatever the range's size and the port's speed, and counts
// what came.
TEST(LinkStandIn, MemoryReadWhoseRowsStopAdvancingEndsOnLackOfProgress)
{
    struct Case {
        int32_t rows;
        bool complete; // every byte of the range came before the stall
    };
    const QString stalled
        = Texts::text(Texts::LogMemoryReadStalled).arg((Exchanges::MemoryReadStallMs + 999) / 1000);
    for (const Case& c :
        { Case { rows(0x0A0, 0x0A4), true }, Case { rows(0x000, 0xFFF), false } }) {
        SCOPED_TRACE(c.rows);
        StandIn s(endlessMemory());
        const auto start = Clock::now();
        s.link->post(Link::cmdDumpRange | 1u << 16, c.rows);
        ASSERT_TRUE(s.recorder.waitDone(Link::cmdDumpRange, 20s));
        const auto took = Clock::now() - start;
        // Ended by the stall, long before a clock set by the range and the port would
        // (the whole memory at 38,400 baud: minutes).
        EXPECT_GE(took, real(int(Exchanges::MemoryReadStallMs)));
        EXPECT_LT(took, real(int(Exchanges::MemoryReadStallMs) + 4000));
        EXPECT_TRUE(s.recorder.Logs.contains(stalled));
        for (int i = 0; i < 64; ++i)
            ASSERT_EQ(s.link->MemImage(uint16_t(0x0A00 + i)), i) << i;
        if (c.complete) {
            EXPECT_EQ(s.recorder.eventArgs(Link::evDumpDone), QList<int32_t> { 1 << 16 });
        } else {
            EXPECT_TRUE(s.recorder.eventArgs(Link::evDumpDone).isEmpty());
            EXPECT_TRUE(s.recorder.Logs.contains(
                fillPlaceholders(Texts::text(Texts::LogOffsetRangeError), { "0000", "09FF" })));
            EXPECT_TRUE(s.recorder.Logs.contains(
                fillPlaceholders(Texts::text(Texts::LogOffsetRangeError), { "0A40", "FFEF" })));
            EXPECT_EQ(s.recorder.Logs.last(), Texts::text(Texts::LogDataErrors));
        }
        EXPECT_EQ(s.link->LinkMode(), Link::lmIdle);
        s.peer.stopStream();

        // Commands queued behind it run.
        ASSERT_TRUE(s.run(Link::cmdDisconnect));
    }
}

TEST(LinkStandIn, MemoryReadEndsOnCancelConnect)
{
    StandIn s(endlessMemory());
    s.link->post(Link::cmdDumpToFile, rows(0x000, 0xFFF));
    ASSERT_TRUE(s.recorder.waitFor(
        [&] { return s.recorder.eventArgs(Link::evDumpProgress).size() >= 3; }, 20s));
    // What the window's Disconnect does: the flag at once, the command queued.
    s.link->setCancelConnect(true);
    s.link->post(Link::cmdDisconnect);
    const auto cancelled = Clock::now();
    ASSERT_TRUE(s.recorder.waitDone(Link::cmdDumpToFile, 20s));
    EXPECT_LT(Clock::now() - cancelled, real(1000));
    EXPECT_TRUE(s.recorder.Logs.contains(Texts::text(Texts::LogMemoryReadCancelled)));
    EXPECT_FALSE(s.recorder.Logs.contains(Texts::text(Texts::LogDataCheck)));
    EXPECT_TRUE(s.recorder.eventArgs(Link::evDumpDone).isEmpty());
    ASSERT_TRUE(s.recorder.waitFor([&] { return s.recorder.Done.contains(Link::cmdDisconnect); }));
    EXPECT_FALSE(s.link->CancelConnect());
}

namespace {

// The beginning of the line of an adapter gone mid-exchange, before the device's name.
QString lostAdapter()
{
    return Texts::text(Texts::PortGone).section(QStringLiteral("%1"), 0, 0);
}

} // namespace

TEST(LinkStandIn, PulledCableEndsADumpWithTheMissingRangeAndAPortError)
{
    // Three blocks of the rows 0x1C0 to 0x1CC arrive, then the device is gone.
    StandIn s([](ScriptedPeer& peer, const QByteArray& line) {
        if (ScriptedPeer::answerHandshake(peer, line) || line == "cH")
            return;
        if (line == "lD")
            peer.send("D");
        else if (line == "cI")
            peer.send("I");
        else if (line.startsWith("a"))
            peer.send(memoryBlock(0x1BF0) + memoryBlock(0x1C30));
    });
    s.link->post(Link::cmdDumpToFile, rows(0x1C0, 0xFFF));
    ASSERT_TRUE(s.recorder.waitFor([&] { return s.link->MemMarks(0x1C7F) == 1; }, 20s));
    s.peer.hangUp();
    const auto pulled = Clock::now();
    ASSERT_TRUE(s.recorder.waitDone(Link::cmdDumpToFile, 20s));
    // Well before the 2 s of silence that end an intact read.
    EXPECT_LT(Clock::now() - pulled, real(1500));
    const QString range
        = fillPlaceholders(Texts::text(Texts::LogOffsetRangeError), { "1C80", "FFEF" });
    ASSERT_TRUE(s.recorder.Logs.contains(range));
    const qsizetype at = s.recorder.Logs.indexOf(range);
    // The lost adapter, told as what to do about it.
    EXPECT_TRUE(s.recorder.Logs.mid(at + 1, 1).value(0).startsWith(lostAdapter()))
        << qPrintable(s.recorder.Logs.mid(at + 1, 1).value(0));
    EXPECT_EQ(s.recorder.eventArgs(Link::evPortError), QList<int32_t> { Link::cmdDumpToFile });
    EXPECT_TRUE(s.recorder.eventArgs(Link::evDumpDone).isEmpty());

    // The thread goes on taking commands.
    s.recorder.clear();
    ASSERT_TRUE(s.run(Link::cmdDisconnect));
    EXPECT_EQ(s.recorder.eventArgs(Link::evDisconnected).size(), 1);
}

TEST(LinkStandIn, PulledCableDuringLiveDataIsReportedByTheStream)
{
    StandIn s([](ScriptedPeer& peer, const QByteArray& line) {
        if (ScriptedPeer::answerHandshake(peer, line) || line == "cH")
            return;
        if (line == "lP")
            peer.send("P");
        else if (line == "cE")
            peer.send("EE");
        else if (line == "cG")
            peer.stream([] { return ScriptedPeer::word(0x12, 0x123); }, 5ms);
    });
    ASSERT_TRUE(s.run(Link::cmdStartData));
    ASSERT_TRUE(s.recorder.waitFor([&] { return s.link->Slots(0x12) != 0; }, 5s));
    s.peer.hangUp();
    ASSERT_TRUE(
        s.recorder.waitFor([&] { return !s.recorder.eventArgs(Link::evPortError).isEmpty(); }, 5s));
    EXPECT_EQ(s.recorder.eventArgs(Link::evPortError), QList<int32_t> { Link::PortErrorStream });
    ASSERT_TRUE(s.recorder.waitFor(
        [&] {
            return !s.recorder.Logs.isEmpty() && s.recorder.Logs.last().startsWith(lostAdapter());
        },
        5s));
}
