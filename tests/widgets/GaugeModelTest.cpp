// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "WidgetTestSupport.h"
#include "widgets/TFordGauge.h"
#include "widgets/TFordGaugeItem.h"
#include "widgets/TGaugeGeometry.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMetaProperty>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// The direction φ of a needle, in (−180, 180].
double needlePhi(const TGaugeGeometry& g, const TNeedle& needle)
{
    double phi = std::fmod(g.dir() * needle.angle, 360.0);
    if (phi <= -180)
        phi += 360;
    if (phi > 180)
        phi -= 360;
    return phi;
}

double ownPhi(TFordGauge& gauge)
{
    return needlePhi(gauge.geometry(), gauge.ownNeedle());
}

// A gauge that counts its paints.
class CountingGauge : public TFordGauge {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* e) override
    {
        ++paints;
        TFordGauge::paintEvent(e);
    }
};

// Paints caused by a change, counted once a paint that waits for the end of a frame has come.
int paintsAfter(CountingGauge& gauge, const std::function<void()>& change)
{
    QTest::qWait(40);
    gauge.paints = 0;
    change();
    QTest::qWait(40);
    return gauge.paints;
}

} // namespace

TEST(GaugeGeometry, ImageSizeAndCentre)
{
    TFordGauge gauge;
    EXPECT_EQ(gauge.size(), QSize(160, 160));
    EXPECT_EQ(gauge.geometry().imageSize(), QSize(321, 321));
    EXPECT_DOUBLE_EQ(gauge.geometry().cx(), 160.5);
    EXPECT_DOUBLE_EQ(gauge.geometry().cy(), 160.5);

    gauge.setSmoothFactor(3);
    EXPECT_EQ(gauge.geometry().imageSize(), QSize(481, 481));
    gauge.setSmoothFactor(1);
    EXPECT_EQ(gauge.geometry().imageSize(), QSize(160, 160));
    gauge.setSmoothFactor(0);
    gauge.setSmoothFactor(8);
    gauge.setSmoothFactor(-3);
    EXPECT_EQ(gauge.SmoothFactor(), 1);

    gauge.setSmoothFactor(2);
    gauge.resize(200, 100);
    EXPECT_EQ(gauge.geometry().imageSize(), QSize(401, 201));
    EXPECT_DOUBLE_EQ(gauge.geometry().cx(), 200.5);
    EXPECT_DOUBLE_EQ(gauge.geometry().cy(), 200.5);
    gauge.setGaugeOffsetY(-50);
    EXPECT_DOUBLE_EQ(gauge.geometry().cy(), 100.5);
}

TEST(GaugeGeometry, ValuesPointAlongTheScale)
{
    TFordGauge gauge;
    gauge.setValue(50);
    EXPECT_NEAR(std::fabs(ownPhi(gauge)), 180, 1e-9);
    gauge.setValue(0);
    EXPECT_NEAR(ownPhi(gauge), -60, 1e-9);
    gauge.setValue(100);
    EXPECT_NEAR(ownPhi(gauge), 60, 1e-9);
    // The tip lies ArrowRadius·k from the centre in that direction.
    EXPECT_NEAR(gauge.ownNeedle().tipX, 140 * std::sin(60 * M_PI / 180), 1e-9);
    EXPECT_NEAR(gauge.ownNeedle().tipY, 140 * std::cos(60 * M_PI / 180), 1e-9);

    gauge.setGaugeDirection(Gauge::fgdCounterclockwise);
    EXPECT_NEAR(ownPhi(gauge), -60, 1e-9);
    gauge.setValue(0);
    EXPECT_NEAR(ownPhi(gauge), 60, 1e-9);

    gauge.setGaugeDirection(Gauge::fgdClockwise);
    gauge.setGaugePosition(Gauge::fgpBottom);
    EXPECT_NEAR(ownPhi(gauge), -60, 1e-9);
    gauge.setValue(50);
    EXPECT_NEAR(ownPhi(gauge), 0, 1e-9); // through the bottom
}

TEST(GaugeGeometry, ValuesBeyondTheScaleRestOnTheEndStopsAndComeBack)
{
    // A −20 … 120 coolant gauge: 90, then an overheating 130, then 95 again.
    TFordGauge gauge;
    gauge.setMin(-20);
    gauge.setMax(120);
    gauge.setValue(90);
    const double at90 = ownPhi(gauge);
    gauge.setValue(130);
    EXPECT_NEAR(ownPhi(gauge), 60, 1e-6); // on the upper end stop, not at 90
    EXPECT_FLOAT_EQ(gauge.Value(), 130);
    gauge.frameImage();
    EXPECT_EQ(gauge.ownNeedle().labelText, "130 mV"); // the label tells the true value
    gauge.setCaption("x"); // a rebuild keeps it on the stop, never in the gap
    EXPECT_NEAR(ownPhi(gauge), 60, 1e-6);
    gauge.setValue(90);
    EXPECT_NEAR(ownPhi(gauge), at90, 1e-6);
    gauge.setValue(-40);
    EXPECT_NEAR(ownPhi(gauge), -60, 1e-6);
    gauge.setValue(std::numeric_limits<float>::infinity());
    EXPECT_NEAR(ownPhi(gauge), 60, 1e-6);
    gauge.setValue(-20.5f);
    EXPECT_NEAR(ownPhi(gauge), -60, 1e-6);

    // Arrow items stop at the ends too.
    TFordGaugeItem* item = gauge.Arrows()->add();
    item->setPID(15);
    sendPid(gauge, 15, 500);
    EXPECT_NEAR(needlePhi(gauge.geometry(), item->needle()), 60, 1e-6);
    sendPid(gauge, 15, 50);
    EXPECT_NEAR(needlePhi(gauge.geometry(), item->needle()), 360 - (60 + 240.0 * 70 / 140), 1e-4);
}

TEST(GaugeGeometry, GaugeWithMinAboveMaxFollowsItsValues)
{
    // A falling scale: 100 at the left end, 0 at the right.
    TFordGauge gauge;
    gauge.setMin(100);
    gauge.setMax(0);
    gauge.setValue(100);
    EXPECT_NEAR(ownPhi(gauge), -60, 1e-6);
    gauge.setValue(50);
    EXPECT_NEAR(std::fabs(ownPhi(gauge)), 180, 1e-6);
    gauge.setValue(0);
    EXPECT_NEAR(ownPhi(gauge), 60, 1e-6);
    gauge.setValue(-30);
    EXPECT_NEAR(ownPhi(gauge), 60, 1e-6);
    gauge.setValue(130);
    EXPECT_NEAR(ownPhi(gauge), -60, 1e-6);
}

TEST(GaugeGeometry, CaptionLiesWhereNoNeedleGoesWhateverTheSmoothFactor)
{
    // A caption of about 80 × 15 control pixels on a 180 × 180 gauge of radius 82.
    const auto captionRect = [](TFordGauge& gauge) {
        const TGaugeGeometry& g = gauge.geometry();
        const QSizeF text(80 * g.scale(), 15 * g.scale());
        const QPointF c = g.captionCentre(text);
        return QRectF(
            c.x() - text.width() / 2, c.y() - text.height() / 2, text.width(), text.height());
    };
    const auto needleCrosses = [](TFordGauge& gauge, const QRectF& caption) {
        for (float v = gauge.Min(); v <= gauge.Max(); v += (gauge.Max() - gauge.Min()) / 100) {
            gauge.setValue(v);
            const TGaugeGeometry& g = gauge.geometry();
            const TNeedle& n = gauge.ownNeedle();
            for (int i = 0; i <= 200; ++i)
                if (caption.contains(QPointF(g.cx() + n.tipX * i / 200, g.cy() + n.tipY * i / 200)))
                    return true;
        }
        return false;
    };
    QRectF first;
    for (int k = 1; k <= 7; ++k) {
        TFordGauge gauge;
        gauge.resize(180, 180);
        gauge.setGaugeRadius(82);
        gauge.setArrowRadius(74);
        gauge.setSmoothFactor(k);
        const QRectF caption = captionRect(gauge);
        const double s = gauge.geometry().scale();
        const QRectF control(caption.topLeft() / s, caption.size() / s);
        if (k == 1)
            first = control;
        EXPECT_NEAR(control.center().y(), first.center().y(), 1) << k;
        EXPECT_NEAR(control.center().x(), first.center().x(), 1) << k;
        EXPECT_GT(control.top(), 90) << k; // below the centre, in the gap at the bottom
        EXPECT_LT(control.bottom(), 90 + 82) << k; // on the dial
        EXPECT_FALSE(needleCrosses(gauge, caption)) << k;
    }
    // A dial along the lower arc has its gap, and its caption, at the top.
    TFordGauge bottom;
    bottom.resize(180, 180);
    bottom.setGaugePosition(Gauge::fgpBottom);
    const QRectF caption = captionRect(bottom);
    EXPECT_LT(caption.bottom(), bottom.geometry().cy());
    EXPECT_FALSE(needleCrosses(bottom, caption));
}

TEST(GaugeGeometry, LabelShowsDashesUntilTheFirstValueCame)
{
    TFordGauge gauge;
    gauge.setPID(15);
    gauge.setValueLabelFormat("%.0f °C");
    gauge.frameImage();
    EXPECT_EQ(gauge.ownNeedle().labelText, "--- °C");
    sendPid(gauge, 15, 0);
    gauge.frameImage();
    EXPECT_EQ(gauge.ownNeedle().labelText, "0 °C");

    // The refresh sends items to Min but is no reading.
    TFordGauge items;
    TFordGaugeItem* item = items.Arrows()->add();
    item->setPID(3);
    sendPid(items, 0, 0);
    items.frameImage();
    EXPECT_EQ(item->needle().labelText, "--- mV");
    sendPid(items, 3, 7);
    items.frameImage();
    EXPECT_EQ(item->needle().labelText, "7 mV");
}

TEST(GaugeGeometry, UnchangedValueCausesNoRepaint)
{
    CountingGauge gauge;
    gauge.show();
    EXPECT_EQ(paintsAfter(gauge, [&] { gauge.setValue(30); }), 1);
    EXPECT_EQ(paintsAfter(gauge, [&] { gauge.setValue(30); }), 0);
    EXPECT_EQ(paintsAfter(gauge, [&] { gauge.setValue(30.000000001f); }), 0);
    EXPECT_EQ(paintsAfter(gauge, [&] { sendPid(gauge, 0, 30); }), 0);
    // Rebuild-class setters repaint nothing; repaint-class ones do.
    EXPECT_EQ(paintsAfter(gauge, [&] { gauge.setCaption("x"); }), 0);
    EXPECT_EQ(paintsAfter(gauge, [&] { gauge.setArrowColor(clRed); }), 1);
    EXPECT_EQ(paintsAfter(gauge, [&] { gauge.Font()->setSize(12); }), 1);
    EXPECT_EQ(paintsAfter(gauge, [&] { gauge.setPID(3); }), 0);
}

TEST(GaugeGeometry, ReadingsFasterThanTheEyePaintOncePerFrameAndTheLastOneIsShown)
{
    CountingGauge gauge;
    gauge.setPID(5);
    gauge.show();
    QTest::qWait(100);
    // After a quiet spell the first reading is painted at once.
    gauge.paints = 0;
    sendPid(gauge, 5, 10);
    QCoreApplication::processEvents();
    EXPECT_EQ(gauge.paints, 1);
    QElapsedTimer burst;
    burst.start();
    float value = 10;
    gauge.paints = 0;
    while (burst.elapsed() < 200) {
        value += 1;
        sendPid(gauge, 5, value);
        QCoreApplication::processEvents();
    }
    const int burstPaints = gauge.paints;
    EXPECT_GE(burstPaints, 4);
    EXPECT_LE(burstPaints, 10);
    // The last reading is painted, at the end of the frame.
    gauge.paints = 0;
    QTRY_COMPARE(gauge.paints, 1);
    EXPECT_FLOAT_EQ(gauge.Value(), value);
}

TEST(GaugeItems, OnlyTheMatchingItemMovesAndRefreshSendsAllToMin)
{
    TFordGauge gauge;
    gauge.setPID(5);
    gauge.setMin(10);
    TFordGaugeItem* a = gauge.Arrows()->add();
    TFordGaugeItem* b = gauge.Arrows()->add();
    a->setPID(5);
    b->setPID(6);
    sendPid(gauge, 5, 40);
    EXPECT_FLOAT_EQ(a->Value(), 40);
    EXPECT_FLOAT_EQ(b->Value(), 0);
    EXPECT_FLOAT_EQ(gauge.Value(), 0); // the own arrow is not used
    sendPid(gauge, 6, 70);
    EXPECT_FLOAT_EQ(b->Value(), 70);
    EXPECT_NEAR(needlePhi(gauge.geometry(), b->needle()), 360 - (60 + 240.0 * 60 / 90), 1e-4);
    sendPid(gauge, 0, 55);
    EXPECT_FLOAT_EQ(a->Value(), 10);
    EXPECT_FLOAT_EQ(b->Value(), 10);

    // Without items a refresh is ignored and the own PID counts.
    TFordGauge single;
    single.setPID(5);
    sendPid(single, 5, 20);
    sendPid(single, 0, 0);
    EXPECT_FLOAT_EQ(single.Value(), 20);
    EXPECT_EQ(sendPid(single, 5, 21), 0); // the result stays 0
}

TEST(GaugeItems, ItemOnPidZeroTakesTheValueThenMin)
{
    TFordGauge gauge;
    gauge.setMin(5);
    TFordGaugeItem* item = gauge.Arrows()->add();
    sendPid(gauge, 0, 50);
    EXPECT_FLOAT_EQ(item->Value(), 5);
}

TEST(GaugeItems, NewItemsCopyTheGaugesArrowSettings)
{
    TFordGauge gauge;
    TFordGaugeItem* before = gauge.Arrows()->add();
    gauge.setArrowColor(clRed);
    gauge.setArrowRadius(50);
    gauge.setValueLabelFormat("%.2f V");
    gauge.ValueFont()->setSize(14);
    TFordGaugeItem* after = gauge.Arrows()->add();
    EXPECT_EQ(before->ArrowColor(), clGray);
    EXPECT_EQ(after->ArrowColor(), clRed);
    EXPECT_EQ(after->ArrowRadius(), 50);
    EXPECT_EQ(after->ValueLabelFormat(), "%.2f V");
    EXPECT_EQ(after->ValueFont()->Size(), 14);
    EXPECT_NE(after->ValueFont(), gauge.ValueFont()); // its own copy
    EXPECT_EQ(after->DisplayMode(), Gauge::gamNormal);
}

TEST(GaugeItems, AssigningArrowsCopiesTheItemsAndNoneIsRefused)
{
    ProblemRecorder problems;
    TFordGauge source, target;
    TFordGaugeItem* s = source.Arrows()->add();
    s->setPID(9);
    s->setDisplayMode(Gauge::gamMax);
    s->setArrowColor(clBlue);
    s->setValue(33);
    s->setValueLabelX(5);
    target.setValueLabelX(70);
    target.assignArrows(source.Arrows());
    ASSERT_EQ(target.Arrows()->count(), 1);
    TFordGaugeItem* t = target.Arrows()->at(0);
    EXPECT_EQ(t->PID(), 9);
    EXPECT_EQ(t->DisplayMode(), Gauge::gamMax);
    EXPECT_EQ(t->ArrowColor(), clBlue);
    EXPECT_FLOAT_EQ(t->Value(), 33);
    EXPECT_EQ(t->ValueLabelX(), 70); // label settings are the target's own
    EXPECT_EQ(t->gauge(), &target);

    target.assignArrows(target.Arrows());
    EXPECT_EQ(target.Arrows()->count(), 1);
    target.assignArrows(nullptr);
    EXPECT_EQ(target.Arrows()->count(), 1);
    EXPECT_EQ(problems.list().size(), 1);
    EXPECT_EQ(target.Arrows()->item(5), nullptr);
}

TEST(GaugeProperties, PublishedWithTheirKinds)
{
    TFordGauge gauge;
    const QMetaObject* meta = gauge.metaObject();
    const auto type
        = [&](const char* name) { return meta->property(meta->indexOfProperty(name)).metaType(); };
    EXPECT_EQ(type("PID"), QMetaType::fromType<quint8>());
    EXPECT_EQ(type("Min"), QMetaType::fromType<float>());
    EXPECT_EQ(type("GaugeColor"), QMetaType::fromType<TColor>());
    EXPECT_EQ(type("Color"), QMetaType::fromType<TColor>());
    EXPECT_EQ(type("TickLabelFormat"), QMetaType::fromType<QString>());
    EXPECT_TRUE(meta->property(meta->indexOfProperty("GaugePosition")).isEnumType());
    EXPECT_TRUE(meta->property(meta->indexOfProperty("Arrows")).metaType().flags()
        & QMetaType::PointerToQObject);
    for (const char* name : { "Left", "Top", "Width", "Height", "Visible", "Font", "ValueFont",
             "SmoothFactor", "MaxMinResetDelay", "ArrowCenterBack", "TickLabelRatio" })
        EXPECT_GE(meta->indexOfProperty(name), 0) << name;

    EXPECT_TRUE(gauge.setProperty("GaugePosition", QVariant::fromValue(Gauge::fgpBottom)));
    EXPECT_EQ(gauge.GaugePosition(), Gauge::fgpBottom);
    EXPECT_TRUE(gauge.setProperty("Min", 0.5f));
    EXPECT_FLOAT_EQ(gauge.Min(), 0.5f);
    QObject* item = gauge.Arrows()->add();
    EXPECT_TRUE(item->setProperty("ArrowColor", QVariant::fromValue(clRed)));
    EXPECT_EQ(gauge.Arrows()->at(0)->ArrowColor(), clRed);
}

TEST(GaugeProperties, NoValueCrashesAndEachProblemIsReportedOnce)
{
    ProblemRecorder problems;
    TFordGauge gauge;
    gauge.show();
    gauge.setMax(0); // Max = Min
    gauge.setTickCountBig(0);
    gauge.setTickLabelRatio(0);
    gauge.setValueLabelFormat("%s");
    gauge.setTickLabelFormat("%d");
    gauge.setGaugeRadius(2000000000);
    gauge.setTickSizeBig(-2000000000);
    gauge.setGaugeOffsetX(2000000000);
    gauge.setArrowCenterRadius(2000000000);
    gauge.setAngleLeft(std::numeric_limits<float>::infinity());
    for (int i = 0; i < 20; ++i) {
        sendPid(gauge, 0, float(i));
        gauge.frameImage();
        gauge.repaint();
    }
    const int reports = int(problems.list().size());
    EXPECT_GE(reports, 3);
    gauge.frameImage();
    gauge.setCaption("again"); // a rebuild draws the dial again
    gauge.frameImage();
    EXPECT_EQ(problems.list().size(), reports);

    gauge.setMax(100);
    gauge.setTickCountBig(2000000000);
    gauge.setTickCountSmall(2000000000);
    gauge.frameImage();
    gauge.resize(100000, 100000); // too large to draw at all
    gauge.repaint();
    EXPECT_TRUE(gauge.frameImage().isNull());
    gauge.resize(160, 160);
    EXPECT_FALSE(gauge.frameImage().isNull());
}
