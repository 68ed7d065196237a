// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The trends page in the real window: the test signal button, paging through the link
// store's history with the readout of the right edge, and what slot words do while the
// page is on show.
#include "ui/pages/TrendsPage.h"

#include "WindowTestSupport.h"
#include "common/Messages.h"
#include "link/LinkMessage.h"
#include "link/TCommThread.h"
#include "profiles/TFordTrend.h"
#include "store/TFordData.h"
#include "ui/WindowTestSignal.h"
#include "ui/dock/MatrixPanel.h"
#include "ui/pages/LiveDataPage.h"
#include "widgets/TFordPanel.h"
#include "widgets/TFordValue.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

// Counts the events of one type that reach an object.
class EventCounter : public QObject {
public:
    EventCounter(QObject* target, QEvent::Type type)
        : m_type(type)
    {
        target->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == m_type)
            ++count;
        return false;
    }
    int count = 0;

private:
    QEvent::Type m_type;
};

class TrendsPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        h.writeFile("reader.ini", "[Main]\nAutoConnect=0\nUpdateMatrix=1\n");
        h.writeFile("autos.ini", registerText({ { "A", "" } }));
        h.open();
        page = h.window().trendsPage();
        chart = h.find<TFordTrend>("FT");
        store = &h.window().link().session().store();
        ASSERT_TRUE(waitUntil([&] { return chart->DataManager() == store; }));
    }
    void showPage() { h.window().pages()->setCurrentWidget(page); }
    void click(const char* name) { h.find<QPushButton>(name)->click(); }

    WindowHarness h;
    TrendsPage* page = nullptr;
    TFordTrend* chart = nullptr;
    TFordData* store = nullptr;
};

} // namespace

TEST_F(TrendsPageTest, ShowPressedTwiceRunsTheTestSignalThenStopsItKeepingTheRecording)
{
    showPage();
    // The page's start and stop are the live page's own actions.
    auto* bar = h.find<QToolBar>("tbTrends");
    EXPECT_TRUE(bar->actions().contains(h.find<QAction>("acStartData")));
    EXPECT_TRUE(bar->actions().contains(h.find<QAction>("acStopData")));

    for (const uint8_t pid : { 17, 254 })
        store->PidLimits(pid).RecordHistory = false;
    chart->setUpdateEnd(false);
    EventCounter toPanel(h.find<LiveDataPage>("tabLiveData")->panel(), Msg::WM_PID_CHANGED);
    h.find<QAction>("SpTBXButton1")->trigger();
    EXPECT_TRUE(page->testSignal()->isActive());
    EXPECT_TRUE(chart->UpdateEnd());
    for (const uint8_t pid : { 17, 254, 255 })
        EXPECT_TRUE(store->PidLimits(pid).RecordHistory) << int(pid);
    // Its curve is drawn, as the axis curve.
    ASSERT_GT(chart->Trends()->count(), 0);
    EXPECT_EQ(chart->Trends()->at(chart->YAxisIndex())->PID(), 255);
    ASSERT_TRUE(
        waitUntil([&] { return store->BlockCount(255) > 0 && store->Block(255, 0).Idx >= 4; }));
    const THistoryBlock block = store->Block(255, 0);
    EXPECT_EQ(block.Values[0], 100);
    EXPECT_EQ(block.Values[1], 200);
    EXPECT_EQ(block.Values[2], 45);
    EXPECT_EQ(block.Values[3], 103);
    ASSERT_TRUE(waitUntil([&] { return toPanel.count >= 4; }));

    h.find<QAction>("SpTBXButton1")->trigger();
    EXPECT_FALSE(page->testSignal()->isActive());
    for (const uint8_t pid : { 17, 254, 255 })
        EXPECT_TRUE(store->PidLimits(pid).RecordHistory) << int(pid);
    EXPECT_TRUE(chart->UpdateEnd());
    for (int i = 0; i < chart->Trends()->count(); ++i)
        EXPECT_NE(chart->Trends()->at(i)->PID(), 255);
}

TEST_F(TrendsPageTest, NavigationPagesTheHistoryAndTheReadoutShowsTheRightEdge)
{
    // Engine speed rising by 4 rpm every 100 ms from 100 s of the store's clock.
    uint32_t clock = 100'000;
    store->setClock([&clock] { return clock; });
    store->PidLimits(1).RecordHistory = true;
    const auto record = [&](uint32_t to) {
        for (; clock <= to; clock += 100)
            store->StoreValue(1, uint16_t((clock - 90'000) / 100));
    };
    record(105'000);
    // No dashboard (the main one has trends of its own).
    auto* profiles = h.find<QComboBox>("cbProfile");
    profiles->setCurrentIndex(-1);
    emit profiles->activated(-1);
    showPage();
    // Without a trend on the dashboard the chart draws engine speed among its curves, as
    // its axis curve.
    ASSERT_EQ(chart->Trends()->at(chart->YAxisIndex())->PID(), 1);
    auto* fvN = h.find<TFordValue>("fvN");
    const auto shows = [&](uint32_t end, int rpm) {
        chart->update();
        return waitUntil([&] {
            return chart->DisplayEnd() == end
                && fvN->Caption() == QString::number(rpm).rightJustified(4);
        });
    };
    // Five seconds of history in a window of twenty: the newest value is the right edge's.
    EXPECT_TRUE(shows(120'000, 600)) << chart->DisplayEnd() << " " << qPrintable(fvN->Caption());
    record(200'000);
    EXPECT_TRUE(shows(200'000, 4400)) << chart->DisplayEnd() << " " << qPrintable(fvN->Caption());
    click("btTrendsBackHalf");
    EXPECT_TRUE(shows(190'000, 4000)) << chart->DisplayEnd() << " " << qPrintable(fvN->Caption());
    click("btTrendsBackWindow");
    EXPECT_TRUE(shows(170'000, 3200)) << chart->DisplayEnd() << " " << qPrintable(fvN->Caption());
    click("btTrendsForwardHalf");
    EXPECT_TRUE(shows(180'000, 3600)) << chart->DisplayEnd() << " " << qPrintable(fvN->Caption());
    // New data leaves a paged window where it is; ">>" follows it again.
    record(205'000);
    EXPECT_TRUE(shows(180'000, 3600));
    click("btTrendsFollow");
    EXPECT_TRUE(shows(205'000, 4600)) << chart->DisplayEnd() << " " << qPrintable(fvN->Caption());
    // The second button shows the whole history in one window.
    click("SpTBXButton2");
    EXPECT_TRUE(waitUntil([&] { return chart->DisplayStart() == 100'000; }));
    EXPECT_EQ(chart->DisplayEnd(), 205'000u);
    store->setClock({});
}

TEST_F(TrendsPageTest, SlotWordsOnTheTrendsPageRepaintMatrixAndChartButPostNoValue)
{
    store->SelectTable('P'); // frame 0, position 2 carries engine speed
    showPage();
    ASSERT_TRUE(waitUntil([&] { return chart->isVisible(); }));
    EventCounter toPanel(h.find<LiveDataPage>("tabLiveData")->panel(), Msg::WM_PID_CHANGED);
    EventCounter chartPaints(chart, QEvent::Paint);
    const auto word = [&](uint16_t value) {
        deliver(h, Link::WM_LINK_SLOT, 0x02, Link::slotLParam(value, Link::lmLiveData));
    };
    word(0x1234);
    EXPECT_EQ(h.find<MatrixGrid>("dgMap")->word(0x02), 0x1234);
    EXPECT_TRUE(waitUntil([&] { return chartPaints.count > 0; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(toPanel.count, 0);

    // On the live data page the same word goes to the dashboard.
    h.window().pages()->setCurrentIndex(2);
    word(0x1235);
    EXPECT_TRUE(waitUntil([&] { return toPanel.count == 1; }));
}
