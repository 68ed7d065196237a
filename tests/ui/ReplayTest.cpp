// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// A recorded session replayed in the real window: every word reaches the matrix and the
// dashboard in order at 1x and 16x, a seek gives the trend its history up to that moment,
// and nothing goes to the adapter while the recording is open.
#include "RecordingSynth.h"
#include "WindowTestSupport.h"
#include "common/Errors.h"
#include "common/Messages.h"
#include "common/Texts.h"
#include "link/TCommThread.h"
#include "profiles/TFordTrend.h"
#include "sim/Simulator.h"
#include "ui/GlowLabel.h"
#include "ui/ReplaySession.h"
#include "ui/dock/LogPanel.h"
#include "ui/dock/MatrixPanel.h"
#include "ui/pages/LiveDataPage.h"
#include "ui/pages/TrendsPage.h"
#include "ui/pages/VehiclesPage.h"
#include "widgets/TFordPanel.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QSlider>
#include <QTabWidget>
#include <QToolButton>
#include <cstdio>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <utility>
#include <vector>

namespace {

// The values the dashboard panel is handed, in order.
class PanelMessages : public QObject {
public:
    std::vector<std::pair<int, float>> values;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (int(event->type()) == Msg::WM_PID_CHANGED) {
            const auto* m = static_cast<TMessage*>(event);
            values.emplace_back(int(m->WParam), Msg::lParamToFloat(m->LParam));
        }
        return false;
    }
};

// The (PID, value) pairs the dashboard gets from the recording's words.
std::vector<std::pair<int, float>> dashboardValues(const Recording& r)
{
    std::vector<std::pair<int, float>> values;
    for (const RecordedWord& w : r.Words) {
        const int p = w.Slot & 0x0F;
        if (p < 2 || p > 5)
            continue;
        const uint8_t pid = r.Header.PidMap[size_t((w.Slot >> 4) * 4 + p - 2)];
        values.emplace_back(pid, TFordData::ConvertValue(pid, w.Word));
    }
    return values;
}

struct ReplayRig {
    WindowHarness h;
    qint64 now = 0;
    int commandsDone = 0;
    // Table T: the link's store holds the other map, so the words must be read by the
    // recording's.
    Recording recording = synthRecording(10 * 60 * 1000, 100, 'T');
    PanelMessages messages;

    ReplayRig()
    {
        h.writeFile("reader.ini", "[Main]\nComPortName=sim\nComPortSpeed=2\nAutoConnect=1\n");
        h.writeFile("autos.ini", registerText({ { "Escort", "4BAA" } }));
        h.open([this](TfrmVeskorReader::Options& options) {
            options.ReplayClock = [this] { return now; };
        });
        h.Prompts.AnswerFile = [this](const FileRequest&) { return h.Prompts.FileAnswer; };
        QObject::connect(&h.window().link().session(), &LinkSession::commandDone,
            [this](quint8) { ++commandsDone; });
        h.window().liveDataPage()->panel()->installEventFilter(&messages);
        h.window().replay()->setLoader([this](const QString& path) {
            if (!path.endsWith(".vrec"))
                throw VeskorError("not a recording");
            return recording;
        });
    }
    RecordingPlayer& player() { return h.window().replay()->player(); }
    // Runs the replay to its end on the test clock, step ms of it per tick.
    void playToEnd(int step)
    {
        for (int i = 0; player().playing() && i < 1'000'000; ++i) {
            now += step;
            player().tick();
            QCoreApplication::processEvents();
        }
        QCoreApplication::processEvents();
    }
    void expectMatrixAt(uint32_t time)
    {
        std::array<uint16_t, 256> newest {};
        for (const RecordedWord& w : recording.Words)
            if (w.TimeMs <= time)
                newest[w.Slot] = w.Word;
        const MatrixGrid* grid = h.window().findChild<MatrixGrid*>();
        for (int slot = 0; slot < 256; ++slot)
            ASSERT_EQ(grid->word(uint8_t(slot)), newest[size_t(slot)]) << slot;
    }
};

} // namespace

TEST(Replay, TenMinutesReachMatrixAndDashboardAtOneAndSixteenTimes)
{
    ReplayRig rig;
    WindowHarness& h = rig.h;
    ASSERT_TRUE(waitUntil([&] {
        return h.find<GlowLabel>("laModule")->text() == Texts::text(Texts::ModuleConnected)
            && h.window().link().session().mode() == Link::lmConnected;
    }));
    // The dashboard with a trend chart.
    LiveDataPage* live = h.window().liveDataPage();
    for (int i = 0; i < live->profiles().count(); ++i)
        if (live->profiles().at(i)->FileName().endsWith("main.ini")) {
            h.find<QComboBox>("cbProfile")->setCurrentIndex(i);
            emit h.find<QComboBox>("cbProfile")->activated(i);
        }
    waitUntil([] { return false; }, 300);
    const int before = rig.commandsDone;
    const QList<QByteArray> lines = h.window().link().session().simulator()->receivedLines();

    // Opened from the live data page, in the current vehicle's folder.
    h.Prompts.FileAnswer = h.path("Recordings/Escort/2026-12-09 10-00.vrec");
    h.find<QAction>("acOpenRecording")->trigger();
    ASSERT_TRUE(h.window().replay()->active());
    ASSERT_EQ(h.Prompts.FileRequests.size(), 1);
    EXPECT_EQ(QDir::cleanPath(h.Prompts.FileRequests.at(0).Folder),
        QDir::cleanPath(h.path("Recordings/Escort")));
    EXPECT_EQ(h.window().pages()->currentWidget(), h.window().liveDataPage());
    EXPECT_TRUE(h.find<QWidget>("pnReplay")->isVisible());
    EXPECT_FALSE(h.find<QAction>("acConnect")->isEnabled());
    EXPECT_FALSE(h.find<QAction>("acStartData")->isEnabled());
    EXPECT_FALSE(h.find<QAction>("acTestSignal")->isEnabled());

    const auto expected = dashboardValues(rig.recording);
    for (const double speed : { 1.0, 16.0 }) {
        rig.messages.values.clear();
        auto* speeds = h.find<QComboBox>("cbReplaySpeed");
        speeds->setCurrentIndex(speeds->findData(speed));
        ASSERT_EQ(rig.player().speed(), speed);
        if (!rig.player().playing())
            h.find<QToolButton>("btnReplayPlay")->click();
        ASSERT_TRUE(rig.player().playing());
        rig.playToEnd(speed == 1 ? 1000 : 100);
        EXPECT_EQ(h.find<QLabel>("laReplayTime")->text(), "10:00 / 10:00");
        ASSERT_EQ(rig.messages.values.size(), expected.size()) << "speed " << speed;
        for (size_t i = 0; i < expected.size(); ++i) {
            ASSERT_EQ(rig.messages.values[i].first, expected[i].first) << i;
            ASSERT_EQ(rig.messages.values[i].second, expected[i].second) << i;
        }
        rig.expectMatrixAt(rig.recording.durationMs());
    }

    // Seeking to 5:00 with the slider: the matrix and the trend's history end there.
    auto* slider = h.find<QSlider>("slReplayPosition");
    slider->setSliderPosition(300000);
    slider->triggerAction(QAbstractSlider::SliderMove);
    QCoreApplication::processEvents();
    EXPECT_EQ(rig.player().position(), 300000u);
    EXPECT_EQ(h.find<QLabel>("laReplayTime")->text(), "5:00 / 10:00");
    rig.expectMatrixAt(300000);
    auto trends = h.window().liveDataPage()->panel()->findChildren<TFordTrend*>();
    ASSERT_FALSE(trends.isEmpty());
    trends.append(h.window().trendsPage()->chart());
    for (TFordTrend* trend : trends) {
        ASSERT_EQ(trend->DataManager(), &rig.player().store());
        for (int i = 0; i < trend->Trends()->count(); ++i) {
            const uint8_t pid = trend->Trends()->at(i)->PID();
            EXPECT_LE(trend->DataManager()->LastSampleTime(pid), 300000u) << int(pid);
            EXPECT_GT(trend->DataManager()->LastSampleTime(pid), 299000u) << int(pid);
        }
    }

    // Nothing went to the adapter; a command asked for meanwhile is refused.
    h.window().link().send(LinkCommands::StartData {});
    waitUntil([] { return false; }, 300);
    EXPECT_EQ(rig.commandsDone, before);
    EXPECT_EQ(h.window().link().session().simulator()->receivedLines(), lines);

    // Closing gives the window back to the link.
    h.find<QToolButton>("btnReplayClose")->click();
    EXPECT_FALSE(h.window().replay()->active());
    EXPECT_FALSE(h.find<QWidget>("pnReplay")->isVisible());
    EXPECT_TRUE(h.find<QAction>("acConnect")->isEnabled());
    EXPECT_TRUE(h.find<QAction>("acStartData")->isEnabled());
    for (TFordTrend* trend : trends)
        EXPECT_EQ(trend->DataManager(), &h.window().link().session().store());
    h.window().link().send(LinkCommands::Disconnect {});
    EXPECT_TRUE(waitUntil([&] { return rig.commandsDone > before; }));
}

TEST(Replay, AStreamStopsFirstWhenTheUserAgrees)
{
    ReplayRig rig;
    WindowHarness& h = rig.h;
    ASSERT_TRUE(waitUntil([&] { return h.window().link().session().mode() == Link::lmConnected; }));
    auto* profiles = h.find<QComboBox>("cbProfile");
    profiles->setCurrentIndex(0);
    emit profiles->activated(0);
    h.find<QAction>("acStartData")->trigger();
    ASSERT_TRUE(
        waitUntil([&] { return h.window().link().session().mode() == Link::lmLiveData; }, 20000));

    // From the vehicles page, in that vehicle's folder; declined: the stream goes on.
    h.window().vehiclesPage()->selectRow(0);
    h.Prompts.FileAnswer = h.path("x.vrec");
    h.Prompts.ConfirmAnswer = false;
    h.find<QAction>("acVehicleRecordings")->trigger();
    EXPECT_FALSE(h.window().replay()->active());
    EXPECT_EQ(h.Prompts.Questions.size(), 1);
    EXPECT_EQ(QDir::cleanPath(h.Prompts.FileRequests.value(0).Folder),
        QDir::cleanPath(h.path("Recordings/Escort")));
    EXPECT_EQ(h.window().link().session().mode(), Link::lmLiveData);

    // A file that cannot be read is reported and changes nothing.
    h.Prompts.ConfirmAnswer = true;
    h.Prompts.FileAnswer = h.path("broken.bin");
    h.find<QAction>("acVehicleRecordings")->trigger();
    EXPECT_FALSE(h.window().replay()->active());
    ASSERT_FALSE(h.Prompts.Warnings.isEmpty());
    EXPECT_TRUE(h.Prompts.Warnings.last().contains("not a recording"));

    // A recording that lost a part says so in the log.
    rig.recording.Note = "часть записи потеряна";
    h.Prompts.FileAnswer = h.path("x.vrec");
    h.find<QAction>("acVehicleRecordings")->trigger();
    ASSERT_TRUE(h.window().replay()->active());
    EXPECT_EQ(logLines(h).count("x.vrec: часть записи потеряна"), 1);
    ASSERT_TRUE(
        waitUntil([&] { return h.window().link().session().mode() != Link::lmLiveData; }, 20000));
    // The stream's last words do not reach the matrix of the replay.
    rig.player().pause();
    rig.player().seek(60000);
    waitUntil([] { return false; }, 500);
    rig.expectMatrixAt(60000);
    h.find<QToolButton>("btnReplayClose")->click();
}

// Figures, when VESKOR_REPLAY_FIGURES names a folder: the process CPU share of a replay at
// 16x in real time (a recording at the pace of 115,200 baud), and a picture of the page.
TEST(Replay, FiguresAtSixteenTimes)
{
    const QString folder = qEnvironmentVariable("VESKOR_REPLAY_FIGURES");
    if (folder.isEmpty())
        GTEST_SKIP() << "VESKOR_REPLAY_FIGURES not set";
    WindowHarness h;
    h.writeFile("reader.ini", "[Main]\nComPortName=sim\nAutoConnect=0\n");
    h.writeFile("autos.ini", registerText({ { "Escort", "4BAA" } }));
    h.open();
    h.Prompts.AnswerFile = [&](const FileRequest&) { return h.Prompts.FileAnswer; };
    h.window().resize(1280, 800);
    LiveDataPage* live = h.window().liveDataPage();
    for (int i = 0; i < live->profiles().count(); ++i)
        if (live->profiles().at(i)->FileName().endsWith("main.ini")) {
            h.find<QComboBox>("cbProfile")->setCurrentIndex(i);
            emit h.find<QComboBox>("cbProfile")->activated(i);
        }
    const Recording recording = synthRecording(20 * 60 * 1000, 2880);
    h.window().replay()->setLoader([&](const QString&) { return recording; });
    h.Prompts.FileAnswer = "2026-12-09 10-00.vrec";
    h.find<QAction>("acOpenRecording")->trigger();
    ASSERT_TRUE(h.window().replay()->active());
    auto* speeds = h.find<QComboBox>("cbReplaySpeed");
    speeds->setCurrentIndex(speeds->findData(16.0));

    const auto cpu = [] {
        rusage usage {};
        getrusage(RUSAGE_SELF, &usage);
        return usage.ru_utime.tv_sec * 1000.0 + usage.ru_utime.tv_usec / 1000.0
            + usage.ru_stime.tv_sec * 1000.0 + usage.ru_stime.tv_usec / 1000.0;
    };
    QElapsedTimer wall;
    wall.start();
    const double before = cpu();
    const uint32_t from = h.window().replay()->player().position();
    waitUntil([] { return false; }, 8000);
    const double used = cpu() - before;
    const qint64 elapsed = wall.elapsed();
    const uint32_t played = h.window().replay()->player().position() - from;
    std::printf("replay at 16x: %.0f ms CPU in %lld ms (%.0f%%), %u ms of the recording played "
                "(%.1fx)\n",
        used, qlonglong(elapsed), 100.0 * used / double(elapsed), played,
        double(played) / double(elapsed));
    h.window().grab().save(QDir(folder).filePath("replay-live.png"));
    h.find<QToolButton>("btnReplayClose")->click();
}
