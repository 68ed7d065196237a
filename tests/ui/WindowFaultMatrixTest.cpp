// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The window's exchanges under every fault a module or its line can show, with the
// simulator inside the process at a tenth of real time. Whatever the module does, the
// window's thread keeps turning (no pause long enough for a user to see the window
// freeze), every exchange ends, and once the fault is gone the window connects again.
#include "WindowTestSupport.h"
#include "link/LinkTypes.h"
#include "sim/Simulator.h"
#include "ui/LinkController.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The longest the window's thread may stand still by its own doing: a frame or so, far
// below the exchanges' own waits, which are seconds long even at a tenth of time.
constexpr qint64 MaxStallMs = 250;
// Time a single exchange may take here: the slowest (a handshake under a silent module,
// eleven searches) takes about 2.5 s at this scale.
constexpr int ExchangeMs = 20000;

struct Exchange {
    const char* Name;
    LinkCommand Command;
};

const Exchange Exchanges[] = {
    { "connect", LinkCommands::Connect { true } },
    { "live start", LinkCommands::StartData {} },
    { "live stop", LinkCommands::StopData {} },
    { "read codes", LinkCommands::FaultTest { 'B' } },
    { "self-test", LinkCommands::FaultTest { 'D' } },
    { "options read", LinkCommands::ReadOptions {} },
    { "reset", LinkCommands::ResetModule {} },
    { "calibration", LinkCommands::ReadCalibration {} },
};

// How long this thread has waited for a processor while it could run, in nanoseconds (0
// where the system does not tell).
qint64 runQueueWaitNs()
{
    QFile file(QStringLiteral("/proc/thread-self/schedstat"));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = file.readAll().split(' ');
    return fields.size() >= 2 ? fields[1].toLongLong() : 0;
}

// The largest gap between the turns of the window's event loop while it lives, without the
// time its thread waited for a processor: on a machine loaded by other programs the thread
// is not the cause of that, while work, a lock or a sleep on it is.
class StallWatch {
public:
    StallWatch()
    {
        m_clock.start();
        m_waited = runQueueWaitNs();
        QObject::connect(&m_tick, &QTimer::timeout, [this] {
            const qint64 waited = runQueueWaitNs();
            const qint64 stood = m_clock.nsecsElapsed() - (waited - m_waited);
            m_longest = std::max(m_longest, stood / 1000000);
            m_clock.restart();
            m_waited = waited;
        });
        m_tick.start(5);
    }
    qint64 longestMs() const { return m_longest; }

private:
    QTimer m_tick;
    QElapsedTimer m_clock;
    qint64 m_waited = 0;
    qint64 m_longest = 0;
};

class WindowFaultMatrix : public ::testing::TestWithParam<SimFault> { };

} // namespace

TEST_P(WindowFaultMatrix, WindowKeepsTurningEveryExchangeEndsAndTheLinkComesBack)
{
    WindowHarness h;
    h.writeFile("reader.ini", "[Main]\nComPortName=sim\nAutoConnect=0\nAutoReconnect=0\n");
    const SimFault fault = GetParam();
    TfrmVeskorReader& window = h.open([fault](SimConfig& c) { c.Faults.set(fault); });
    LinkController& link = window.link();
    QList<quint8> done;
    QObject::connect(
        &link.session(), &LinkSession::commandDone, [&done](quint8 code) { done.append(code); });
    bool connected = false;
    QObject::connect(&link.session(), &LinkSession::report, [&connected](const LinkReport& r) {
        connected = connected || r.Type == LinkReport::Connected;
    });

    for (const Exchange& exchange : Exchanges) {
        SCOPED_TRACE(exchange.Name);
        StallWatch watch;
        done.clear();
        link.send(exchange.Command);
        EXPECT_TRUE(
            waitUntil([&] { return done.contains(quint8(LinkCommands::code(exchange.Command))); },
                ExchangeMs))
            << "the exchange did not end";
        EXPECT_LT(watch.longestMs(), MaxStallMs) << "the window stood still";
    }

    // The fault is gone: the next connection finds the module.
    link.session().simulator()->setFaults(SimFaults());
    connected = false;
    done.clear();
    link.send(LinkCommands::Connect { true });
    ASSERT_TRUE(waitUntil([&] { return done.contains(quint8(Link::cmdConnect)); }, ExchangeMs));
    EXPECT_TRUE(connected);
    h.close();
}

namespace {

const SimFault Faults[]
    = { SimFault::Silent, SimFault::ShortReplies, SimFault::WrongReplies, SimFault::Noise,
          SimFault::DropBytes, SimFault::FlipBits, SimFault::StreamStops, SimFault::BadCheck };
const char* const FaultNames[] = { "Silent", "ShortReplies", "WrongReplies", "Noise", "DropBytes",
    "FlipBits", "StreamStops", "BadCheck" };

std::string faultName(const ::testing::TestParamInfo<SimFault>& info)
{
    return FaultNames[info.index];
}

} // namespace

INSTANTIATE_TEST_SUITE_P(Faults, WindowFaultMatrix, ::testing::ValuesIn(Faults), faultName);
