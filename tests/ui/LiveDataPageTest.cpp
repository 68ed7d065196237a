// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The live data page and the matrix in the real window: the cells a slot word paints and in
// which colour, "Обновлять", the dashboard feed, the start without a profile, the profile
// table letter, the test signal and its history file, and the start option --live.
#include "ui/pages/LiveDataPage.h"

#include "WindowTestSupport.h"
#include "common/Texts.h"
#include "common/WordPacket.h"
#include "link/LinkMessage.h"
#include "link/TCommThread.h"
#include "profiles/TFordTrend.h"
#include "recording/RecordingFile.h"
#include "store/TFordData.h"
#include "ui/GlowLabel.h"
#include "ui/dock/LogPanel.h"
#include "ui/dock/MatrixPanel.h"
#include "ui/model/DashboardFit.h"
#include "ui/model/LiveMeasure.h"
#include "ui/model/SessionRecorder.h"
#include "ui/pages/FullScreenDashboard.h"
#include "ui/pages/TrendsPage.h"
#include "widgets/TFordPanel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QDockWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPaintEvent>
#include <QTabWidget>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace {

// Counts the paints of a widget and the area they covered.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget* widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++Count;
            Area = Area.united(static_cast<QPaintEvent*>(event)->rect());
        }
        return false;
    }
    void reset()
    {
        Count = 0;
        Area = QRect();
    }
    int Count = 0;
    QRect Area;
};

// Counts the values posted to the dashboard panel, by PID.
class ValueWatch : public QObject {
public:
    explicit ValueWatch(QObject* panel) { panel->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (int(event->type()) == Msg::WM_PID_CHANGED)
            Pids.append(int(static_cast<TMessage*>(event)->WParam));
        return false;
    }
    QList<int> Pids;
};

void settle(int ms = 300)
{
    waitUntil([] { return false; }, ms);
}

// The pixels of the cell that are nearest in colour to c: how near (sum of channel gaps).
int nearestInCell(const QImage& image, int column, int row, const QColor& c)
{
    const QRect r = MatrixGrid::cellRect(column, row);
    int best = 3 * 255;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor p = image.pixelColor(x, y);
            best = std::min(best,
                std::abs(p.red() - c.red()) + std::abs(p.green() - c.green())
                    + std::abs(p.blue() - c.blue()));
        }
    return best;
}

QStringList allCells(const MatrixGrid* grid)
{
    QStringList cells;
    for (int row = 0; row < MatrixGrid::Rows; ++row)
        for (int column = 0; column < MatrixGrid::Columns; ++column)
            cells.append(grid->cellText(column, row));
    return cells;
}

int32_t liveWord(uint16_t word)
{
    return Link::slotLParam(word, Link::lmLiveData);
}

class MatrixTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        h.writeFile("reader.ini", "[Main]\nAutoConnect=0\nUpdateMatrix=1\n");
        h.open();
        grid = h.find<MatrixGrid>("dgMap");
        ASSERT_TRUE(waitUntil([&] { return grid->isVisible(); }));
        settle();
    }
    WindowHarness h;
    MatrixGrid* grid = nullptr;
};

} // namespace

TEST_F(MatrixTest, WordShowsItsLowByteThenItsHighByteInThePositionsColour)
{
    deliver(h, Link::WM_LINK_SLOT, 0x32, Link::slotLParam(0x12AB));
    EXPECT_EQ(grid->cellText(4, 3), "AB");
    EXPECT_EQ(grid->cellText(5, 3), "12");
    QStringList others = allCells(grid);
    others.removeAll("00");
    EXPECT_EQ(others, QStringList({ "AB", "12" }));

    // Every position's pair in its own colour: 0x8888 in the six slots of frame 5.
    for (int k = 0; k < 6; ++k)
        deliver(h, Link::WM_LINK_SLOT, 0x50 + k, Link::slotLParam(0x8888));
    const QImage image = grid->grab().toImage();
    const QColor yellow(255, 255, 0);
    EXPECT_LT(nearestInCell(image, 4, 3, yellow), 60);
    EXPECT_LT(nearestInCell(image, 5, 3, yellow), 60);
    EXPECT_GT(nearestInCell(image, 6, 3, yellow), 200); // position 3 is red
    const QColor colours[6] = { QColor(128, 128, 128), QColor(0, 255, 255), QColor(255, 255, 0),
        QColor(255, 0, 0), QColor(255, 0, 255), QColor(0, 0, 128) };
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(MatrixGrid::positionColour(k), colours[k]) << k;
        // Glyph edges blend with the black: the nearest pixel is the position's colour,
        // not another position's.
        for (int column : { 2 * k, 2 * k + 1 }) {
            const int own = nearestInCell(image, column, 5, colours[k]);
            EXPECT_LT(own, 100) << k;
            for (int other = 0; other < 6; ++other) {
                if (other != k) {
                    EXPECT_LT(own, nearestInCell(image, column, 5, colours[other])) << k << other;
                }
            }
        }
    }
}

TEST_F(MatrixTest, SlotRepaintsItsTwoCellsOnlyWhileUpdatingAndPositionsSixUpShowNothing)
{
    PaintWatch paints(grid);
    deliver(h, Link::WM_LINK_SLOT, 0x32, Link::slotLParam(0x12AB));
    ASSERT_TRUE(waitUntil([&] { return paints.Count > 0; }));
    EXPECT_EQ(paints.Area, MatrixGrid::cellRect(4, 3).united(MatrixGrid::cellRect(5, 3)));

    // Positions 6 to 15 have no cells: nothing is painted, no cell changes.
    paints.reset();
    const QStringList before = allCells(grid);
    for (int slot : { 0x36, 0x3F, 0xF6 })
        deliver(h, Link::WM_LINK_SLOT, slot, Link::slotLParam(0xFFFF));
    settle();
    EXPECT_EQ(paints.Count, 0);
    EXPECT_EQ(allCells(grid), before);

    // "Обновлять" off: the word is kept but shown only when the grid is painted anyway.
    auto* update = h.find<QCheckBox>("cbUpdateMap");
    update->click();
    ASSERT_FALSE(update->isChecked());
    settle();
    paints.reset();
    deliver(h, Link::WM_LINK_SLOT, 0x32, Link::slotLParam(0x5678));
    settle();
    EXPECT_EQ(paints.Count, 0);
    grid->update();
    ASSERT_TRUE(waitUntil([&] { return paints.Count > 0; }));
    EXPECT_EQ(grid->cellText(4, 3), "78");
    EXPECT_EQ(grid->cellText(5, 3), "56");
    // Cleared slots repaint the whole grid, on or off.
    paints.reset();
    deliver(h, Link::WM_LINK_SLOT, 0, 0);
    ASSERT_TRUE(waitUntil([&] { return paints.Count > 0; }));
    EXPECT_EQ(paints.Area, grid->rect());
    EXPECT_EQ(grid->cellText(4, 3), "00");
    h.close();
    EXPECT_TRUE(h.readFile("reader.ini").contains("UpdateMatrix=0"));
}

TEST_F(MatrixTest, DashboardIsFedPositionsTwoToFiveOnlyOnItsOwnPage)
{
    ValueWatch values(h.find<LiveDataPage>("tabLiveData")->panel());
    TFordData& store = h.window().link().session().store();
    store.SelectTable('P');
    PaintWatch paints(grid);
    h.window().pages()->setCurrentWidget(h.find<LiveDataPage>("tabLiveData"));
    deliver(h, Link::WM_LINK_SLOT, 0x21, liveWord(0x1234));
    deliver(h, Link::WM_LINK_SLOT, 0x22, liveWord(0x1234));
    // A word of a handshake or fault test is no live value.
    deliver(h, Link::WM_LINK_SLOT, 0x23, Link::slotLParam(0x1234));
    settle();
    EXPECT_EQ(values.Pids, QList<int> { store.PidMap(2 * 4 + 0) });
    EXPECT_EQ(store.PidMap(2 * 4 + 0), 0x0F);

    // On another page the matrix goes on, the dashboard gets nothing.
    values.Pids.clear();
    h.window().pages()->setCurrentIndex(3);
    paints.reset();
    deliver(h, Link::WM_LINK_SLOT, 0x22, liveWord(0x4321));
    ASSERT_TRUE(waitUntil([&] { return paints.Count > 0; }));
    settle();
    EXPECT_TRUE(values.Pids.isEmpty());
}

namespace {

class LivePageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        h.writeFile("reader.ini", "[Main]\nAutoConnect=0\n");
        h.writeFile("Profiles/notable.ini",
            "[Main]\nName=Без таблицы\nTable=\n[Gauges]\nNote = TLabel\n[Note]\nLeft=10\n");
        h.open();
        page = h.find<LiveDataPage>("tabLiveData");
        profiles = h.find<QComboBox>("cbProfile");
        h.window().pages()->setCurrentWidget(page);
    }
    int profileNamed(const QString& name) const { return profiles->findText(name); }
    void choose(int index)
    {
        profiles->setCurrentIndex(index);
        emit profiles->activated(index);
    }
    WindowHarness h;
    LiveDataPage* page = nullptr;
    QComboBox* profiles = nullptr;
};

} // namespace

TEST_F(LivePageTest, StartNeedsAProfileAndAnEmptyTableKeepsTheLetter)
{
    LinkSession& link = h.window().link().session();
    QList<int> finished;
    QObject::connect(&h.window().link().session(), &LinkSession::commandDone, &h.window(),
        [&finished](quint8 code) { finished.append(code); });
    // The main dashboard is shown from the first start; with none chosen, start refuses.
    ASSERT_EQ(profiles->currentIndex(), profileNamed("Двигатель"));
    choose(-1);
    h.find<QAction>("acStartData")->trigger();
    ASSERT_EQ(h.Prompts.Warnings.size(), 1);
    EXPECT_TRUE(h.Prompts.Warnings.first().contains(Texts::text(Texts::LiveNoProfile)));
    settle(500);
    EXPECT_FALSE(finished.contains(Link::cmdStartData));

    link.selectTable('T');
    choose(profileNamed("Без таблицы"));
    h.find<QAction>("acStartData")->trigger();
    ASSERT_TRUE(waitUntil([&] { return finished.contains(Link::cmdStartData); }));
    EXPECT_EQ(link.table(), 'T');
    h.find<QAction>("acStopData")->trigger();
    ASSERT_TRUE(waitUntil([&] { return finished.contains(Link::cmdStopData); }));

    const int main = profileNamed("Двигатель");
    ASSERT_GE(main, 0);
    choose(main);
    ASSERT_NE(link.table(), 'P');
    h.find<QAction>("acStartData")->trigger();
    EXPECT_EQ(link.table(), 'P');
    EXPECT_EQ(h.Prompts.Warnings.size(), 1) << qPrintable(h.Prompts.Warnings.join('\n'));
}

TEST_F(LivePageTest, ChoosingTheActiveProfileAgainKeepsItsWidgetsWhereTheyWere)
{
    choose(0);
    auto* panel = h.find<LiveDataPage>("tabLiveData")->panel();
    // An active profile's widgets are the panel's children; a deactivated one's are not.
    const auto shown = [panel] {
        QList<QPair<QString, QRect>> places;
        for (QWidget* w : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            places.append({ w->objectName(), w->geometry() });
        return places;
    };
    const auto first = shown();
    ASSERT_FALSE(first.isEmpty());
    choose(1);
    EXPECT_NE(shown(), first);
    choose(0);
    EXPECT_EQ(shown(), first);
    choose(0);
    EXPECT_EQ(shown(), first);
}

TEST_F(LivePageTest, TestSignalRunsAndItsHistoryGoesToDumpdata)
{
    LinkSession& link = h.window().link().session();
    link.store().PidLimits(TFordData::TestSignalPid).RecordHistory = true;
    ValueWatch values(h.find<LiveDataPage>("tabLiveData")->panel());
    h.find<QAction>("acTestSignal")->trigger();
    ASSERT_TRUE(waitUntil([&] { return link.testSignalActive(); }));
    ASSERT_TRUE(waitUntil([&] {
        return link.store().BlockCount(TFordData::TestSignalPid) > 0
            && link.store().Block(TFordData::TestSignalPid, 0).Idx >= 3;
    }));
    EXPECT_TRUE(values.Pids.contains(TFordData::TestSignalPid));
    h.find<QAction>("acTestSignal")->trigger();
    ASSERT_TRUE(waitUntil([&] { return !link.testSignalActive(); }));

    h.find<QAction>("acDumpTestData")->trigger();
    const QByteArray text = h.readFile("dumpdata.txt");
    EXPECT_TRUE(text.startsWith("i: 0, TSBegin: ")) << text.left(80).constData();
    EXPECT_GE(text.split('\n').value(2).count(','), 3);
    EXPECT_TRUE(h.Prompts.Warnings.isEmpty());

    // A file that can't be written is reported, and nothing is lost: the history stays.
    QFile::remove(h.path("dumpdata.txt"));
    QDir().mkpath(h.path("dumpdata.txt/x"));
    h.find<QAction>("acDumpTestData")->trigger();
    EXPECT_EQ(h.Prompts.Warnings.size(), 1);
    EXPECT_GT(link.store().BlockCount(TFordData::TestSignalPid), 0);
}

// --live with a profile from outside the folder: the live page, the connection although
// AutoConnect is off, the stream started, and values painted on the dashboard's gauges.
TEST(LiveStart, OpensOnTheDashboardConnectsAndStreams)
{
    WindowHarness h;
    h.writeFile("reader.ini", "[Main]\nComPortName=sim\nComPortSpeed=4\nAutoConnect=0\n");
    QDir().mkpath(h.path("elsewhere"));
    h.writeFile("elsewhere/main-copy.ini", h.readFile("Profiles/main.ini"));
    LiveMeasure measure;
    h.open([&](TfrmVeskorReader::Options& o) {
        o.Live = true;
        o.LiveProfile = h.path("elsewhere/main-copy.ini");
        o.Measure = &measure;
    });
    auto* page = h.find<LiveDataPage>("tabLiveData");
    EXPECT_EQ(h.window().pages()->currentWidget(), page);
    EXPECT_EQ(page->profiles().selectedFileName(), "main-copy.ini");
    EXPECT_EQ(h.find<QComboBox>("cbProfile")->currentIndex(), page->profiles().selectedIndex());
    ASSERT_TRUE(
        waitUntil([&] { return h.window().link().session().mode() == Link::lmLiveData; }, 20000));
    const QImage before = h.find<LiveDataPage>("tabLiveData")->panel()->grab().toImage();
    ASSERT_TRUE(waitUntil([&] { return measure.latency().count() > 20; }, 20000));
    EXPECT_NE(h.find<LiveDataPage>("tabLiveData")->panel()->grab().toImage(), before);
    // VESKOR_SCREENSHOTS names a folder for a picture of the page while it streams.
    if (const QString shots = qEnvironmentVariable("VESKOR_SCREENSHOTS"); !shots.isEmpty()) {
        h.find<QCheckBox>("cbUpdateMap")->setChecked(true);
        waitUntil([] { return false; }, 1500);
        h.window().grab().save(QDir(shots).filePath("live-streaming.png"));
    }
    EXPECT_GT(measure.latency().maxMs(), 0);
    // The matrix readouts follow the stream: the cycle interval and the receive depth.
    EXPECT_TRUE(
        waitUntil([&] { return h.find<QLabel>("laUpdateFreq")->text() != "000 мс"; }, 20000));
    EXPECT_NE(h.find<QLabel>("laCount")->text(), "000");
    EXPECT_TRUE(h.Prompts.Warnings.isEmpty()) << qPrintable(h.Prompts.Warnings.join('\n'));
}

TEST(LiveStart, ProfileThatIsNotThereIsReported)
{
    WindowHarness h;
    h.writeFile("reader.ini", "[Main]\nComPortName=sim\nAutoConnect=0\n");
    h.open([&](TfrmVeskorReader::Options& o) {
        o.Live = true;
        o.LiveProfile = h.path("nothing.ini");
    });
    ASSERT_EQ(h.Prompts.Warnings.size(), 1);
    EXPECT_TRUE(h.Prompts.Warnings.first().contains("nothing.ini"));
}

// F11 from another page: the dashboard alone on the whole screen, fitted, the link's state
// and the stream's cycle in its corner, the stream's words moving its gauges; Esc and F11
// bring the window back as it was.
TEST(FullScreen, ShowsTheDashboardAloneWhileItStreamsAndEscBringsTheWindowBack)
{
    WindowHarness h;
    h.writeFile("reader.ini", "[Main]\nComPortName=sim\nComPortSpeed=4\nAutoConnect=0\n");
    TfrmVeskorReader& w = h.open();
    auto* trends = h.find<QWidget>("tabTrends");
    w.pages()->setCurrentWidget(trends);
    const QRect bounds = w.geometry();
    auto* matrix = h.find<QDockWidget>("dkMatrix");
    auto* log = h.find<QDockWidget>("dkLog");
    ASSERT_TRUE(matrix->isVisible() && log->isVisible());
    auto* screen = h.find<FullScreenDashboard>("frmFullScreen");
    auto* corner = h.find<GlowLabel>("laFullScreenLink");
    auto* dashboard = h.find<QGraphicsView>("gvFullScreen");

    for (const Qt::Key leave : { Qt::Key_Escape, Qt::Key_F11 }) {
        // F11 from any page: the window holds the action as well as the live page's bar.
        QAction* open = h.find<QAction>("acFullScreen");
        EXPECT_EQ(open->shortcut(), QKeySequence(Qt::Key_F11));
        EXPECT_TRUE(w.actions().contains(open));
        open->trigger();
        ASSERT_TRUE(waitUntil([&] { return screen->isVisible(); }));
        EXPECT_TRUE(screen->isFullScreen());
        EXPECT_EQ(screen->geometry(), w.screen()->geometry());
        const QSizeF scene = dashboard->scene()->sceneRect().size();
        EXPECT_DOUBLE_EQ(screen->scale(), DashboardFit::fitScale(scene, dashboard->size()));
        EXPECT_TRUE(corner->isVisible());
        EXPECT_TRUE(corner->text().startsWith(h.find<GlowLabel>("laModule")->text()))
            << qPrintable(corner->text());
        if (leave == Qt::Key_Escape) {
            h.find<QAction>("acConnect")->trigger();
            ASSERT_TRUE(waitUntil(
                [&] { return corner->text().startsWith(Texts::text(Texts::ModuleConnected)); },
                20000))
                << qPrintable(corner->text());
            EXPECT_EQ(corner->glow(), Glow::Green);
            // The stream's words reach the gauges on the other page's behalf.
            ValueWatch values(w.liveDataPage()->panel());
            const QImage before = dashboard->grab().toImage();
            h.find<QAction>("acStartData")->trigger();
            ASSERT_TRUE(waitUntil([&] { return corner->text().contains(" мс"); }, 20000))
                << qPrintable(corner->text());
            EXPECT_TRUE(waitUntil([&] { return values.Pids.contains(1); }));
            EXPECT_TRUE(waitUntil([&] { return dashboard->grab().toImage() != before; }));
        }
        QKeyEvent key(QEvent::KeyPress, leave, Qt::NoModifier);
        QCoreApplication::sendEvent(screen, &key);
        ASSERT_TRUE(waitUntil([&] { return !screen->isVisible(); }));
        EXPECT_EQ(w.pages()->currentWidget(), trends);
        EXPECT_EQ(w.geometry(), bounds);
        EXPECT_TRUE(matrix->isVisible() && log->isVisible());
    }
}

// "Мин./макс." lists the dashboard's PIDs with the least, greatest and mean value of what
// came since the stream started, by name, and a dash for a PID that has not come.
TEST_F(LivePageTest, StatisticsOfTheShownPidsAreOneClickAway)
{
    ASSERT_EQ(profiles->currentIndex(), profileNamed("Двигатель"));
    h.window().link().session().selectTable('P');
    for (const uint16_t raw : { 200, 300, 250 }) // engine speed: 800, 1200 and 1000 rpm
        deliver(h, Link::WM_LINK_SLOT, 0x02,
            Link::slotLParam(WordPacket::encode(raw), Link::lmLiveData));
    h.find<QAction>("acStatistics")->trigger();
    auto* table = h.find<QTableWidget>("tbStatistics");
    ASSERT_NE(table, nullptr);
    QStringList firsts;
    for (int row = 0; row < table->rowCount(); ++row)
        firsts << table->item(row, 0)->text();
    EXPECT_EQ(firsts,
        QStringList({ "01h Обороты двигателя", "10h Температура ОЖ", "0Fh Т воздуха впуска",
            "09h Дроссель, АЦП", "11h Бортсеть" }));
    const auto row = [&](int r) {
        QStringList cells;
        for (int c = 1; c < table->columnCount(); ++c)
            cells << table->item(r, c)->text();
        return cells;
    };
    EXPECT_EQ(row(0), QStringList({ "800", "1200", "1000", "об/мин" }));
    EXPECT_EQ(row(1), QStringList({ "—", "—", "—", "°C" }));
    // Further words come into the open window within its second.
    deliver(
        h, Link::WM_LINK_SLOT, 0x02, Link::slotLParam(WordPacket::encode(400), Link::lmLiveData));
    EXPECT_TRUE(waitUntil([&] { return row(0).value(1) == "1600"; }, 2000));
}

// A value going past its limit marks the moment on the dashboard's trend and on the trends
// page, and says so in the log; staying past it marks nothing more.
TEST_F(LivePageTest, AValuePastItsLimitIsMarkedOnTheTrendsAndLogged)
{
    ASSERT_EQ(profiles->currentIndex(), profileNamed("Двигатель"));
    h.window().link().session().selectTable('P');
    TFordTrend* dashboardTrend = page->panel()->findChild<TFordTrend*>();
    ASSERT_NE(dashboardTrend, nullptr);
    TFordTrend* trendsChart = h.window().trendsPage()->chart();
    // Coolant (PID 10h) comes in slot 14h; the dashboard warns at 100 °C and alarms at 108.
    const auto coolant = [&](uint16_t raw) {
        deliver(h, Link::WM_LINK_SLOT, 0x14,
            Link::slotLParam(WordPacket::encode(raw), Link::lmLiveData));
    };
    struct Step {
        uint16_t Raw; // (2 raw - 32) * 5 / 9 °C
        size_t Markers;
    };
    for (const Step& s :
        { Step { 70, 0 }, Step { 117, 1 }, Step { 118, 1 }, Step { 70, 1 }, Step { 110, 2 } }) {
        coolant(s.Raw);
        EXPECT_EQ(dashboardTrend->markerCount(), s.Markers) << s.Raw;
        EXPECT_EQ(trendsChart->markerCount(), s.Markers) << s.Raw;
    }
    EXPECT_EQ(logLines(h).filter("10h Температура ОЖ"),
        QStringList({ "Тревога: 10h Температура ОЖ = 112.2 °C",
            "Предупреждение: 10h Температура ОЖ = 104.4 °C" }));
    // The session's recording keeps both moments for a later look.
    SessionRecorder& recorder = h.window().recorder();
    ASSERT_TRUE(recorder.recording());
    recorder.stop();
    const Recording read = RecordingFile::read(recorder.path());
    ASSERT_EQ(read.Marks.size(), 2u);
    EXPECT_EQ(read.Marks[0].Level, RecordedMark::Alarm);
    EXPECT_EQ(read.Marks[1].Level, RecordedMark::Warning);
    EXPECT_EQ(read.Marks[1].Pid, 0x10);
}
