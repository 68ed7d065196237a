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

// The blits of one dashboard paint: a default gauge's frame (twice its size and a pixel)
// and the main dashboard's chart, whose bitmap is twice the chart's width and is squeezed
// into the width right of its 100-pixel legend. Each is drawn one to one and fitted (the
// dashboard scaled by 0.9, as in a window of its first size), by `smoothBlit` with the
// gauge's scratch image, and by Qt's own scaled draw of the whole image for
// comparison. Timed by the clock: Qt's scaled draws hand rows to its painting threads, whose
// time the calling thread's CPU time leaves out.
enum class BlitBy { QtScaledDraw, SmoothBlit };
void Blit(benchmark::State& state, QSize window, QSize bitmap, double scale, BlitBy by)
{
    QImage source(bitmap, QImage::Format_RGB32);
    source.fill(Qt::darkGreen);
    QImage target((QSizeF(window) * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    QImage halved;
    for (auto _ : state) {
        QPainter painter(&target);
        painter.scale(scale, scale);
        const QRect area(QPoint(0, 0), window);
        if (by == BlitBy::QtScaledDraw) {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(area, source);
        } else
            smoothBlit(painter, area, source, &halved);
    }
}
#define VESKOR_BLIT_BY(name, window, bitmap, scale, by)                                            \
    BENCHMARK_CAPTURE(Blit, name##by, window, bitmap, scale, BlitBy::by)                           \
        ->Unit(benchmark::kMicrosecond)                                                            \
        ->UseRealTime()
#define VESKOR_BLIT(name, window, bitmap)                                                          \
    VESKOR_BLIT_BY(name, window, bitmap, 1.0, QtScaledDraw);                                       \
    VESKOR_BLIT_BY(name, window, bitmap, 1.0, SmoothBlit);                                         \
    VESKOR_BLIT_BY(name##Fitted, window, bitmap, 0.9, QtScaledDraw);                               \
    VESKOR_BLIT_BY(name##Fitted, window, bitmap, 0.9, SmoothBlit)
VESKOR_BLIT(GaugeFrame, QSize(180, 180), QSize(361, 361));
VESKOR_BLIT(Chart, QSize(684, 183), QSize(1569, 367));
#undef VESKOR_BLIT
#undef VESKOR_BLIT_BY

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
