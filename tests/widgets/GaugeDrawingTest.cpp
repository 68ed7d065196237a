// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "WidgetTestSupport.h"
#include "widgets/DialPainter.h"
#include "widgets/SmoothBlit.h"
#include "widgets/TFordGauge.h"
#include "widgets/TFordGaugeItem.h"

#include <QApplication>
#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// The image pixel at direction φ and radius (image pixels) from the gauge's centre.
QColor at(const QImage& image, TFordGauge& gauge, double phi, double radius)
{
    const QPointF p = gauge.geometry().at(phi, radius);
    return image.pixelColor(int(std::lround(p.x())), int(std::lround(p.y())));
}

bool isBlack(const QColor& c)
{
    return c.red() < 40 && c.green() < 40 && c.blue() < 40;
}

// φ of value v on a default (0 to 100, clockwise, top) scale.
double phiOf(double v)
{
    return -(v * 2.4 + 60);
}

} // namespace

TEST(GaugeDial, DefaultDialHasArcRedZoneTicksAndGlow)
{
    TFordGauge gauge;
    const QImage& dial = gauge.dialImage();
    ASSERT_EQ(dial.size(), QSize(321, 321));
    EXPECT_EQ(dial.pixelColor(2, 318), clBtnFace.toQColor());
    EXPECT_TRUE(isBlack(at(dial, gauge, 180, 140))); // dial arc over the top
    EXPECT_EQ(at(dial, gauge, phiOf(90), 132), QColor(255, 0, 0)); // red zone at value 90
    EXPECT_NE(at(dial, gauge, phiOf(50), 132), QColor(255, 0, 0)); // none at 50
    // Ticks reach inward from the arc (inner edge at 135): big ones to 100, small ones to 120.
    EXPECT_TRUE(isBlack(at(dial, gauge, -60 - 240.0 / 7, 110))); // second big tick
    EXPECT_TRUE(isBlack(at(dial, gauge, -60 - 240.0 / 35, 126))); // first small tick after it
    EXPECT_FALSE(isBlack(at(dial, gauge, -60 - 240.0 / 70, 126))); // between ticks
    // The glow fades from the yellow rim towards the background.
    const QColor rim = at(dial, gauge, -60 - 240.0 / 70, 128);
    const QColor inner = at(dial, gauge, -60 - 240.0 / 70, 60);
    EXPECT_LT(rim.blue(), inner.blue());
    EXPECT_GT(rim.red(), 200);
    // Nothing of the arc below the gap at the bottom.
    EXPECT_FALSE(isBlack(at(dial, gauge, 0, 140)));
}

TEST(GaugeDial, GlowColourStepsTowardTheBackground)
{
    const QRgb glow = qRgb(255, 255, 0), back = qRgb(240, 240, 240);
    EXPECT_EQ(TDialPainter::glowColor(glow, back, 0), qRgb(253, 253, 40));
    EXPECT_EQ(
        TDialPainter::glowColor(glow, back, 1000000000), TDialPainter::glowColor(glow, back, 200));
    const QRgb far = TDialPainter::glowColor(glow, back, 200);
    EXPECT_LE(std::abs(qBlue(far) - 240), 5);
    EXPECT_LE(std::abs(qRed(far) - 240), 15); // stops within 5 per step of a sixth
}

TEST(GaugeDial, TickCountsBelowOneDrawNoTicks)
{
    TFordGauge small;
    small.setTickCountSmall(1);
    EXPECT_FALSE(isBlack(at(small.dialImage(), small, -60 - 240.0 / 35, 126)));
    EXPECT_TRUE(isBlack(at(small.dialImage(), small, -60 - 240.0 / 7, 126)));

    TFordGauge none;
    none.setTickCountBig(-1);
    EXPECT_FALSE(isBlack(at(none.dialImage(), none, -60 - 240.0 / 7, 110)));
    EXPECT_FALSE(isBlack(at(none.dialImage(), none, -60, 110)));
}

TEST(GaugeDial, CounterclockwiseDialMirrorsItsRedZone)
{
    TFordGauge gauge;
    gauge.setGaugeDirection(Gauge::fgdCounterclockwise);
    const QImage& dial = gauge.dialImage();
    EXPECT_EQ(at(dial, gauge, -phiOf(90), 132), QColor(255, 0, 0));
    EXPECT_NE(at(dial, gauge, phiOf(90), 132), QColor(255, 0, 0));
}

TEST(GaugeDial, UncomputableScaleLeavesOutRedZoneAndNeedle)
{
    ProblemRecorder problems;
    TFordGauge gauge;
    gauge.setMax(0);
    gauge.setValue(0);
    const QImage& frame = gauge.frameImage();
    EXPECT_NE(at(frame, gauge, phiOf(90), 132), QColor(255, 0, 0));
    EXPECT_TRUE(isBlack(at(frame, gauge, 180, 140))); // the arc is still there
    EXPECT_EQ(problems.list().size(), 1);
}

TEST(GaugeFrame, NeedlePointsAtTheValue)
{
    TFordGauge gauge;
    gauge.setArrowBack(clBlue);
    gauge.setArrowColor(clBlue);
    gauge.setValue(50);
    // The wedge narrows to its point at the tip; near the centre it is a few pixels wide.
    const QColor blue(0, 0, 255);
    EXPECT_EQ(at(gauge.frameImage(), gauge, 180, 30), blue);
    EXPECT_NE(at(gauge.frameImage(), gauge, phiOf(0), 30), blue);
    gauge.setValue(0);
    EXPECT_EQ(at(gauge.frameImage(), gauge, phiOf(0), 30), blue);
    EXPECT_NE(at(gauge.frameImage(), gauge, 180, 30), blue);
    // It reaches a tenth of its length behind the centre.
    EXPECT_EQ(at(gauge.frameImage(), gauge, phiOf(0) + 180, 10), blue);
    EXPECT_NE(at(gauge.frameImage(), gauge, phiOf(0) + 180, 20), blue);
    // The dial stays as it was: only the frame carries the needle.
    EXPECT_NE(at(gauge.dialImage(), gauge, phiOf(0), 30), blue);
}

TEST(GaugeFrame, ValueLabelsUseTheirOwnFontsAndShowFlags)
{
    TFordGauge gauge;
    TFordGaugeItem* shown = gauge.Arrows()->add();
    TFordGaugeItem* hidden = gauge.Arrows()->add();
    shown->ValueFont()->setColor(clRed);
    shown->setValueLabelY(130);
    hidden->setValueShow(false);
    hidden->setValueLabelY(30);
    const QImage& frame = gauge.frameImage();
    const auto redIn = [&](int y0, int y1) {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = 100; x < 220; ++x)
                if (frame.pixelColor(x, y) == QColor(255, 0, 0))
                    ++n;
        return n;
    };
    EXPECT_GT(redIn(250, 270), 0); // the label of item 0 at y = 260 in image pixels
    hidden->setValueShow(true); // item setters are seen at the next paint
    hidden->ValueFont()->setColor(clRed);
    EXPECT_EQ(redIn(50, 70), 0);
    const QImage& again = gauge.frameImage();
    EXPECT_EQ(&again, &frame);
    EXPECT_GT(redIn(50, 70), 0);
}

// Each frame puts back only the part of the dial that the last one drew over: after any
// run of values, label widths and hidden labels, the frame is the one a new gauge draws.
TEST(GaugeFrame, PuttingBackWhatTheLastFrameDrewGivesTheWholeFrame)
{
    const auto setUp = [](TFordGauge& gauge) {
        gauge.setValueLabelFormat("%.1f");
        gauge.setArrowCenterRadius(12);
    };
    struct Step {
        float value;
        bool labelShown;
    };
    TFordGauge moving;
    setUp(moving);
    moving.frameImage();
    for (const auto& [value, labelShown] :
        { Step { 0, true }, { 100, true }, { 50, true }, { 12345.6f, true }, { 7, false },
            { 93, false }, { 93, true }, { -40, true }, { 0.5f, true } }) {
        if (moving.ValueShow() != labelShown)
            moving.setValueShow(labelShown);
        moving.setValue(value);
        TFordGauge fresh;
        setUp(fresh);
        fresh.setValueShow(labelShown);
        fresh.setValue(value);
        EXPECT_TRUE(moving.frameImage() == fresh.frameImage()) << value << " " << labelShown;
    }
}

TEST(GaugeFrame, CentreCapCoversTheCentre)
{
    TFordGauge gauge;
    gauge.setArrowCenterRadius(10);
    gauge.setArrowCenterBack(clGreen);
    EXPECT_EQ(gauge.frameImage().pixelColor(160, 160), QColor(0, 128, 0));
}

TEST(GaugeFrame, WindowShowsTheFrameScaledDownOrAsItIs)
{
    TFordGauge gauge;
    gauge.setArrowBack(clBlue);
    gauge.setArrowColor(clBlue);
    gauge.setValue(50);
    QImage shown = gauge.grab().toImage();
    ASSERT_EQ(shown.size(), QSize(160, 160));
    // The wide red zone stays red when scaled down; the thin needle is blended.
    const QPointF red = gauge.geometry().at(phiOf(90), 132) / 2.006;
    EXPECT_EQ(shown.pixelColor(red.toPoint()), QColor(255, 0, 0));
    const QColor needle = shown.pixelColor(80, 30);
    EXPECT_GT(needle.blue(), needle.red() + 40);

    gauge.setSmoothFactor(1);
    shown = gauge.grab().toImage();
    EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32),
        gauge.frameImage().convertToFormat(QImage::Format_RGB32));
}

// Test images of any size: one-pixel lines, noise, a gradient.
std::vector<QImage> blitSources(QSize size)
{
    QImage lines(size, QImage::Format_ARGB32_Premultiplied);
    lines.fill(Qt::black);
    for (int x = 0; x < lines.width(); x += 3)
        for (int y = 0; y < lines.height(); ++y)
            lines.setPixelColor(x, y, Qt::white);
    QImage noise(size, QImage::Format_ARGB32_Premultiplied);
    uint32_t seed = 7;
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x) {
            seed = seed * 1103515245u + 12345u;
            noise.setPixel(x, y, 0xFF000000u | (seed >> 8));
        }
    QImage gradient(size, QImage::Format_RGB32);
    for (int y = 0; y < gradient.height(); ++y)
        for (int x = 0; x < gradient.width(); ++x)
            gradient.setPixelColor(x, y, QColor(x * 255 / size.width(), y * 5 % 256, 128));
    return { lines, noise, gradient };
}

int worstChannelDifference(const QImage& a, const QImage& b)
{
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            worst = std::max({ worst, std::abs(p.red() - q.red()), std::abs(p.green() - q.green()),
                std::abs(p.blue() - q.blue()) });
        }
    return worst;
}

// A frame of twice the window's size (and one pixel more, as a gauge draws it) is shown as
// area-averaging shows it, whatever it holds, whether the painter's filter takes it down or
// it is averaged by hand into the caller's scratch image. The window's odd width takes the
// last column past the four-pixel steps.
TEST(GaugeFrame, HalfSizeBlitAveragesAsSmoothScalingDoes)
{
    const QSize window(33, 24);
    for (const bool byHand : { false, true })
        for (const int margin : { 0, 1 }) {
            SCOPED_TRACE(testing::Message() << "by hand " << byHand << ", margin " << margin);
            for (const QImage& source : blitSources(window * 2 + QSize(margin, margin))) {
                QImage shown(window, QImage::Format_ARGB32_Premultiplied);
                shown.fill(Qt::transparent);
                QImage scratch;
                {
                    QPainter painter(&shown);
                    smoothBlit(painter, shown.rect(), source, byHand ? &scratch : nullptr);
                }
                EXPECT_EQ(scratch.isNull(), !byHand);
                // The margin is left out.
                const QImage expected
                    = source.copy(QRect(QPoint(0, 0), window * 2))
                          .scaled(window, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
                EXPECT_LE(worstChannelDifference(shown, expected), byHand ? 1 : 2);
            }
        }
}

// A gauge's value label takes the colour of its limit: amber pixels only while the value
// is at or past the warning limit.
TEST(GaugeDial, ValueLabelTurnsAmberPastItsLimit)
{
    TFordGauge gauge;
    gauge.setPID(1);
    gauge.setWarnHigh(100);
    const QColor amber = limitColour(ValueLimits::Warning, true);
    const auto amberPixels = [&] {
        const QImage& frame = gauge.frameImage();
        int n = 0;
        for (int y = 0; y < frame.height(); ++y)
            for (int x = 0; x < frame.width(); ++x)
                n += frame.pixelColor(x, y) == amber;
        return n;
    };
    for (const auto& [value, amberShown] :
        { std::pair { 50.0f, false }, { 120.0f, true }, { 60.0f, false } }) {
        sendPid(gauge, 1, value);
        EXPECT_EQ(gauge.limitLevel() == ValueLimits::Warning, amberShown) << value;
        EXPECT_EQ(amberPixels() > 20, amberShown) << value;
    }
}
