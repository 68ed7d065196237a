// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Paging, zoom, drag and the cursors of the trend chart: the model, then the chart driven
// by mouse events.
#include "profiles/TFordTrend.h"
#include "profiles/TrendNavigator.h"
#include "profiles/TrendTimeTicks.h"
#include "store/TFordData.h"

#include <QScrollBar>
#include <QTest>
#include <QTimeZone>
#include <gtest/gtest.h>

namespace {

// A store on a clock the test sets, with a PID recorded every 100 ms.
struct History {
    uint32_t clock = 100'000;
    TFordData store;
    History()
    {
        store.setClock([this] { return clock; });
    }
    // raw(t) for every 100 ms from `from` to `to`.
    template <typename F> void record(uint8_t pid, uint32_t from, uint32_t to, F raw)
    {
        store.PidLimits(pid).RecordHistory = true;
        for (clock = from; clock <= to; clock += 100)
            store.StoreValue(pid, raw(clock));
        clock = to;
    }
};

// A chart of 800 × 300 following the engine speed (PID 1: raw × 4 rpm) and the raw PID 9.
struct Chart {
    History h;
    TFordTrend trend;
    Chart()
    {
        trend.resize(800, 300);
        trend.setDataManager(&h.store);
        for (const uint8_t pid : { 9, 1 }) {
            TFordTrendItem* item = trend.Trends()->add();
            item->setPID(pid);
            item->setVisible(true);
        }
        trend.setYAxisIndex(0); // the last curve: engine speed
        trend.setUpdateEnd(true);
        // Engine speed climbs by 4 rpm every 100 ms; PID 9 steps at 150 s.
        h.record(1, 100'000, 200'000, [](uint32_t t) { return uint16_t((t - 90'000) / 100); });
        h.record(9, 100'000, 200'000, [](uint32_t t) { return uint16_t(t < 150'000 ? 10 : 20); });
        trend.renderBitmap();
    }
    QPoint at(uint32_t time) const
    {
        return QPoint(int(std::lround(trend.timeAxis().xAt(time))), 100);
    }
};

} // namespace

TEST(TrendNavigator, PagingZoomAndPanKeepTheirAnchors)
{
    TrendNavigator nav;
    const TrendPin shown { 200'000, 20'000 };
    const TrendExtent extent { 100'000, 200'000 };
    EXPECT_TRUE(nav.following());
    nav.page(shown, -0.5, extent);
    EXPECT_EQ(nav.pin(), (TrendPin { 190'000, 20'000 }));
    nav.page(*nav.pin(), -1, extent);
    EXPECT_EQ(nav.pin()->end, 170'000u);
    // Back no further than a window that starts at the oldest sample.
    nav.page(TrendPin { 125'000, 20'000 }, -1, extent);
    EXPECT_EQ(nav.pin()->end, 120'000u);
    // Forward onto the newest data follows again.
    nav.page(TrendPin { 190'000, 20'000 }, 0.5, extent);
    EXPECT_TRUE(nav.following());

    // Zooming in by 2 around a time a quarter from the right keeps it a quarter from the right.
    nav.zoom(TrendPin { 200'000, 20'000 }, 195'000, 0.5);
    EXPECT_EQ(nav.pin(), (TrendPin { 197'500, 10'000 }));
    // Out around the right edge keeps the right edge; the length stays within its bounds.
    nav.zoom(TrendPin { 200'000, 20'000 }, 200'000, 1e9);
    EXPECT_EQ(nav.pin(), (TrendPin { 200'000, TrendNavigator::MaxSpanMs }));
    nav.zoom(TrendPin { 200'000, 20'000 }, 180'000, 1e-9);
    EXPECT_EQ(nav.pin()->spanMs, TrendNavigator::MinSpanMs);
    EXPECT_EQ(nav.pin()->end, 181'000u);

    nav.pan(TrendPin { 200'000, 20'000 }, -3'500);
    EXPECT_EQ(nav.pin(), (TrendPin { 196'500, 20'000 }));
    nav.pan(TrendPin { 1'000, 20'000 }, -5'000); // never below the clock's zero
    EXPECT_EQ(nav.pin()->end, 0u);

    const TrendTimeAxis axis { 100, 500, 200'000, 20'000 };
    EXPECT_EQ(axis.timeAt(500), 200'000u);
    EXPECT_EQ(axis.timeAt(300), 190'000u);
    EXPECT_DOUBLE_EQ(axis.xAt(185'000), 200);
}

TEST(TrendNavigator, ValueAtATimeIsTheLastSampleUnlessInAPause)
{
    History h;
    h.record(1, 100'000, 110'000, [](uint32_t t) { return uint16_t(t / 1000); });
    h.record(1, 120'000, 121'000, [](uint32_t) { return uint16_t(500); }); // after 10 s away
    EXPECT_FALSE(trendValueAt(h.store, 1, 99'999));
    EXPECT_EQ(trendValueAt(h.store, 1, 100'000), 400.0f);
    EXPECT_EQ(trendValueAt(h.store, 1, 105'050), 105 * 4.0f);
    EXPECT_EQ(trendValueAt(h.store, 1, 110'400), 110 * 4.0f); // just after the last sample
    EXPECT_FALSE(trendValueAt(h.store, 1, 115'000)); // the pause
    EXPECT_EQ(trendValueAt(h.store, 1, 120'000), 2000.0f);
    EXPECT_FALSE(trendValueAt(h.store, 1, 125'000)); // beyond the newest
    EXPECT_FALSE(trendValueAt(h.store, 2, 105'000)); // no history
}

TEST(TrendMouse, ClicksPutTheCursorsAndTheirValuesAndDifferenceAreRead)
{
    Chart c;
    ASSERT_EQ(c.trend.DisplayEnd(), 200'000u);
    QTest::mouseClick(&c.trend, Qt::LeftButton, {}, c.at(185'000));
    QTest::mouseClick(&c.trend, Qt::RightButton, {}, c.at(195'000));
    ASSERT_TRUE(c.trend.navigator().cursorA);
    ASSERT_TRUE(c.trend.navigator().cursorB);
    // One pixel is some 30 ms of the window.
    EXPECT_NEAR(double(*c.trend.navigator().cursorA), 185'000, 40);
    EXPECT_NEAR(double(*c.trend.navigator().cursorB), 195'000, 40);
    const std::optional<float> a = c.trend.valueAt(1, *c.trend.navigator().cursorA);
    const std::optional<float> b = c.trend.valueAt(1, *c.trend.navigator().cursorB);
    ASSERT_TRUE(a && b);
    EXPECT_NEAR(*b - *a, 400, 12); // 10 s at 40 rpm a second
    EXPECT_EQ(c.trend.valueAt(0, *c.trend.navigator().cursorA), 20.0f);
    // A click on the legend strip moves no cursor; Esc takes both away.
    const uint32_t before = *c.trend.navigator().cursorA;
    QTest::mouseClick(&c.trend, Qt::LeftButton, {}, QPoint(50, 100));
    EXPECT_EQ(c.trend.navigator().cursorA, before);
    c.trend.grab(); // the box with the readings paints without trouble
    QTest::keyClick(&c.trend, Qt::Key_Escape);
    EXPECT_FALSE(c.trend.navigator().cursorA);
    EXPECT_FALSE(c.trend.navigator().cursorB);
}

TEST(TrendMouse, WheelZoomsAroundThePointerDragPansDoubleClickFollows)
{
    Chart c;
    const QPoint pointer = c.at(190'000);
    QWheelEvent in(pointer, c.trend.mapToGlobal(pointer), QPoint(), QPoint(0, 120), Qt::NoButton,
        Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&c.trend, &in);
    c.trend.renderBitmap();
    EXPECT_EQ(c.trend.shownWindow().spanMs, 16'000u);
    // The time under the pointer stayed under it.
    EXPECT_NEAR(double(c.trend.timeAxis().timeAt(pointer.x())), 190'000, 40);
    QWheelEvent out(pointer, c.trend.mapToGlobal(pointer), QPoint(), QPoint(0, -240), Qt::NoButton,
        Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&c.trend, &out);
    c.trend.renderBitmap();
    EXPECT_EQ(c.trend.shownWindow().spanMs, 25'000u);
    EXPECT_NEAR(double(c.trend.timeAxis().timeAt(pointer.x())), 190'000, 40);
    const uint32_t zoomedEnd = c.trend.DisplayEnd();

    // New data does not move a window the user placed.
    c.h.record(1, 200'100, 210'000, [](uint32_t) { return uint16_t(100); });
    c.trend.renderBitmap();
    EXPECT_EQ(c.trend.DisplayEnd(), zoomedEnd);

    // A drag of 100 pixels to the right shows what lay 100 pixels further back.
    const double msPerPixel = c.trend.timeAxis().msPerPixel();
    const QPoint from = c.at(185'000);
    QTest::mousePress(&c.trend, Qt::LeftButton, {}, from);
    QTest::mouseMove(&c.trend, from + QPoint(50, 0));
    QTest::mouseMove(&c.trend, from + QPoint(100, 0));
    QTest::mouseRelease(&c.trend, Qt::LeftButton, {}, from + QPoint(100, 0));
    c.trend.renderBitmap();
    EXPECT_NEAR(double(c.trend.DisplayEnd()), zoomedEnd - 100 * msPerPixel, 2);
    EXPECT_FALSE(c.trend.navigator().cursorA); // a drag is no click

    // A double click (a click, then the double click) follows the newest data again, with
    // no cursor left by its first click.
    const QPoint twice = c.at(c.trend.DisplayEnd() - 5'000);
    QTest::mouseClick(&c.trend, Qt::LeftButton, {}, twice);
    QTest::mouseDClick(&c.trend, Qt::LeftButton, {}, twice);
    c.trend.renderBitmap();
    EXPECT_TRUE(c.trend.navigator().following());
    EXPECT_FALSE(c.trend.navigator().cursorA);
    EXPECT_EQ(c.trend.DisplayEnd(), 210'000u);
    EXPECT_EQ(c.trend.shownWindow().spanMs, 20'000u);
}

TEST(TrendMouse, PagingFollowUntilAndAStoreSwap)
{
    Chart c;
    c.trend.page(-1);
    c.trend.renderBitmap();
    EXPECT_EQ(c.trend.DisplayEnd(), 180'000u);
    // The scroll bar shows where the window lies, and moving it moves the window.
    EXPECT_EQ(c.trend.scrollBar()->value(), 60);
    c.trend.scrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    c.trend.renderBitmap();
    EXPECT_EQ(c.trend.DisplayEnd(), 179'000u);
    c.trend.page(0.5);
    c.trend.renderBitmap();
    EXPECT_EQ(c.trend.DisplayEnd(), 189'000u);
    c.trend.page(1);
    c.trend.renderBitmap();
    EXPECT_TRUE(c.trend.navigator().following());
    EXPECT_EQ(c.trend.DisplayEnd(), 200'000u);

    c.trend.followUntil(150'000);
    c.trend.renderBitmap();
    EXPECT_EQ(c.trend.DisplayEnd(), 150'000u);
    EXPECT_EQ(c.trend.DisplayStart(), 130'000u);

    // Another store: following its own newest data, cursors gone, its curves recording.
    c.trend.navigator().cursorA = 140'000;
    TFordData other;
    other.setClock([] { return 50'000u; });
    c.trend.setDataManager(&other);
    EXPECT_TRUE(c.trend.navigator().following());
    EXPECT_FALSE(c.trend.navigator().cursorA);
    EXPECT_TRUE(other.PidLimits(1).RecordHistory);
    EXPECT_TRUE(other.PidLimits(9).RecordHistory);
    other.StoreValue(1, 100);
    c.trend.renderBitmap();
    EXPECT_EQ(c.trend.DisplayStart(), 50'000u);
}

// The time labels under the plot: a round step no denser than asked, seconds from the start
// of a recording, the clock's whole seconds for a live stream.
TEST(TrendTimeTicks, RoundMomentsFarEnoughApart)
{
    struct Case {
        TrendTimeAxis Axis;
        std::optional<QDateTime> Origin;
        double FirstX;
        QStringList Texts;
    };
    const QDateTime origin(QDate(2026, 12, 10), QTime(14, 3, 20, 500));
    const QDateTime berlin(
        QDate(2026, 10, 25), QTime(1, 0), QTimeZone(QByteArrayLiteral("Europe/Berlin")));
    const Case cases[] = {
        // 600 px for a minute, 100 px apart at least: every 10 s.
        { { 0, 600, 125000, 60000 }, std::nullopt, 50,
            { "1:10", "1:20", "1:30", "1:40", "1:50", "2:00" } },
        // 1000 px for 20 s: every 2 s, on the clock's even seconds, none before the start.
        { { 0, 1000, 10000, 20000 }, origin, 575,
            { "14:03:22", "14:03:24", "14:03:26", "14:03:28", "14:03:30" } },
        // Two hours from the start on 500 px: every 30 minutes.
        { { 0, 500, 7200000, 7200000 }, std::nullopt, 0,
            { "0:00", "30:00", "1:00:00", "1:30:00", "2:00:00" } },
        // Four hours of the clock on 800 px, every 30 minutes, across the night summer time
        // ends: the clock goes back from 3:00 to 2:00, and so do the labels.
        { { 0, 800, 14'400'000, 14'400'000 }, berlin, 0,
            { "01:00", "01:30", "02:00", "02:30", "02:00", "02:30", "03:00", "03:30", "04:00" } },
    };
    for (const Case& c : cases) {
        const auto ticks = trendTimeTicks(
            c.Axis, 100, c.Origin ? std::optional(clockOrigin(*c.Origin)) : std::nullopt);
        QStringList texts;
        for (const TrendTimeTick& t : ticks)
            texts << t.Text;
        EXPECT_EQ(texts, c.Texts);
        ASSERT_FALSE(ticks.empty());
        EXPECT_NEAR(ticks.front().X, c.FirstX, 1e-6);
    }
}
