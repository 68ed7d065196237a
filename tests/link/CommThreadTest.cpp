// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "LinkHarness.h"
#include "common/Texts.h"
#include "link/TTestSignal.h"
#include "link/exchanges/VersionReply.h"
#include "link/serial/PosixSerialPort.h"
#include "store/TFordData.h"

#include <QThread>
#include <chrono>
#include <cmath>
#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;
using SteadyClock = std::chrono::steady_clock;
using Names = QStringList;

SimConfig withFault(SimFault fault)
{
    SimConfig config;
    config.Faults.set(fault);
    return config;
}

QList<QByteArray> lines(std::initializer_list<const char*> texts)
{
    QList<QByteArray> result;
    for (const char* text : texts)
        result.append(text);
    return result;
}

const Names FullHandshake = { "evSearching 0", "evConnected 1", "evEcuLink 99", "evCalibration 0" };

} // namespace

TEST(LinkSettings, SpeedTextAndPortNameDefaults)
{
    EXPECT_EQ(TLinkSettings::baudFromText("115200"), 115200);
    EXPECT_EQ(TLinkSettings::baudFromText(" 38400 "), 38400);
    EXPECT_EQ(TLinkSettings::baudFromText("1200"), 9600);
    EXPECT_EQ(TLinkSettings::baudFromText("fast"), 9600);
    EXPECT_EQ(TLinkSettings::baudFromText(""), 9600);
    TLinkSettings settings;
    EXPECT_EQ(settings.portName(), "COM1");
    settings.setPortName("ttyUSB0");
    EXPECT_EQ(PosixSerialPort::devicePath(settings.portName()), "/dev/ttyUSB0");
}

TEST(VersionReply, DigitsAndIdentifier)
{
    auto parsed = VersionReply::parse("V123AB001");
    EXPECT_EQ(parsed.FirmwareVersion, 123);
    EXPECT_EQ(parsed.ModuleId, "AB001");
    parsed = VersionReply::parse(QByteArray("V45\0XYZ", 7));
    EXPECT_EQ(parsed.FirmwareVersion, 45);
    EXPECT_EQ(parsed.ModuleId, "");
    parsed = VersionReply::parse("V999ABCDEFGH");
    EXPECT_EQ(parsed.ModuleId, "ABCDE");
}

TEST(CommThread, ConnectPerformsTheWholeHandshake)
{
    LinkHarness h;
    ASSERT_TRUE(h.run(Link::cmdConnect, 1));
    EXPECT_EQ(h.recorder.eventNames(), FullHandshake);
    EXPECT_EQ(h.recorder.Logs,
        (QList<QString> { Texts::text(Texts::LogPortInit), Texts::text(Texts::LogPortOpening) }));
    EXPECT_EQ(h.link->FirmwareVersion(), 123);
    EXPECT_EQ(h.link->ModuleId(), "SIM01");
    EXPECT_EQ(h.link->Slots(0xB1) & 0xFF, 0x4B);
    EXPECT_EQ(h.link->Slots(0xA1) & 0xFF, 0xAA);
    EXPECT_EQ(h.link->LinkMode(), Link::lmConnected);
    EXPECT_EQ(h.sim->receivedLines(), lines({ "z", "v", "m", "cH" }));
}

TEST(CommThread, SecondConnectFindsTheModuleThroughTheRunningStream)
{
    LinkHarness h;
    ASSERT_TRUE(h.run(Link::cmdConnect, 1));
    h.recorder.clear();
    ASSERT_TRUE(h.run(Link::cmdConnect, 1));
    EXPECT_TRUE(h.recorder.eventNames().contains("evConnected 1"));
    EXPECT_TRUE(h.recorder.eventNames().contains("evCalibration 0"));
}

TEST(CommThread, NoModuleGivesElevenSearchesThenNotConnected)
{
    LinkHarness h(withFault(SimFault::Silent));
    ASSERT_TRUE(h.run(Link::cmdConnect, 1));
    Names expected;
    for (int k = 0; k <= 10; ++k)
        expected << QStringLiteral("evSearching %1").arg(k);
    expected << "evConnected 0";
    EXPECT_EQ(h.recorder.eventNames(), expected);
    EXPECT_EQ(h.link->LinkMode(), Link::lmIdle);
}

TEST(CommThread, AnswerAtTheEleventhAttemptCountsAsFound)
{
    SimConfig config;
    config.IgnoredSearches = 10;
    LinkHarness h(config);
    ASSERT_TRUE(h.run(Link::cmdConnect, 1));
    EXPECT_EQ(h.recorder.eventArgs(Link::evSearching).size(), 11);
    EXPECT_EQ(h.recorder.eventArgs(Link::evConnected), QList<int32_t> { 1 });
}

TEST(CommThread, VersionRepliesOfFourToNineBytes)
{
    struct Case {
        const char* reply;
        float version;
        const char* id;
    };
    for (const Case& c :
        { Case { "V123AB001", 123, "AB001" }, Case { "V120", 120, "" }, Case { "V1x2", 0, "" } }) {
        SimConfig config;
        config.VersionReply = c.reply;
        LinkHarness h(config);
        ASSERT_TRUE(h.run(Link::cmdConnect, 1));
        EXPECT_EQ(h.recorder.eventArgs(Link::evConnected), QList<int32_t> { 1 })
            << c.reply << " " << h.recorder.Logs.join("|").toStdString();
        EXPECT_EQ(h.link->FirmwareVersion(), c.version) << c.reply;
        EXPECT_EQ(h.link->ModuleId(), c.id) << c.reply;
    }
}

TEST(CommThread, ShortVersionReplyEndsTheHandshakeWithoutEvent)
{
    LinkHarness h(withFault(SimFault::ShortVersion));
    ASSERT_TRUE(h.run(Link::cmdConnect, 1));
    EXPECT_EQ(h.recorder.eventNames(), Names { "evSearching 0" });
    EXPECT_EQ(h.sim->receivedLines(), lines({ "z", "v" }));
    EXPECT_EQ(h.link->LinkMode(), Link::lmIdle);
}

TEST(CommThread, EcuNotLinkedSkipsTheCalibrationStep)
{
    LinkHarness h(withFault(SimFault::NoEcu));
    ASSERT_TRUE(h.run(Link::cmdConnect, 1));
    EXPECT_EQ(
        h.recorder.eventNames(), (Names { "evSearching 0", "evConnected 1", "evEcuLink 101" }));
    EXPECT_EQ(h.sim->receivedLines(), lines({ "z", "v", "m" }));
    EXPECT_EQ(h.link->LinkMode(), Link::lmIdle);
}

TEST(CommThread, ConnectWithoutOpenMakesAClosedPortAndSendsNothing)
{
    LinkHarness h;
    ASSERT_TRUE(h.run(Link::cmdConnect, 0));
    EXPECT_TRUE(h.recorder.Events.isEmpty());
    EXPECT_EQ(h.recorder.Logs, QList<QString> { Texts::text(Texts::LogPortInit) });
    EXPECT_TRUE(h.sim->receivedLines().isEmpty());
    // The closed port object stays: Disconnect reports that it closed nothing.
    ASSERT_TRUE(h.run(Link::cmdDisconnect));
    EXPECT_EQ(h.recorder.eventNames(), Names { "evDisconnected 0" });
}

TEST(CommThread, DisconnectClosesAnOpenPortOnce)
{
    LinkHarness h;
    ASSERT_TRUE(h.run(Link::cmdConnect, 1));
    h.recorder.clear();
    ASSERT_TRUE(h.run(Link::cmdDisconnect));
    ASSERT_TRUE(h.run(Link::cmdDisconnect));
    EXPECT_EQ(h.recorder.eventNames(), (Names { "evDisconnected 1", "evDisconnected 0" }));
}

TEST(CommThread, DisconnectDuringTheSearchEndsTheHandshake)
{
    LinkHarness h(withFault(SimFault::Silent));
    h.link->post(Link::cmdConnect, 1);
    ASSERT_TRUE(h.recorder.waitFor([&] { return !h.recorder.Events.isEmpty(); }));
    h.link->setCancelConnect(true);
    h.link->post(Link::cmdDisconnect);
    ASSERT_TRUE(h.recorder.waitDone(Link::cmdDisconnect));
    EXPECT_TRUE(h.recorder.eventArgs(Link::evConnected).isEmpty());
    EXPECT_LE(h.recorder.eventArgs(Link::evSearching).size(), 2);
    EXPECT_EQ(h.recorder.eventArgs(Link::evDisconnected), QList<int32_t> { 1 });
    EXPECT_FALSE(h.link->CancelConnect());
}

TEST(CommThread, CancelledFlagStopsAQueuedHandshakeAfterItsFirstAttempt)
{
    LinkHarness h(withFault(SimFault::Silent));
    h.link->setCancelConnect(true);
    ASSERT_TRUE(h.run(Link::cmdConnect, 1));
    EXPECT_EQ(h.recorder.eventNames(), Names { "evSearching 0" });
}

TEST(CommThread, UnknownCodesAndOtherMessagesDoNothing)
{
    LinkHarness h;
    for (uint32_t code : { 8u, 12u, 100u, 199u, 201u, 255u, 0x1200u + 199u })
        ASSERT_TRUE(h.run(uint8_t(code))) << code;
    h.link->postMessage(1234, Link::cmdConnect, 1);
    ASSERT_TRUE(h.run(8));
    EXPECT_TRUE(h.recorder.Events.isEmpty());
    EXPECT_TRUE(h.recorder.Logs.isEmpty());
    EXPECT_TRUE(h.sim->receivedLines().isEmpty());
    ASSERT_TRUE(h.run(Link::cmdConnect, 1));
    EXPECT_EQ(h.recorder.eventNames(), FullHandshake);
}

TEST(CommThread, TestSignalFeedsPid255UntilSwitchedOff)
{
    LinkHarness h;
    LinkRecorder panel;
    h.link->setTestSignalPanel(&panel);
    ASSERT_TRUE(h.run(Link::cmdToggleTestSignal));
    ASSERT_TRUE(h.recorder.waitFor([&] { return panel.Panel.size() >= 3; }));
    EXPECT_TRUE(h.link->testSignalActive());
    const RecordedMessage first = panel.Panel.first();
    EXPECT_EQ(first.Message, Msg::WM_PID_CHANGED);
    EXPECT_EQ(first.WParam, 255u);
    EXPECT_EQ(first.LParam, 0);
    ASSERT_GE(h.link->DataManager().BlockCount(255), 1);
    const uint16_t v = h.link->DataManager().Block(255, 0).Values[0];
    EXPECT_GE(v, TTestSignal::value(0, 0));
    EXPECT_LE(v, TTestSignal::value(0, 39));

    ASSERT_TRUE(h.run(Link::cmdToggleTestSignal));
    ASSERT_TRUE(h.recorder.waitFor([&] { return !h.link->testSignalActive(); }));
    const qsizetype seen = panel.Panel.size();
    h.recorder.waitFor([] { return false; }, 50ms);
    EXPECT_EQ(panel.Panel.size(), seen);
}

TEST(TestSignal, WaveRepeatsEveryThirtyOneSteps)
{
    EXPECT_EQ(TTestSignal::value(0, 0), 80);
    // cos(1) sin(1) 300 = 136.4, truncated 136; + 15 + 80.
    EXPECT_EQ(TTestSignal::value(1, 0), 231);
    EXPECT_EQ(TTestSignal::value(30, 39),
        uint16_t(int(std::cos(30.0) * std::sin(30.0) * 300) + 450 + 80 + 39));
}

TEST(CommThread, PortErrorIsLoggedAndThePortObjectReleased)
{
    LinkHarness h;
    h.settings.setPortName("/dev/veskor-no-such-port");
    ASSERT_TRUE(h.run(Link::cmdConnect, 1));
    EXPECT_EQ(h.recorder.eventNames(), Names { "evConnected 0" });
    ASSERT_EQ(h.recorder.Logs.size(), 3);
    // What to do comes first, the system's words after it.
    EXPECT_TRUE(h.recorder.Logs[2].startsWith(
        Texts::text(Texts::PortNotFound).arg("/dev/veskor-no-such-port") + ". Подробности: "))
        << qPrintable(h.recorder.Logs[2]);
    EXPECT_TRUE(h.recorder.Logs[2].contains("(open): "));
    ASSERT_TRUE(h.run(Link::cmdDisconnect));
    EXPECT_EQ(h.recorder.eventArgs(Link::evDisconnected), QList<int32_t> { 0 });

    h.recorder.clear();
    h.settings.setPortName(h.sim->portPath());
    ASSERT_TRUE(h.run(Link::cmdConnect, 1));
    EXPECT_EQ(h.recorder.eventNames(), FullHandshake);
}

namespace {

// A real port whose close fails, to raise a port error inside an exchange.
class FailingClosePort : public PosixSerialPort {
public:
    using PosixSerialPort::PosixSerialPort;
    void close() override
    {
        if (isOpen() && failing)
            throw SerialError(QStringLiteral("close failed"));
        PosixSerialPort::close();
    }
    bool failing = true;
};

} // namespace

TEST(CommThread, PortErrorInsideAnExchangeEndsItAndTheThreadGoesOn)
{
    LinkHarness h({}, LinkHarness::FastScale, [](const SerialConfig& config, ScaledClock& clock) {
        return std::make_unique<FailingClosePort>(config, clock);
    });
    ASSERT_TRUE(h.run(Link::cmdConnect, 1));
    h.recorder.clear();
    ASSERT_TRUE(h.run(Link::cmdDisconnect));
    // A front end learns of the failure from evPortError with the command's code.
    EXPECT_EQ(h.recorder.eventNames(), Names { "evPortError 10" });
    EXPECT_EQ(h.recorder.Logs,
        QList<QString> { QString(Texts::text(Texts::LogPortError)).replace("%s", "close failed") });
    h.recorder.clear();
    ASSERT_TRUE(h.run(Link::cmdConnect, 1));
    EXPECT_EQ(h.recorder.eventNames(), FullHandshake);
}

TEST(CommThread, BluetoothDelayLengthensThePortSetUp)
{
    LinkHarness h;
    auto timeConnectWithoutOpen = [&] {
        const auto start = SteadyClock::now();
        EXPECT_TRUE(h.run(Link::cmdConnect, 0));
        return SteadyClock::now() - start;
    };
    EXPECT_LT(timeConnectWithoutOpen(), 95ms);
    h.settings.setBluetoothDelay(true);
    EXPECT_GE(timeConnectWithoutOpen(), 100ms); // 1000 ms at the scale 0.1
}

TEST(CommThread, DestroyingDoesNotWaitForAnUntakenLogLine)
{
    LinkRecorder neverServed;
    TLinkSettings settings;
    settings.setPortName("/dev/veskor-no-such-port");
    auto link
        = std::make_unique<TCommThread>(&neverServed, settings, TCommThread::Options { 0.05, {} });
    link->post(Link::cmdConnect, 1);
    QThread::msleep(50); // the link now waits in its first log line
    const auto start = SteadyClock::now();
    link.reset();
    EXPECT_LT(SteadyClock::now() - start, 1s);
}

TEST(CommThread, DestroyingCutsARealTimeSearchShort)
{
    LinkHarness h(withFault(SimFault::Silent), 1.0);
    h.link->post(Link::cmdConnect, 1);
    ASSERT_TRUE(h.recorder.waitFor([&] { return !h.recorder.Events.isEmpty(); }));
    const auto start = SteadyClock::now();
    h.link.reset();
    EXPECT_LT(SteadyClock::now() - start, 1s);
}

TEST(CommThread, ConnectAtRealTiming)
{
    LinkHarness h({}, 1.0);
    ASSERT_TRUE(h.run(Link::cmdConnect, 1));
    EXPECT_EQ(h.recorder.eventNames(), FullHandshake);
    EXPECT_EQ(h.link->LinkMode(), Link::lmConnected);
}
