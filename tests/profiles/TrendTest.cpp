// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "profiles/TFordTrend.h"
#include "profiles/TrendGeometry.h"
#include "profiles/TrendScale.h"
#include "profiles/TrendWindow.h"
#include "store/TFordData.h"
#include "widgets/WidgetProblems.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>
#include <limits>

namespace {

constexpr QRgb Black = 0xFF000000;

bool isYellow(QRgb c)
{
    return qRed(c) > 200 && qGreen(c) > 200 && qBlue(c) < 60;
}

// A store on a clock the test moves, with samples of one PID at 10 Hz.
struct History {
    uint32_t clock = 100'000;
    TFordData store;
    History()
    {
        store.setClock([this] { return clock; });
    }
    // Samples of the raw value from `from` to `to` (ms), every 100 ms.
    void record(uint8_t pid, uint16_t raw, uint32_t from, uint32_t to)
    {
        store.PidLimits(pid).RecordHistory = true;
        for (clock = from; clock <= to; clock += 100)
            store.StoreValue(pid, raw);
        clock = to;
    }
};

TFordTrendItem* addCurve(TFordTrend& trend, uint8_t pid, TColor color = clWhite)
{
    TFordTrendItem* item = trend.Trends()->add();
    item->setPID(pid);
    item->setColor(color);
    item->setVisible(true);
    return item;
}

// Rows of the bitmap column x whose pixel has the given colour.
QList<int> rowsOf(const QImage& image, int x, QRgb color)
{
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y)
        if (image.pixel(x, y) == color)
            rows.append(y);
    return rows;
}

// Counts the paints a widget gets.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* w) { w->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
    int paints = 0;
};

} // namespace

TEST(TrendWindow, WithoutAnAxisTheWindowEndsNow)
{
    TrendWindowInput in;
    in.now = 50'000;
    in.updateEnd = true;
    TrendWindow w = computeTrendWindow(in);
    EXPECT_EQ(w.displayEnd, 50'000u);
    EXPECT_EQ(w.displayStart, 30'000u);
    EXPECT_FALSE(w.scrollMax);
    EXPECT_TRUE(w.moveToEnd);
    in.updateEnd = false;
    w = computeTrendWindow(in);
    EXPECT_EQ(w.displayStart, 30'000u);
    EXPECT_FALSE(w.moveToEnd);
}

TEST(TrendWindow, FollowingTheAxisShowsItsNewestSample)
{
    TrendWindowInput in;
    in.updateEnd = true;
    in.axis = TrendAxisTimes { 10'000, 95'500 };
    TrendWindow w = computeTrendWindow(in);
    EXPECT_EQ(w.displayStart, 10'000u);
    EXPECT_EQ(w.displayEnd, 95'500u);
    EXPECT_EQ(w.plotStart(), 75'500u);
    EXPECT_EQ(w.scrollMax, 85 - 20); // seconds of history less the window
    EXPECT_TRUE(w.moveToEnd);
    // A short history still spans XRatio seconds.
    in.axis = TrendAxisTimes { 10'000, 15'000 };
    w = computeTrendWindow(in);
    EXPECT_EQ(w.displayEnd, 30'000u);
    EXPECT_EQ(w.scrollMax, 0);
}

TEST(TrendWindow, ScrolledBackTheWindowStartsAtThePosition)
{
    TrendWindowInput in;
    in.updateEnd = true;
    in.atEnd = false;
    in.position = 30;
    in.axis = TrendAxisTimes { 10'000, 95'500 };
    TrendWindow w = computeTrendWindow(in);
    EXPECT_EQ(w.displayStart, 40'000u);
    EXPECT_EQ(w.displayEnd, 60'000u);
    EXPECT_FALSE(w.moveToEnd);
    // A position beyond the range is taken at the range's end.
    in.position = 1000;
    w = computeTrendWindow(in);
    EXPECT_EQ(w.displayStart, 75'000u);
}

TEST(Trend, NewChartDefaults)
{
    TFordTrend trend;
    EXPECT_EQ(trend.Trends()->count(), 0);
    EXPECT_EQ(trend.YAxisIndex(), -1);
    EXPECT_FALSE(trend.UpdateEnd());
    EXPECT_EQ(trend.DisplayEnd(), 0x7FFFFFFFu);
    EXPECT_EQ(trend.ViewOptions()->SmoothFactor(), 2);
    EXPECT_EQ(trend.ViewOptions()->XRatio(), 20);
    EXPECT_EQ(trend.ViewOptions()->GridColor(), clYellow);
    EXPECT_EQ(trend.scrollBar()->objectName(), "_Scroll");
    const TFordTrendItem* item = trend.Trends()->add();
    EXPECT_EQ(item->PID(), 255);
    EXPECT_TRUE(item->Visible());
    EXPECT_EQ(item->Color(), clWhite);
    EXPECT_EQ(item->displayName(), "Тестовый сигнал");
}

TEST(Trend, AxisIndexZeroSelectsTheLastCurve)
{
    TFordTrend trend;
    trend.setYAxisIndex(0);
    EXPECT_EQ(trend.YAxisIndex(), -1);
    for (int i = 0; i < 3; ++i)
        trend.Trends()->add();
    trend.setYAxisIndex(0);
    EXPECT_EQ(trend.YAxisIndex(), 2);
    trend.setYAxisIndex(1);
    EXPECT_EQ(trend.YAxisIndex(), 1);
    trend.setYAxisIndex(3);
    EXPECT_EQ(trend.YAxisIndex(), 2);
    trend.setYAxisIndex(-1);
    EXPECT_EQ(trend.YAxisIndex(), 2);
}

TEST(Trend, VisibleSwitchesRecordingAndSharedPidsShareTheSwitch)
{
    TFordData store;
    TFordTrend trend;
    trend.setDataManager(&store);
    TFordTrendItem* a = trend.Trends()->add();
    a->setPID(17);
    EXPECT_FALSE(store.PidLimits(17).RecordHistory); // the PID alone switches nothing
    EXPECT_FALSE(store.StoreValue(17, 0x1234));
    a->setVisible(true);
    EXPECT_TRUE(store.PidLimits(17).RecordHistory);
    TFordTrendItem* b = trend.Trends()->add();
    b->setPID(17);
    b->setVisible(false);
    EXPECT_FALSE(store.PidLimits(17).RecordHistory);
    EXPECT_FALSE(store.StoreValue(17, 0x1234));

    // The slot-clear message switches recording on again for the shown curves only.
    TFordTrendItem* c = trend.Trends()->add();
    c->setPID(40);
    store.PidLimits(40).RecordHistory = false;
    TMessage cleared(Msg::WM_SLOTS_CLEARED, 0, 0);
    trend.message(cleared);
    EXPECT_TRUE(store.PidLimits(17).RecordHistory);
    EXPECT_TRUE(store.PidLimits(40).RecordHistory);
    b->setVisible(false);
    a->setVisible(false);
    trend.message(cleared);
    EXPECT_TRUE(store.PidLimits(17).RecordHistory == false);

    // Copying a curve copies its switch as well.
    TFordTrendItem* d = trend.Trends()->add();
    store.PidLimits(99).RecordHistory = false;
    c->setPID(99);
    d->assign(*c);
    EXPECT_EQ(d->PID(), 99);
    EXPECT_TRUE(store.PidLimits(99).RecordHistory);
}

TEST(Trend, RepaintsTheChartForItsOwnPidsAndWhenTheScrollBarMoves)
{
    TFordTrend trend;
    trend.resize(400, 200);
    addCurve(trend, 17);
    trend.setVisibleState(true);
    trend.show();
    QCoreApplication::processEvents();
    PaintCounter counter(&trend);
    PaintCounter barPaints(trend.scrollBar());
    TMessage other(Msg::WM_PID_CHANGED, 18, 0);
    trend.message(other);
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 0);
    TMessage own(Msg::WM_PID_CHANGED, 17 | 0x100, 0); // only the low byte counts
    trend.message(own);
    QTRY_COMPARE(counter.paints, 1);
    // A burst of values far faster than the eye costs a paint per frame, not one per value,
    // and the last value is painted.
    QElapsedTimer burst;
    burst.start();
    const int beforeBurst = counter.paints;
    while (burst.elapsed() < 200) {
        TMessage value(Msg::WM_PID_CHANGED, 17, 0);
        trend.message(value);
        QCoreApplication::processEvents();
    }
    QTest::qWait(100);
    const int burstPaints = counter.paints - beforeBurst;
    EXPECT_GE(burstPaints, 2);
    EXPECT_LE(burstPaints, 8);
    // The readings repaint the chart, not the scroll bar under it, which did not move.
    EXPECT_EQ(barPaints.paints, 0);
    trend.scrollBar()->setRange(0, 10);
    trend.scrollBar()->setValue(10);
    QCoreApplication::processEvents();
    const int before = counter.paints;
    trend.scrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCoreApplication::processEvents();
    EXPECT_GT(counter.paints, before);
}

TEST(Trend, NewChartShowsAYellowGridOnBlackAlternatingSolidAndDotted)
{
    TFordTrend trend;
    trend.resize(600, 300);
    trend.setStartTick(0);
    const QImage& bitmap = trend.renderBitmap();
    const TrendGeometry& g = trend.trendGeometry();
    ASSERT_EQ(g.k, 2);
    const int barHeight = trend.scrollBar()->height();
    EXPECT_EQ(bitmap.size(), QSize(1201, 2 * (300 - barHeight) + 1));
    EXPECT_EQ(bitmap.pixel(5, 5), Black);
    EXPECT_EQ(g.xr, 1200 - 60);
    EXPECT_EQ(g.pw, 1200 - 120);

    // Vertical lines 54 pixels apart (a second of 20 on 1080), solid and dotted in turn.
    // A row halfway between two horizontal lines.
    const int row = g.y0 - 7 * (g.ph / 16) - g.ph / 32;
    QList<int> lines;
    for (int x = 0; x < bitmap.width(); ++x)
        if (isYellow(bitmap.pixel(x, row)) || isYellow(bitmap.pixel(x, row + 1))
            || isYellow(bitmap.pixel(x, row + 2)))
            lines.append(x);
    ASSERT_GE(lines.size(), 19);
    for (int i = 1; i < lines.size(); ++i)
        EXPECT_NEAR(lines[i] - lines[i - 1], 54, 1);
    const auto solid = [&](int x) {
        for (int y = g.yTop + 2; y < g.y0 - 2; ++y)
            if (!isYellow(bitmap.pixel(x, y)))
                return false;
        return true;
    };
    EXPECT_NE(solid(lines[0]), solid(lines[1]));
    EXPECT_EQ(solid(lines[0]), solid(lines[2]));
    // Horizontal lines: 16 of them, from the zero line up. Counted midway between two
    // vertical lines, which move with the clock and may fall on any column.
    const int between = lines[0] + 27;
    int horizontal = 0;
    for (int y = 0; y < bitmap.height(); ++y)
        if (isYellow(bitmap.pixel(between - 1, y)) || isYellow(bitmap.pixel(between, y))
            || isYellow(bitmap.pixel(between + 1, y)))
            ++horizontal;
    EXPECT_EQ(horizontal, 16);
}

TEST(Trend, CurvesFollowTheNewestSampleOfTheAxisAtTheirScale)
{
    History h;
    TFordTrend trend;
    trend.resize(600, 300);
    trend.setDataManager(&h.store);
    addCurve(trend, 1, clLime); // 0 … 6500 rpm
    addCurve(trend, 15, clAqua); // −20 … 100 °C
    // No scale: the raw 0 … 4095, shown in volts like a throttle readout.
    addCurve(trend, 2, clRed)->setRatio(819);
    trend.setYAxisIndex(1);
    trend.setUpdateEnd(true);
    h.record(1, 0x0000 | 750, 100'000, 160'000); // 3000 rpm
    h.record(15, 0x0000 | 70, 100'000, 160'000); // 60 °C
    h.record(2, 0x0000 | 2048, 100'000, 160'000);
    h.clock = 160'000;
    const QImage& bitmap = trend.renderBitmap();
    const TrendGeometry& g = trend.trendGeometry();
    EXPECT_EQ(trend.DisplayEnd(), 160'000u);
    EXPECT_EQ(trend.scrollBar()->maximum(), 60 - 20);
    EXPECT_EQ(trend.scrollBar()->value(), trend.scrollBar()->maximum());

    const int x = g.xr - 20;
    const auto centre = [&](QRgb color) {
        const QList<int> rows = rowsOf(bitmap, x, color);
        return rows.isEmpty() ? -1 : (rows.first() + rows.last()) / 2;
    };
    EXPECT_NEAR(centre(qRgb(0, 255, 0)), g.y0 - g.ph * 3000.0 / 6500, 2);
    EXPECT_NEAR(centre(qRgb(0, 255, 255)), g.y0 - g.ph * 80.0 / 120, 2);
    EXPECT_NEAR(centre(qRgb(255, 0, 0)), g.y0 - g.ph * 2048.0 / 4095, 2);
    ASSERT_EQ(trend.newestValues().size(), 3u);
    EXPECT_FLOAT_EQ(trend.newestValues()[0], 3000);
    // A curve's ratio divides its readings and its scale alike, so its line stays put.
    EXPECT_NEAR(trend.newestValues()[2], 2048 / 819.0, 1e-4);
    EXPECT_NEAR(trend.valueAt(2, 150'000).value_or(-1), 2048 / 819.0, 1e-4);

    // Scrolled back, the window stays where the scroll bar put it while data comes in.
    trend.scrollBar()->setValue(10);
    h.record(15, 70, 160'100, 170'000);
    trend.renderBitmap();
    EXPECT_EQ(trend.DisplayStart(), 110'000u);
    EXPECT_EQ(trend.DisplayEnd(), 130'000u);
}

TEST(Trend, HiddenCurvesAreNotDrawnAndAPauseStaysAGap)
{
    History h;
    TFordTrend trend;
    trend.resize(600, 300);
    trend.setDataManager(&h.store);
    TFordTrendItem* hidden = addCurve(trend, 4, clRed);
    addCurve(trend, 1, clLime);
    trend.setYAxisIndex(1);
    trend.setUpdateEnd(true);
    h.record(4, 100, 100'000, 120'000);
    hidden->setVisible(false);
    h.record(1, 0, 100'000, 104'000); // zero words are never drawn
    h.record(1, 250, 106'000, 108'000); // 1000 rpm
    h.record(1, 1250, 116'000, 120'000); // 5000 rpm after the adapter was gone for 8 s
    const QImage& bitmap = trend.renderBitmap();
    const TrendGeometry& g = trend.trendGeometry();
    EXPECT_EQ(h.store.BlockCount(1), 3);
    const auto column = [&](uint32_t t) { return g.xr - mulDiv(120'000 - t, g.pw, 20'000); };
    // No line crosses the pause: nothing green anywhere between the two stretches.
    for (uint32_t t = 108'300; t <= 115'700; t += 100)
        EXPECT_TRUE(rowsOf(bitmap, column(t), qRgb(0, 255, 0)).isEmpty()) << t;
    // Both stretches are drawn at their levels.
    const auto centre = [&](uint32_t t) {
        const QList<int> rows = rowsOf(bitmap, column(t), qRgb(0, 255, 0));
        return rows.isEmpty() ? -1.0 : (rows.first() + rows.last()) / 2.0;
    };
    EXPECT_NEAR(centre(107'000), g.y0 - g.ph * 1000.0 / 6500, 3);
    EXPECT_NEAR(centre(118'000), g.y0 - g.ph * 5000.0 / 6500, 3);
    for (int x = 0; x < bitmap.width(); ++x)
        EXPECT_TRUE(rowsOf(bitmap, x, qRgb(255, 0, 0)).isEmpty());
    // Before the first non-zero sample nothing is drawn.
    EXPECT_TRUE(rowsOf(bitmap, column(102'000), qRgb(0, 255, 0)).isEmpty());

    // Each pause is marked where the stream came back, and the gap is veiled when the last
    // value before it is in the window.
    ASSERT_EQ(trend.pauses().size(), 2u);
    EXPECT_FALSE(trend.pauses()[0].before);
    EXPECT_EQ(trend.pauses()[0].after, 106'000u);
    EXPECT_EQ(trend.pauses()[1].before, 108'000u);
    EXPECT_EQ(trend.pauses()[1].after, 116'000u);
    // Without the grid, whose lines fall on whole seconds of the real clock and so, now
    // and then, on the column looked at.
    trend.ViewOptions()->setDrawGrid(false);
    const QImage shown = trend.grab().toImage();
    const TrendTimeAxis axis = trend.timeAxis();
    const int plotRow = shown.height() / 2;
    const auto at = [&](uint32_t t) { return shown.pixel(int(std::lround(axis.xAt(t))), plotRow); };
    EXPECT_NE(at(112'000), Black);
    EXPECT_EQ(at(103'000), Black);
}

TEST(Trend, ResizingResizesTheBitmapAndKeepsTheScrollBarAlongTheBottom)
{
    TFordTrend trend;
    trend.setVisibleState(true);
    trend.show();
    trend.resize(500, 250);
    const int barHeight = trend.scrollBar()->height();
    EXPECT_EQ(trend.scrollBar()->geometry(), QRect(0, 250 - barHeight, 500, barHeight));
    EXPECT_EQ(trend.ViewOptions()->Width(), 500);
    EXPECT_EQ(trend.ViewOptions()->IntHeight(), 250 - 60);
    EXPECT_EQ(trend.renderBitmap().size(), QSize(1001, 2 * (250 - barHeight) + 1));
    trend.ViewOptions()->setSmoothFactor(3);
    EXPECT_EQ(trend.renderBitmap().size(), QSize(1501, 3 * (250 - barHeight) + 1));
}

TEST(Trend, OptionsBelowOneCountAsOneAndAbsurdOnesNeitherHangNorCrash)
{
    QStringList problems;
    static QStringList* sink = nullptr;
    sink = &problems;
    const WidgetProblemHandler previous
        = setWidgetProblemHandler([](const QObject*, const QString& p) { sink->append(p); });
    History h;
    TFordTrend trend;
    trend.resize(400, 200);
    trend.setDataManager(&h.store);
    addCurve(trend, 1);
    h.record(1, 500, 100'000, 110'000);
    trend.ViewOptions()->setSmoothFactor(0);
    trend.ViewOptions()->setXRatio(-5);
    EXPECT_EQ(trend.trendGeometry().k, 1);
    EXPECT_EQ(trend.renderBitmap().width(), 400);

    QElapsedTimer timer;
    timer.start();
    trend.ViewOptions()->setSmoothFactor(2);
    trend.ViewOptions()->setXRatio(2'000'000'000);
    trend.ViewOptions()->setYBigMarks(2'000'000'000);
    trend.renderBitmap();
    trend.ViewOptions()->setXLeft(1'000'000'000);
    trend.renderBitmap();
    trend.ViewOptions()->setXLeft(30);
    trend.ViewOptions()->setXRatio(20);
    trend.ViewOptions()->setYBottom(-1'000'000);
    trend.renderBitmap();
    EXPECT_LT(timer.elapsed(), 2000);
    EXPECT_TRUE(problems.isEmpty());

    trend.ViewOptions()->setSmoothFactor(100'000);
    EXPECT_TRUE(trend.renderBitmap().isNull());
    EXPECT_EQ(problems.size(), 1);
    setWidgetProblemHandler(previous);
}

TEST(Trend, SamplesBeyondTheScaleAreDrawnOnThePlotsEdgesAndNoneIsLost)
{
    // Engine speed on its 0 … 6500 scale: 3000, then 8000 (beyond the top), then 0 (the
    // bottom edge, a standing engine), ten seconds each, with the shipped profiles' margins.
    History h;
    TFordTrend trend;
    trend.resize(600, 300);
    trend.ViewOptions()->setYBottom(6);
    trend.ViewOptions()->setYTop(6);
    trend.setDataManager(&h.store);
    addCurve(trend, 1, clLime);
    trend.setYAxisIndex(0);
    trend.setUpdateEnd(true);
    h.record(1, 750, 100'000, 110'000);
    h.record(1, 2000, 110'100, 120'000);
    h.record(1, 0xA000, 120'100, 130'000); // value 0 with its check nibble
    const QImage& bitmap = trend.renderBitmap();
    const TrendGeometry& g = trend.trendGeometry();
    ASSERT_LT(g.y0, bitmap.height()); // the zero line lies inside the bitmap
    const auto rowsAt = [&](uint32_t time) {
        return rowsOf(bitmap, g.xr - mulDiv(130'000 - time, g.pw, 20'000), qRgb(0, 255, 0));
    };
    // Every stretch is drawn: beyond the scale on the top edge, zero on the bottom edge.
    const QList<int> high = rowsAt(115'000), zero = rowsAt(125'000);
    ASSERT_FALSE(high.isEmpty());
    ASSERT_FALSE(zero.isEmpty());
    EXPECT_NEAR((high.first() + high.last()) / 2.0, g.y0 - g.ph, 1);
    EXPECT_NEAR((zero.first() + zero.last()) / 2.0, g.y0, 1);
    EXPECT_FLOAT_EQ(trend.newestValues()[0], 0);
    for (uint32_t t = 111'000; t < 130'000; t += 500)
        EXPECT_FALSE(rowsAt(t).isEmpty()) << t;
}

TEST(Trend, ScrollBarOnADarkChartIsDark)
{
    TFordTrend trend;
    EXPECT_LT(trend.scrollBar()->palette().color(QPalette::Window).lightness(), 64);
    EXPECT_LT(trend.scrollBar()->palette().color(QPalette::Button).lightness(), 100);
    trend.ViewOptions()->setBackColor(clWhite);
    EXPECT_GT(trend.scrollBar()->palette().color(QPalette::Button).lightness(), 100);
}

// Every sample's column goes through mulDiv: whole numbers while the product fits, halves
// away from zero whatever the signs, the int range kept, no trap at the extremes.
TEST(TrendGeometry, MulDivRoundsHalvesAwayFromZeroAndKeepsToTheIntRange)
{
    constexpr int64_t Min64 = std::numeric_limits<int64_t>::min();
    constexpr int64_t Max64 = std::numeric_limits<int64_t>::max();
    constexpr int MaxInt = std::numeric_limits<int>::max();
    constexpr int MinInt = std::numeric_limits<int>::min();
    const struct {
        int64_t a, b, c;
        int expected;
    } cases[] = {
        { 7, 1, 2, 4 },
        { -7, 1, 2, -4 },
        { 7, 1, -2, -4 },
        { -7, -1, -2, -4 },
        { 5, 1, 3, 2 },
        { 4, 1, 3, 1 },
        { -5, 1, 3, -2 },
        { -4, 1, 3, -1 },
        { 0, 9, 4, 0 },
        { 1, 1, 0, -1 },
        { 20'000, 1'080, 20'000, 1'080 },
        { 3'000'000'000, 3'000'000'000, 9'000'000'000, 1'000'000'000 },
        { MaxInt, 2, 1, MaxInt },
        { MinInt, 2, 1, MinInt },
        { 1, 1, Min64, 0 },
        { Min64, 1, -1, MaxInt },
        { Max64, 4, 8, MaxInt },
        { Max64, -4, 8, MinInt },
    };
    for (const auto& c : cases)
        EXPECT_EQ(mulDiv(c.a, c.b, c.c), c.expected) << c.a << " * " << c.b << " / " << c.c;
}

TEST(TrendScale, StoreLimitsOrTheWholeConvertedRange)
{
    TFordData store;
    EXPECT_EQ(trendScale(store, 1).hi, 6500);
    EXPECT_EQ(trendScale(store, 15).lo, -20);
    const TrendScale coolantLike = trendScale(store, 16);
    EXPECT_EQ(coolantLike.rowOf(-20, 500, 300), 500);
    EXPECT_EQ(coolantLike.rowOf(130, 500, 300), 200);
    // PID 13 converts as 2048 / v, 0 for v = 0: its range is 0 … 2048 without a store scale.
    store.PidLimits(13).ScaleMax = 0;
    EXPECT_EQ(trendScale(store, 13).lo, 0);
    EXPECT_EQ(trendScale(store, 13).hi, 2048);
    EXPECT_EQ(trendScale(store, 200).hi, 4095);
    const TrendScale volts = trendScale(store, 200).dividedBy(-819);
    EXPECT_NEAR(volts.lo, -5, 1e-3);
    EXPECT_EQ(volts.hi, 0);
    EXPECT_EQ(trendScale(store, 200).dividedBy(0).hi, 4095);
}
