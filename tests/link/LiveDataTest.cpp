// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "ExchangeTestSupport.h"
#include "sim/SimEngine.h"
#include "store/TFordData.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

const QList<QString> StartLogs(const QString& table)
{
    return { logLine(Texts::LogDataCommand, { table }), logLine(Texts::LogPidMapInit, { table }),
        logLine(Texts::LogDataStart) };
}

bool sameMap(TFordData& store, char table)
{
    TFordData reference;
    reference.SelectTable(table);
    for (int i = 0; i < 64; ++i)
        if (store.PidMap(i) != reference.PidMap(i))
            return false;
    return true;
}

} // namespace

TEST(LinkLiveData, StartStreamsTheTableAndStopClearsTheSlots)
{
    ExchangeHarness h;
    h.link->DataManager().PidLimits(1).RecordHistory = true;
    ASSERT_TRUE(h.run(Link::cmdStartData));
    EXPECT_EQ(h.link->LinkMode(), Link::lmLiveData);
    // No port object: a fresh one first, then the handshake inside the stop step.
    EXPECT_EQ(h.recorder.Logs,
        QList<QString>({ logLine(Texts::LogPortInit), logLine(Texts::LogPortInit),
            logLine(Texts::LogPortOpening), logLine(Texts::LogDataStop) })
            + StartLogs("P"));
    ASSERT_TRUE(waitReceived(h, "cG"));
    EXPECT_EQ(h.sim->receivedLines(), HandshakeLines + commandLines({ "z", "lP", "cE", "cG" }));
    ASSERT_TRUE(waitForSlot(h, 0xF5));
    ASSERT_TRUE(h.recorder.waitFor([&] { return h.link->DataManager().BlockCount(1) > 0; }));
    // Table P puts engine speed (PID 1) in frame 0, position 2; the engine has started.
    const float rpm = TFordData::ConvertValue(1, h.link->Slots(0x02));
    EXPECT_GT(rpm, 500);
    EXPECT_LT(rpm, 7000);
    EXPECT_EQ(h.link->DataManager().BlockCount(0x11), 0) << "only PIDs that record keep history";

    h.recorder.clear();
    ASSERT_TRUE(h.run(Link::cmdStopData));
    EXPECT_EQ(h.link->LinkMode(), Link::lmConnected);
    for (int s = 0; s < 256; ++s)
        ASSERT_EQ(h.link->Slots(uint8_t(s)), 0) << s;
    ASSERT_FALSE(h.recorder.SlotPosts.isEmpty());
    EXPECT_EQ(h.recorder.SlotPosts.last().WParam, 0u);
    EXPECT_EQ(h.recorder.SlotPosts.last().LParam, 0);
    EXPECT_EQ(h.sim->receivedLines().last(), "z");
    // The open streaming port was replaced without a handshake and left closed: the next
    // stop needs one.
    EXPECT_EQ(h.recorder.Logs,
        QList<QString>({ logLine(Texts::LogPortInit), logLine(Texts::LogDataStop) }));
    h.recorder.clear();
    ASSERT_TRUE(h.run(Link::cmdStopData));
    EXPECT_TRUE(h.recorder.eventNames().contains("evConnected 1"));
}

TEST(LinkLiveData, TableLetterGoesToTheModuleAndToTheStore)
{
    ExchangeHarness h;
    h.link->SetTable('T');
    EXPECT_TRUE(sameMap(h.link->DataManager(), 'T'));
    ASSERT_TRUE(h.run(Link::cmdStartData));
    EXPECT_TRUE(h.sim->receivedLines().contains("lT"));
    EXPECT_EQ(h.link->LinkMode(), Link::lmLiveData);
    // Table T starts with PID 0x0A, which no sensor of the engine model stands for.
    ASSERT_TRUE(waitForSlot(h, 0x02));

    // A letter the store does not know is still sent; the module refuses it.
    h.link->SetTable('X');
    EXPECT_EQ(h.link->Table(), 'X');
    EXPECT_TRUE(sameMap(h.link->DataManager(), 'T'));
    h.recorder.clear();
    ASSERT_TRUE(h.run(Link::cmdStartData));
    EXPECT_EQ(h.sim->receivedLines().last(), "lX");
    EXPECT_EQ(h.recorder.Logs.last(), logLine(Texts::LogDataCommand, { "X" }));
    EXPECT_EQ(h.link->LinkMode(), Link::lmConnected);
}

TEST(LinkLiveData, RefusedTableOrPreparationEndsTheStartQuietly)
{
    struct Case {
        SimFault fault;
        const char* lastLine;
        QString lastLog;
    };
    for (const Case& c :
        { Case { SimFault::TableRefused, "lP", logLine(Texts::LogDataCommand, { "P" }) },
            Case { SimFault::NoAck, "cE", logLine(Texts::LogPidMapInit, { "P" }) },
            // 'E' alone is not enough: the module must send one more byte.
            Case { SimFault::ShortAck, "cE", logLine(Texts::LogPidMapInit, { "P" }) } }) {
        ExchangeHarness h(simWith({ c.fault }));
        ASSERT_TRUE(h.run(Link::cmdStartData));
        EXPECT_EQ(h.sim->receivedLines().last(), c.lastLine);
        EXPECT_EQ(h.recorder.Logs.last(), c.lastLog);
        EXPECT_EQ(h.link->LinkMode(), Link::lmConnected);
        EXPECT_TRUE(h.recorder.Events.size() == 4)
            << h.recorder.eventNames().join(", ").toStdString();
    }
}

TEST(LinkLiveData, EveryStartHasExactlyOneHandshake)
{
    ExchangeHarness h;
    // An open port (after a handshake): the start makes a fresh one and the stop step
    // performs the handshake.
    ASSERT_TRUE(h.run(Link::cmdConnect, 1));
    ASSERT_TRUE(h.run(Link::cmdStartData));
    EXPECT_EQ(h.sim->receivedLines().count("v"), 2);
    // Twice in a row: the second tears the stream down, stops it and streams again.
    ASSERT_TRUE(waitForSlot(h, 0x12));
    ASSERT_TRUE(h.run(Link::cmdStartData));
    ASSERT_TRUE(waitReceived(h, "cG", 2));
    EXPECT_EQ(h.sim->receivedLines().count("v"), 3);
    EXPECT_EQ(h.sim->receivedLines().mid(h.sim->receivedLines().lastIndexOf("v") - 1),
        commandLines({ "z", "v", "m", "cH", "z", "lP", "cE", "cG" }));
    EXPECT_EQ(h.link->LinkMode(), Link::lmLiveData);
    // A closed port object (cmdConnect 0): the handshake comes first, not in the stop step.
    ASSERT_TRUE(h.run(Link::cmdConnect, 0));
    ASSERT_TRUE(h.run(Link::cmdStartData));
    EXPECT_EQ(h.sim->receivedLines().count("v"), 4);
}

TEST(LinkLiveData, WithoutAModuleTheTableIsStillAsked)
{
    // Eleven searches that time out: faster than the other exchange tests.
    ExchangeHarness h(simWith({ SimFault::Silent }), LinkHarness::FastScale);
    ASSERT_TRUE(h.run(Link::cmdStartData));
    EXPECT_TRUE(h.recorder.eventNames().contains("evConnected 0"));
    EXPECT_EQ(h.recorder.Logs.last(), logLine(Texts::LogDataCommand, { "P" }));
    EXPECT_EQ(h.sim->receivedLines().last(), "lP");
    EXPECT_EQ(h.link->LinkMode(), Link::lmConnected);
}

TEST(LinkLiveData, AbortedHandshakeInTheStopStepDoesNotEndTheStart)
{
    ExchangeHarness h(simWith({ SimFault::Silent }));
    // No port object: the start's own preparation needs no handshake, so the abort hits
    // the stop step's handshake after its first attempt.
    h.link->setCancelConnect(true);
    ASSERT_TRUE(h.run(Link::cmdStartData));
    EXPECT_EQ(h.recorder.eventNames(), QStringList { "evSearching 0" });
    EXPECT_EQ(h.sim->receivedLines(), commandLines({ "z", "lP" }));
    // With a closed port object the abort hits the start's own handshake and ends it.
    ASSERT_TRUE(h.run(Link::cmdConnect, 0));
    h.recorder.clear();
    ASSERT_TRUE(h.run(Link::cmdStartData));
    EXPECT_EQ(h.sim->receivedLines(), commandLines({ "z", "lP", "z" }));
}

TEST(LinkLiveData, PortErrorInTheStopStepEndsTheStart)
{
    ExchangeHarness h;
    h.settings.setPortName("/dev/veskor-no-such-port");
    ASSERT_TRUE(h.run(Link::cmdConnect, 0));
    h.recorder.clear();
    ASSERT_TRUE(h.run(Link::cmdStartData));
    EXPECT_EQ(h.recorder.eventNames(), QStringList { "evConnected 0" });
    EXPECT_EQ(h.recorder.Logs.size(), 3);
    EXPECT_TRUE(h.recorder.Logs.last().contains("veskor-no-such-port"));
    EXPECT_TRUE(h.sim->receivedLines().isEmpty());
    // The next command finds no port object and the link goes on.
    h.settings.setPortName(h.sim->portPath());
    ASSERT_TRUE(h.run(Link::cmdStartData));
    EXPECT_EQ(h.link->LinkMode(), Link::lmLiveData);
}

TEST(LinkLiveData, StreamThatStopsEarlyLeavesTheLinkStreaming)
{
    SimConfig config = simWith({ SimFault::StreamStops });
    config.StreamStopMs = 300;
    ExchangeHarness h(config);
    ASSERT_TRUE(h.run(Link::cmdStartData));
    ASSERT_TRUE(waitForSlot(h, 0xF5));
    // Ten times the stream's life later it has long ended; then nothing more comes.
    h.recorder.waitFor([] { return false; }, 300ms);
    const int words = validWords(h.recorder);
    h.recorder.waitFor([] { return false; }, 200ms);
    EXPECT_EQ(validWords(h.recorder), words) << "the ECU fell silent";
    EXPECT_EQ(h.link->LinkMode(), Link::lmLiveData);
    ASSERT_TRUE(h.run(Link::cmdStopData));
    EXPECT_EQ(h.link->LinkMode(), Link::lmConnected);
}

// Real speed at 115,200 baud: the stream keeps pace and no word is lost on the way.
TEST(LinkLiveData, RealSpeedStreamLosesNoWord)
{
    SimConfig config = simWith({ SimFault::NoEcu, SimFault::StreamStops });
    config.Baud = 115200;
    config.StreamStopMs = 2000;
    ExchangeHarness h(config, 1.0);
    ASSERT_TRUE(h.run(Link::cmdStartData));
    ASSERT_EQ(h.link->LinkMode(), Link::lmLiveData);
    // The stream ends by itself; then every word it sent has been decoded.
    ASSERT_TRUE(h.recorder.waitFor(
        [&] {
            return h.sim->wordsStreamed() > 0
                && uint64_t(validWords(h.recorder)) == h.sim->wordsStreamed();
        },
        10s))
        << h.sim->wordsStreamed() << " sent, " << validWords(h.recorder) << " decoded";
    EXPECT_GT(h.sim->wordsStreamed(), 4000u); // about 2,880 a second
    ASSERT_TRUE(h.run(Link::cmdStopData));
}
