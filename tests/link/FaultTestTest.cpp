// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "ExchangeTestSupport.h"
#include "common/WordPacket.h"
#include "link/FaultCodeList.h"
#include "link/serial/PosixSerialPort.h"

#include <array>
#include <gtest/gtest.h>
#include <thread>

namespace {

using namespace std::chrono_literals;
using SteadyClock = std::chrono::steady_clock;

SimConfig withCodes(QList<int> stored, uint32_t selfTestMs = SimDefaults::SelfTestMs)
{
    SimConfig config;
    config.StoredCodes = std::move(stored);
    config.SelfTestMs = selfTestMs;
    return config;
}

QStringList faultList(const TCommThread& link)
{
    return FaultCodeList::entries([&link](uint8_t slot) { return link.Slots(slot); });
}

// Runs the fault test and returns how long it took, in milliseconds of the link's clock.
double timedTest(LinkHarness& h, char letter, double scale)
{
    const auto start = SteadyClock::now();
    EXPECT_TRUE(h.run(Link::cmdFaultTest, letter));
    return std::chrono::duration<double, std::milli>(SteadyClock::now() - start).count() / scale;
}

// A slot table for the pure list rule.
struct SlotTable {
    std::array<uint16_t, 256> words {};
    QStringList entries() const
    {
        return FaultCodeList::entries([this](uint8_t s) { return words[s]; });
    }
};

} // namespace

TEST(FaultCodeList, PositionsFromHighToLowThenFrames)
{
    SlotTable table;
    table.words[0x02] = WordPacket::encode(0x112);
    table.words[0x12] = WordPacket::encode(0x335);
    table.words[0x05] = WordPacket::encode(0x113);
    table.words[0x01] = WordPacket::encode(0x999); // position 1 carries no code
    table.words[0x0F] = WordPacket::encode(0x999); // nor does position 15
    EXPECT_EQ(table.entries(), (QStringList { "113", "112", "335" }));
    // Digits beyond 9 are listed as they came; a valid word of the value 0 is a code too.
    table.words[0x33] = WordPacket::encode(0x0A3);
    table.words[0x43] = WordPacket::encode(0);
    EXPECT_EQ(table.entries(), (QStringList { "113", "0A3", "000", "112", "335" }));
}

TEST(FaultCodeList, StatusWithoutTheReadyBitGives999)
{
    SlotTable table;
    table.words[0x02] = WordPacket::encode(0x112);
    table.words[FaultCodeList::StatusSlot] = 0xB010;
    EXPECT_EQ(table.entries(), QStringList { "999" });
    table.words[FaultCodeList::StatusSlot] = WordPacket::encode(0x050);
    EXPECT_EQ(table.entries(), QStringList { "112" });
}

TEST(LinkFaultTest, ReadListsTheStoredCodesInPageOrder)
{
    QList<int> stored = { 112, 335 };
    for (int code = 211; code < 211 + 20; ++code)
        stored << code; // more than 16: the second position's frames follow
    ExchangeHarness h(withCodes(stored));
    ASSERT_TRUE(h.run(Link::cmdFaultTest, 'B'));
    EXPECT_EQ(h.recorder.eventNames(), (QStringList { "evFaultTest 0", "evFaultTest 1" }));
    EXPECT_EQ(h.recorder.Logs,
        (QList<QString> { logLine(Texts::LogPortInit), logLine(Texts::LogPortOpen) }));
    EXPECT_EQ(h.sim->receivedLines(), commandLines({ "cB" }));
    QStringList expected;
    for (int code : stored)
        expected << QString::number(code);
    EXPECT_EQ(faultList(*h.link), expected);
    EXPECT_TRUE(h.link->Slots(FaultCodeList::StatusSlot) & FaultCodeList::StatusCodesReady);
    EXPECT_EQ(h.link->LinkMode(), Link::lmConnected);
    // The slots were cleared at the start: WM_LINK_SLOT (0, 0) comes before the words.
    ASSERT_FALSE(h.recorder.SlotPosts.isEmpty());
    EXPECT_EQ(h.recorder.SlotPosts.first().LParam, 0);
}

TEST(LinkFaultTest, ClearLeavesNothingToRead)
{
    ExchangeHarness h(withCodes({ 112 }));
    ASSERT_TRUE(h.run(Link::cmdFaultTest, 'C'));
    EXPECT_TRUE(faultList(*h.link).isEmpty());
    ASSERT_TRUE(h.run(Link::cmdFaultTest, 'B'));
    EXPECT_TRUE(faultList(*h.link).isEmpty());
    EXPECT_EQ(h.sim->receivedLines(), commandLines({ "cC", "cB" }));
}

TEST(LinkFaultTest, ReadEndsAtTheStatusWordOrAfterASecond)
{
    // Timed at half speed, so that a busy machine does not blur the 900 ms between them.
    constexpr double Scale = 0.5;
    ExchangeHarness h(withCodes({ 112 }), Scale);
    // The answer comes at once: one poll of 100 ms and the closing 500 ms.
    EXPECT_LT(timedTest(h, 'B', Scale), 1300);
    // Any other letter waits at most 1000 ms as well: "cE" is echoed (it prepares the PID
    // map), and no status word follows.
    const double took = timedTest(h, 'E', Scale);
    EXPECT_EQ(h.sim->receivedLines().last(), "cE");
    EXPECT_GE(took, 1500);
    EXPECT_LT(took, 2600);
}

TEST(LinkFaultTest, SelfTestWaitsForTheEcuWithinMaxTestTime)
{
    // KOER: the engine runs, the test's own codes only.
    SimConfig running = withCodes({ 112 }, 3000);
    running.TestCodes = { 211, 311 };
    ExchangeHarness h(running);
    h.link->setMaxTestTime(60);
    EXPECT_GE(timedTest(h, 'D', ExchangeScale), 3000);
    EXPECT_EQ(faultList(*h.link), (QStringList { "211", "311" }));

    // KOEO: the continuous-memory codes follow the test's.
    SimConfig keyOn = withCodes({ 112 }, 3000);
    keyOn.EngineRunning = false;
    ExchangeHarness off(keyOn);
    off.link->setMaxTestTime(60);
    ASSERT_TRUE(off.run(Link::cmdFaultTest, 'D'));
    EXPECT_EQ(faultList(*off.link), (QStringList { "111", "112" }));

    // A limit shorter than the test ends the wait with whatever came: nothing.
    ExchangeHarness limited(keyOn);
    limited.link->setMaxTestTime(1);
    EXPECT_LT(timedTest(limited, 'D', ExchangeScale), 2600);
    EXPECT_TRUE(faultList(*limited.link).isEmpty());
}

TEST(LinkFaultTest, LongerMaxTestTimeWaitsLonger)
{
    // A 70-second self-test outlasts the default 60 s but not 120 s.
    constexpr double Scale = 0.05;
    ExchangeHarness h(withCodes({}, 70000), Scale);
    h.link->setMaxTestTime(120);
    const double took = timedTest(h, 'D', Scale);
    EXPECT_GE(took, 70000);
    EXPECT_LT(took, 100000);
    EXPECT_EQ(faultList(*h.link), QStringList { "111" });
}

TEST(LinkFaultTest, StatusWithoutCodeListShows999)
{
    ExchangeHarness h(simWith({ SimFault::NoResult }, withCodes({ 112 })));
    ASSERT_TRUE(h.run(Link::cmdFaultTest, 'B'));
    EXPECT_EQ(faultList(*h.link), QStringList { "999" });
}

TEST(LinkFaultTest, WithoutAnswerTheExchangeStillEnds)
{
    ExchangeHarness h(simWith({ SimFault::Silent }));
    // No echo: no wait, only the closing 500 ms after the read's timeout.
    const double took = timedTest(h, 'B', ExchangeScale);
    EXPECT_LT(took, 1011 + 500 + 600);
    EXPECT_EQ(h.recorder.eventNames(), (QStringList { "evFaultTest 0", "evFaultTest 1" }));
    EXPECT_TRUE(faultList(*h.link).isEmpty());
    EXPECT_EQ(h.link->LinkMode(), Link::lmConnected);
}

TEST(LinkFaultTest, ClosedPortObjectGetsTheHandshakeFirst)
{
    ExchangeHarness h(withCodes({ 335 }));
    ASSERT_TRUE(h.run(Link::cmdConnect, 0));
    ASSERT_TRUE(h.run(Link::cmdFaultTest, 'B'));
    EXPECT_EQ(h.sim->receivedLines(), HandshakeLines + commandLines({ "cB" }));
    EXPECT_EQ(faultList(*h.link), QStringList { "335" });
    // The port stays open: the next test makes a fresh port without a handshake.
    ASSERT_TRUE(h.run(Link::cmdFaultTest, 'B'));
    EXPECT_EQ(h.sim->receivedLines().count("v"), 1);
}

namespace {

// A real port that refuses to open once told to.
class RefusingPort : public PosixSerialPort {
public:
    using PosixSerialPort::PosixSerialPort;
    void open() override
    {
        if (refuse)
            throw SerialError(QStringLiteral("open refused"));
        PosixSerialPort::open();
    }
    static inline std::atomic<bool> refuse { false };
};

} // namespace

TEST(LinkFaultTest, PortErrorStillEndsWithTheClosingEvent)
{
    ExchangeHarness h({}, ExchangeScale, [](const SerialConfig& config, ScaledClock& clock) {
        return std::make_unique<RefusingPort>(config, clock);
    });
    RefusingPort::refuse = true;
    ASSERT_TRUE(h.run(Link::cmdFaultTest, 'B'));
    RefusingPort::refuse = false;
    EXPECT_EQ(h.recorder.eventNames(),
        (QStringList { "evFaultTest 0", "evFaultTest 1", "evPortError 4" }));
    EXPECT_EQ(h.recorder.Logs.last(), logLine(Texts::LogPortError, { "open refused" }));
    EXPECT_EQ(h.link->LinkMode(), Link::lmConnected);
}

TEST(LinkFaultTest, RealSpeedRead)
{
    ExchangeHarness h(withCodes({ 112, 335 }), 1.0);
    ASSERT_TRUE(h.run(Link::cmdFaultTest, 'B'));
    EXPECT_EQ(faultList(*h.link), (QStringList { "112", "335" }));
}

TEST(LinkFaultTest, EveryEndSaysHowItEndedAndAnAnswerEndsTheWaitAtOnce)
{
    using O = Link::FaultTestOutcome;
    const struct {
        const char* what;
        SimConfig config;
        char letter;
        int maxTestTime;
        O outcome;
        double atLeastMs, belowMs;
    } cases[] = {
        { "codes read", withCodes({ 112 }), 'B', 60, O::ftoAnswered, 0, 1300 },
        { "no module", simWith({ SimFault::Silent }), 'B', 60, O::ftoNotTaken, 0, 2600 },
        // Taken, and then nothing: the read's second and the closing half second.
        { "ECU silent", simWith({ SimFault::EcuSilent }, withCodes({ 112 })), 'B', 60, O::ftoSilent,
            1000, 2600 },
        { "self-test without an answer", simWith({ SimFault::EcuSilent }), 'D', 3, O::ftoSilent,
            3000, 4600 },
        // "No result" is an answer: the minute of the limit is not waited out.
        { "self-test with no result", simWith({ SimFault::NoResult }, withCodes({}, 0)), 'D', 60,
            O::ftoAnswered, 0, 1300 },
    };
    for (const auto& c : cases) {
        ExchangeHarness h(c.config);
        h.link->setMaxTestTime(c.maxTestTime);
        const double took = timedTest(h, c.letter, ExchangeScale);
        EXPECT_EQ(h.link->faultTestOutcome(), c.outcome) << c.what;
        EXPECT_GE(took, c.atLeastMs) << c.what;
        EXPECT_LT(took, c.belowMs) << c.what;
        EXPECT_EQ(h.recorder.eventNames().last(), "evFaultTest 1") << c.what;
    }
}

TEST(LinkFaultTest, ACancelledSelfTestEndsAtOnceAndTheNextOneRunsWhole)
{
    ExchangeHarness h(withCodes({}, 20000));
    h.link->setMaxTestTime(60);
    std::thread canceller([&h] {
        std::this_thread::sleep_for(
            std::chrono::duration<double, std::milli>(2000 * ExchangeScale));
        h.link->cancelFaultTest();
    });
    const double took = timedTest(h, 'D', ExchangeScale);
    canceller.join();
    EXPECT_EQ(h.link->faultTestOutcome(), Link::ftoCancelled);
    EXPECT_LT(took, 5000);
    EXPECT_TRUE(faultList(*h.link).isEmpty());
    // The cancel does not outlive its test.
    ExchangeHarness quick(withCodes({}, 500));
    quick.link->cancelFaultTest();
    quick.link->setMaxTestTime(60);
    timedTest(quick, 'D', ExchangeScale);
    EXPECT_EQ(quick.link->faultTestOutcome(), Link::ftoAnswered);
    EXPECT_EQ(faultList(*quick.link), QStringList { "111" });
}
