// The adapter unplugged mid-stream and plugged in again: the window says so at once, tries
// again and resumes the stream with the same car; Disconnect ends the attempts.
#include "WindowTestSupport.h"
#include "common/Placeholders.h"
#include "common/Texts.h"
#include "link/TCommThread.h"
#include "sim/Simulator.h"
#include "store/TFordData.h"
#include "ui/GlowLabel.h"
#include "ui/LinkController.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <gtest/gtest.h>

namespace {

bool connected(WindowHarness& h)
{
    return h.find<GlowLabel>("laWorkmode")->text() == Texts::text(Texts::ModeExchange);
}

// The window connected to the simulator through a path that outlives the pty, as a USB
// adapter's device name does, with live data streaming from table P; counts live words.
void streamOnAdapterPath(WindowHarness& h, int& liveWords)
{
    h.writeFile("reader.ini", "[Main]\nComPortName=sim\nComPortSpeed=2\n");
    h.open();
    LinkController& link = h.window().link();
    GlowLabel* status = h.find<GlowLabel>("laReconnect");
    ASSERT_TRUE(status);
    EXPECT_FALSE(status->isVisibleTo(&h.window()));
    ASSERT_TRUE(waitUntil([&] { return connected(h); }));
    Simulator* sim = link.simulator();
    ASSERT_TRUE(sim);
    const QString port = h.path("ttyADAPTER");
    sim->createLink(port);
    h.find<QComboBox>("cbPort")->setEditText(port);
    h.find<QAction>("acConnect")->trigger();
    ASSERT_TRUE(
        waitUntil([&] { return h.find<QAction>("acConnect")->isEnabled() && connected(h); }));
    ASSERT_EQ(link.reconnector().expectedCode(), QStringLiteral("4BAA"));
    QObject::connect(&link, &LinkController::slotWord, &link,
        [&liveWords](quint8, quint16, bool live) { liveWords += live ? 1 : 0; });
    link.link().SetTable('P');
    link.post(Link::cmdStartData);
}

} // namespace

TEST(Reconnect, StreamComesBackAfterTheAdapterReturnsAndDisconnectStopsTheAttempts)
{
    int liveWords = 0;
    WindowHarness h;
    ASSERT_NO_FATAL_FAILURE(streamOnAdapterPath(h, liveWords));
    LinkController& link = h.window().link();
    Simulator* sim = link.simulator();
    GlowLabel* status = h.find<GlowLabel>("laReconnect");
    ASSERT_TRUE(waitUntil([&] { return liveWords > 20; }));
    // A curve records the first PID of the table: its history must outlive the drop.
    TFordData& store = link.link().DataManager();
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
    EXPECT_EQ(link.link().Table(), 'P');
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
    Simulator* sim = link.simulator();
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
        link.post(Link::cmdStartData);
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
