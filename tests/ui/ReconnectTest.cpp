// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The adapter unplugged mid-stream and plugged in again: the window says so at once, tries
// again and resumes the stream with the same car; Disconnect ends the attempts.
#include "WindowTestSupport.h"
#include "common/Placeholders.h"
#include "common/Texts.h"
#include "link/TCommThread.h"
#include "profiles/TFordTrend.h"
#include "sim/Simulator.h"
#include "store/TFordData.h"
#include "ui/GlowLabel.h"
#include "ui/LinkController.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QTabWidget>
#include <cstring>
#include <gtest/gtest.h>

namespace {

bool connected(WindowHarness& h)
{
    return h.find<GlowLabel>("laWorkmode")->text() == Texts::text(Texts::ModeExchange);
}

// The window connected to the simulator through a path that outlives the pty, as a USB
// adapter's device name does, with live data streaming from table P; counts live words.
void streamOnAdapterPath(WindowHarness& h, int& liveWords, const QByteArray& settings = {})
{
    h.writeFile("reader.ini", "[Main]\nComPortName=sim\nComPortSpeed=2\n" + settings);
    h.open();
    LinkController& link = h.window().link();
    GlowLabel* status = h.find<GlowLabel>("laReconnect");
    ASSERT_TRUE(status);
    EXPECT_FALSE(status->isVisibleTo(&h.window()));
    ASSERT_TRUE(waitUntil([&] { return connected(h); }));
    Simulator* sim = link.session().simulator();
    ASSERT_TRUE(sim);
    const QString port = h.path("ttyADAPTER");
    sim->createLink(port);
    h.find<QComboBox>("cbPort")->setEditText(port);
    h.find<QAction>("acConnect")->trigger();
    ASSERT_TRUE(
        waitUntil([&] { return h.find<QAction>("acConnect")->isEnabled() && connected(h); }));
    ASSERT_EQ(link.reconnector().expectedCode(), QStringLiteral("4BAA"));
    QObject::connect(
        &link.session(), &LinkSession::words, &link, [&liveWords](const Link::WordBatch& batch) {
            for (const Link::StreamWord& w : batch)
                liveWords += w.live() ? 1 : 0;
        });
    link.send(LinkCommands::StartData { 'P' });
}

// The samples of a PID's history: their times, oldest first.
std::vector<uint32_t> sampleTimes(const TFordData& store, uint8_t pid)
{
    std::vector<uint32_t> times;
    store.ForEachSample(
        pid, 0, [&](uint32_t t, int32_t, uint16_t, int, uint8_t) { times.push_back(t); },
        UINT32_MAX, INT32_MIN);
    return times;
}

bool sameBlock(const THistoryBlock& a, const THistoryBlock& b)
{
    return a.TSBegin == b.TSBegin && a.TSLast == b.TSLast && a.Idx == b.Idx
        && std::memcmp(a.Values.data(), b.Values.data(), sizeof(uint16_t) * a.Idx) == 0;
}

} // namespace

TEST(Reconnect, StreamComesBackAfterTheAdapterReturnsAndDisconnectStopsTheAttempts)
{
    int liveWords = 0;
    WindowHarness h;
    ASSERT_NO_FATAL_FAILURE(streamOnAdapterPath(h, liveWords));
    LinkController& link = h.window().link();
    Simulator* sim = link.session().simulator();
    GlowLabel* status = h.find<GlowLabel>("laReconnect");
    ASSERT_TRUE(waitUntil([&] { return liveWords > 20; }));
    // A curve records the first PID of the table: its history must outlive the drop.
    TFordData& store = link.session().store();
    const uint8_t pid = store.PidMap(0);
    store.PidLimits(pid).RecordHistory = true;
    ASSERT_TRUE(waitUntil([&] { return store.BlockCount(pid) > 0; }));
    const uint32_t firstSample = store.FirstSampleTime(pid);

    sim->dropPort();
    const QString lost = Texts::text(Texts::ReconnectLost);
    ASSERT_TRUE(waitUntil([&] { return status->text().startsWith(lost); }, 3000))
        << qPrintable(status->text());
    EXPECT_TRUE(status->isVisibleTo(&h.window()));
    EXPECT_EQ(status->glow(), Glow::Red);
    // Failed attempts while the adapter is away: the pauses grow.
    ASSERT_TRUE(waitUntil([&] { return link.reconnector().attempts() >= 2; }, 5000));

    sim->restorePort();
    ASSERT_TRUE(
        waitUntil([&] { return status->text() == Texts::text(Texts::ReconnectResumed); }, 10000))
        << qPrintable(status->text());
    EXPECT_EQ(link.reconnector().expectedCode(), QStringLiteral("4BAA"));
    EXPECT_EQ(link.session().table(), 'P');
    const int before = liveWords;
    ASSERT_TRUE(waitUntil([&] { return liveWords > before + 20; })) << "the stream resumed";
    const uint32_t resumedAt = store.now();
    ASSERT_TRUE(waitUntil([&] { return store.LastSampleTime(pid) > resumedAt; }));
    EXPECT_EQ(store.FirstSampleTime(pid), firstSample) << "what was recorded is kept";

    // Lost again, then Disconnect: no more attempts, even once the adapter is back.
    sim->dropPort();
    ASSERT_TRUE(waitUntil([&] { return status->text().startsWith(lost); }, 3000));
    h.find<QAction>("acDisconnect")->trigger();
    EXPECT_EQ(link.reconnector().state(), Reconnector::State::Idle);
    EXPECT_FALSE(status->isVisibleTo(&h.window()));
    sim->restorePort();
    const int attempts = link.reconnector().attempts();
    const qsizetype lines = sim->receivedLines().size();
    waitUntil([] { return false; }, 1500);
    EXPECT_EQ(link.reconnector().attempts(), attempts);
    EXPECT_EQ(link.reconnector().state(), Reconnector::State::Idle);
    EXPECT_EQ(sim->receivedLines().size(), lines) << "nothing was sent to the adapter";
}

TEST(Reconnect, AnotherCarBehindTheAdapterIsNotResumed)
{
    int liveWords = 0;
    WindowHarness h;
    ASSERT_NO_FATAL_FAILURE(streamOnAdapterPath(h, liveWords));
    LinkController& link = h.window().link();
    Simulator* sim = link.session().simulator();
    GlowLabel* status = h.find<GlowLabel>("laReconnect");
    ASSERT_TRUE(waitUntil([&] { return liveWords > 20; }));

    sim->dropPort();
    ASSERT_TRUE(waitUntil([&] { return link.reconnector().attempts() >= 1; }, 5000));
    sim->restorePort("1C2D");
    const QString refused
        = fillPlaceholders(Texts::text(Texts::ReconnectOtherCar), { "1C2D", "4BAA" });
    ASSERT_TRUE(waitUntil([&] { return status->text() == refused; }, 10000))
        << qPrintable(status->text());
    EXPECT_EQ(status->glow(), Glow::Red);
    EXPECT_EQ(link.reconnector().state(), Reconnector::State::Refused);
    const int before = liveWords;
    const int attempts = link.reconnector().attempts();
    waitUntil([] { return false; }, 1000);
    EXPECT_EQ(liveWords, before) << "no stream from another car";
    EXPECT_EQ(link.reconnector().attempts(), attempts);
}

TEST(Reconnect, SilentStreamIsLostTooAndTheOptionDecidesWhetherToTryAgain)
{
    for (const bool autoReconnect : { true, false }) {
        WindowHarness h;
        h.writeFile("reader.ini",
            QByteArray("[Main]\nComPortName=sim\nComPortSpeed=2\nAutoReconnect=")
                + (autoReconnect ? "1" : "0") + "\n");
        // Every stream falls silent after a second (a tenth of it in the test), the port open.
        h.open([](SimConfig& c) {
            c.Faults.set(SimFault::StreamStops);
            c.StreamStopMs = 10000;
        });
        EXPECT_EQ(h.find<QCheckBox>("cbAutoReconnect")->isChecked(), autoReconnect);
        LinkController& link = h.window().link();
        ASSERT_TRUE(waitUntil([&] {
            return h.find<GlowLabel>("laWorkmode")->text() == Texts::text(Texts::ModeExchange);
        }));
        QStringList shown;
        QObject::connect(&link, &LinkController::reconnectStatus, &link,
            [&](const StatusText& s) { shown << s.Text; });
        link.send(LinkCommands::StartData { link.session().table() });
        GlowLabel* status = h.find<GlowLabel>("laReconnect");
        if (autoReconnect) {
            ASSERT_TRUE(waitUntil(
                [&] { return status->text() == Texts::text(Texts::ReconnectResumed); }, 10000))
                << qPrintable(shown.join(" | "));
            EXPECT_TRUE(shown.filter(Texts::text(Texts::ReconnectLost)).size() > 0);
            h.find<QAction>("acDisconnect")->trigger();
            EXPECT_EQ(link.reconnector().state(), Reconnector::State::Idle);
        } else {
            ASSERT_TRUE(waitUntil(
                [&] { return status->text() == Texts::text(Texts::ReconnectLost); }, 10000))
                << qPrintable(shown.join(" | "));
            waitUntil([] { return false; }, 500);
            EXPECT_EQ(link.reconnector().attempts(), 0);
            EXPECT_EQ(link.reconnector().state(), Reconnector::State::Lost);
        }
    }
}

// The module silent for ten seconds (one at the tests' time scale) in the middle of a stream
// the main dashboard's trend records: the stream comes back by itself, the history has a
// gap with samples on both sides, and every block recorded before it is unchanged.
TEST(Reconnect, TenSilentSecondsLeaveAGapInTheHistoryAndNothingElse)
{
    int liveWords = 0;
    WindowHarness h;
    ASSERT_NO_FATAL_FAILURE(streamOnAdapterPath(h, liveWords, "CurrentProfile=main.ini\n"));
    LinkController& link = h.window().link();
    Simulator* sim = link.session().simulator();
    GlowLabel* status = h.find<GlowLabel>("laReconnect");
    TFordData& store = link.session().store();
    // PID 1, the engine speed, is a curve of the dashboard's trend: it is recorded.
    const uint8_t pid = 1;
    ASSERT_TRUE(store.PidLimits(pid).RecordHistory);
    ASSERT_TRUE(waitUntil([&] { return store.BlockCount(pid) > 0; }));
    waitUntil([] { return false; }, 1500);

    sim->dropPort();
    ASSERT_TRUE(waitUntil(
        [&] { return status->text().startsWith(Texts::text(Texts::ReconnectLost)); }, 3000));
    std::vector<THistoryBlock> before;
    for (int i = 0; i < store.BlockCount(pid); ++i)
        before.push_back(store.Block(pid, i));
    const uint32_t lastBefore = store.LastSampleTime(pid);
    waitUntil([] { return false; }, 1000);
    const uint32_t silentUntil = store.now();
    sim->restorePort();
    ASSERT_TRUE(
        waitUntil([&] { return status->text() == Texts::text(Texts::ReconnectResumed); }, 10000))
        << qPrintable(status->text());
    ASSERT_TRUE(waitUntil([&] { return store.BlockCount(pid) > int(before.size()); }));
    const uint32_t resumedAt = store.Block(pid, int(before.size())).TSBegin;
    ASSERT_TRUE(waitUntil([&] { return store.LastSampleTime(pid) > resumedAt + 1500; }));

    ASSERT_GT(store.BlockCount(pid), int(before.size()));
    for (size_t i = 0; i < before.size(); ++i)
        EXPECT_TRUE(sameBlock(store.Block(pid, int(i)), before[i])) << "block " << i;
    EXPECT_GE(resumedAt, silentUntil);
    const std::vector<uint32_t> times = sampleTimes(store, pid);
    const auto inGap = std::count_if(
        times.begin(), times.end(), [&](uint32_t t) { return t > lastBefore && t < silentUntil; });
    const auto earlier
        = std::count_if(times.begin(), times.end(), [&](uint32_t t) { return t <= lastBefore; });
    EXPECT_EQ(inGap, 0);
    EXPECT_GT(earlier, 10);
    EXPECT_GT(qsizetype(times.size()) - earlier, 10);

    // For looking at: the dashboard with the gap, its trend showing the last few seconds.
    const QString folder = qEnvironmentVariable("VESKOR_SCREENSHOTS");
    if (!folder.isEmpty()) {
        h.window().pages()->setCurrentIndex(2);
        // The dashboard's panel sits in a graphics scene, outside the window's children.
        TFordTrend* chart = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == QLatin1String("pnBlack"))
                chart = top->findChild<TFordTrend*>();
        ASSERT_TRUE(chart);
        chart->ViewOptions()->setXRatio(8);
        waitUntil([] { return false; }, 300);
        QDir().mkpath(folder);
        EXPECT_TRUE(h.window().grab().save(QDir(folder).filePath("reconnect-gap.png")));
    }
}
