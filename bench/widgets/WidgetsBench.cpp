// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Costs of the dashboard's hot paths: one value fanned out to a full panel, one gauge paint.
#include "widgets/SmoothBlit.h"
#include "widgets/TFordGauge.h"
#include "widgets/TFordPanel.h"
#include "widgets/TFordValue.h"

#include <QApplication>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

// 40 value labels, of which only the last is bound to the PID sent; the value alternates
// so that the one match formats and sets its caption every time.
void FanOutToFortyWidgetsOneMatch(benchmark::State& state)
{
    TFordPanel panel;
    for (int i = 0; i < 40; ++i) {
        auto* label = new TFordValue(&panel);
        label->setPID(quint8(i + 1));
        label->setLabelFormat("%.1f");
    }
    float value = 1;
    for (auto _ : state) {
        value = value == 1 ? 2 : 1;
        TMessage msg(Msg::WM_PID_CHANGED, 40, Msg::floatToLParam(value));
        panel.message(msg);
        benchmark::DoNotOptimize(msg.Result);
    }
}
BENCHMARK(FanOutToFortyWidgetsOneMatch);

// The same round when no widget matches: the bare cost of the fan-out.
void FanOutToFortyWidgetsNoMatch(benchmark::State& state)
{
    TFordPanel panel;
    for (int i = 0; i < 40; ++i)
        new TFordValue(&panel);
    for (auto _ : state) {
        TMessage msg(Msg::WM_PID_CHANGED, 200, Msg::floatToLParam(1));
        panel.message(msg);
        benchmark::DoNotOptimize(msg.Result);
    }
}
BENCHMARK(FanOutToFortyWidgetsNoMatch);

// One paint of a default gauge (k = 2) with its dial cached: frame composed from the dial,
// needle and label, then scaled down into a window-sized image. The value changes each
// time, so the label is formatted again.
void GaugePaintWithCachedDial(benchmark::State& state)
{
    TFordGauge gauge;
    QImage window(gauge.size(), QImage::Format_RGB32);
    gauge.dialImage();
    float value = 30;
    for (auto _ : state) {
        value = value == 30 ? 31 : 30;
        gauge.setValue(value);
        const QImage& frame = gauge.frameImage();
        QPainter painter(&window);
        smoothBlit(painter, window.rect(), frame);
    }
}
BENCHMARK(GaugePaintWithCachedDial)->Unit(benchmark::kMicrosecond);

// A rebuild that draws the dial again, for comparison with the paint.
void GaugeDialRebuild(benchmark::State& state)
{
    TFordGauge gauge;
    for (auto _ : state) {
        gauge.setCaption("x");
        benchmark::DoNotOptimize(gauge.dialImage().constBits());
    }
}
BENCHMARK(GaugeDialRebuild)->Unit(benchmark::kMicrosecond);

// The blits of one dashboard paint: a default gauge's frame (twice its size and a pixel),
// through the painter's filter and averaged by hand into a scratch image, and the main
// dashboard's chart, whose bitmap is twice the chart's width and is squeezed into the width
// right of its 100-pixel legend. Timed by the clock: Qt's scaled draws hand rows to its
// painting threads, whose time the calling thread's CPU time leaves out.
void Blit(benchmark::State& state, QSize window, QSize bitmap, bool scratch)
{
    QImage source(bitmap, QImage::Format_RGB32);
    source.fill(Qt::darkGreen);
    QImage target(window, QImage::Format_ARGB32_Premultiplied);
    QImage halved;
    for (auto _ : state) {
        QPainter painter(&target);
        smoothBlit(painter, target.rect(), source, scratch ? &halved : nullptr);
    }
}
BENCHMARK_CAPTURE(Blit, GaugeFrame, QSize(180, 180), QSize(361, 361), false)
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(Blit, GaugeFrameHalvedByHand, QSize(180, 180), QSize(361, 361), true)
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(Blit, Chart, QSize(684, 183), QSize(1569, 367), false)
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
