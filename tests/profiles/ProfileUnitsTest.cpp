// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The shipped dashboards in both systems: scales, limits and captions of the widgets bound
// to a PID whose unit converts follow the choice; the others stay as the file gives them.
#include "profiles/ProfileUnits.h"

#include "ProfileTestSupport.h"
#include "common/Units.h"
#include "profiles/ProfileClasses.h"
#include "profiles/TFordTrend.h"
#include "profiles/TFordTrendItem.h"
#include "profiles/TFordTrendItems.h"
#include "profiles/TGaugeProfile.h"
#include "profiles/TrendScale.h"
#include "store/TFordData.h"
#include "widgets/TFordGauge.h"
#include "widgets/TFordPanel.h"
#include "widgets/TFordValue.h"

#include <QCoreApplication>
#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr float None = NAN;

class ShippedDashboard : public ::testing::Test {
protected:
    void SetUp() override
    {
        registerProfileClasses();
        window.setObjectName("frmVeskorReader");
        panel = new TFordPanel(&window);
        panel->setObjectName("pnBlack");
    }
    void TearDown() override { Units::setCurrent({}); }

    // The widgets of a shipped profile, built in the given system.
    QList<QObject*> build(const char* file, UnitSystem system)
    {
        Units::setCurrent(UnitChoice { system });
        auto* p = new TGaugeProfile(&window);
        p->setDataManager(&store);
        p->LoadHeader(QStringLiteral(VESKOR_PROFILES_DIR "/") + QLatin1String(file), panel);
        p->Activate();
        QCoreApplication::processEvents();
        EXPECT_TRUE(reports.lines().isEmpty()) << reports.lines().join('\n').toStdString();
        return p->Widgets();
    }

    QWidget window;
    TFordPanel* panel = nullptr;
    TFordData store;
    ReportRecorder reports;
};

void expectLimit(float actual, float expected, const char* what)
{
    if (std::isnan(expected))
        EXPECT_TRUE(std::isnan(actual)) << what;
    else
        EXPECT_NEAR(actual, expected, 1e-3) << what;
}

} // namespace

// Converted ranges land on round numbers with about as many big ticks; a range without a
// span, or without ticks, stays.
TEST(DialRange, ConvertedRangesAreRoundedToReadableTicks)
{
    const struct {
        double min, max;
        int intervals;
        DialRange expected;
    } cases[] = {
        { -4, 248, 7, { 0, 250, 5 } }, // coolant −20…120 °C in °F
        { -4, 176, 5, { 0, 175, 7 } }, // intake air −20…80 °C
        { 0, 124.27, 8, { 0, 125, 5 } }, // 0…200 km/h in mph
        { 0, 321.87, 8, { 0, 350, 7 } }, // 0…200 mph in km/h
        { -40, 40, 8, { -40, 40, 8 } },
        { 10, 10, 5, { 10, 10, 5 } },
        { 0, 100, 0, { 0, 100, 0 } },
    };
    for (const auto& c : cases) {
        const DialRange r = roundDialRange(c.min, c.max, c.intervals);
        EXPECT_EQ(r, c.expected) << c.min << "…" << c.max << ": " << r.Min << "…" << r.Max << " in "
                                 << r.Intervals;
    }
}

TEST_F(ShippedDashboard, GaugesScalesLimitsAndCaptionsFollowTheUnits)
{
    const struct {
        const char* file;
        int widget;
        UnitSystem system;
        float min, max;
        int intervals;
        float redLine, warnHigh, alarmHigh;
        const char* caption;
        const char* format;
    } cases[] = {
        { "main.ini", 1, UnitSystem::Metric, -20, 120, 7, 105, 100, 108, "ОЖ, °C", "%.0f °C" },
        { "main.ini", 1, UnitSystem::Imperial, 0, 250, 5, 221, 212, 226.4f, "ОЖ, °F", "%.0f °F" },
        { "main.ini", 2, UnitSystem::Imperial, 0, 175, 7, 140, None, None, "Воздух, °F",
            "%.0f °F" },
        // Engine speed has no other unit.
        { "main.ini", 0, UnitSystem::Imperial, 0, 7000, 7, 5500, 5500, 6200, "об/мин × 1000",
            "%.0f" },
        { "sensors.ini", 2, UnitSystem::Imperial, 0, 125, 5, 111.8468f, None, None, "миль/ч",
            "%.0f миль/ч" },
        { "sensors.ini", 2, UnitSystem::Metric, 0, 200, 8, 180, None, None, "км/ч", "%.0f км/ч" },
    };
    for (const auto& c : cases) {
        const QList<QObject*> widgets = build(c.file, c.system);
        auto* gauge = qobject_cast<TFordGauge*>(widgets.value(c.widget));
        ASSERT_NE(gauge, nullptr) << c.file << " " << c.widget;
        const std::string what = std::string(c.file) + " " + c.caption;
        EXPECT_FLOAT_EQ(gauge->Min(), c.min) << what;
        EXPECT_FLOAT_EQ(gauge->Max(), c.max) << what;
        EXPECT_EQ(gauge->TickCountBig(), c.intervals) << what;
        expectLimit(gauge->RedLine(), c.redLine, "RedLine");
        expectLimit(gauge->WarnHigh(), c.warnHigh, "WarnHigh");
        expectLimit(gauge->AlarmHigh(), c.alarmHigh, "AlarmHigh");
        EXPECT_EQ(gauge->Caption(), QString::fromUtf8(c.caption));
        EXPECT_EQ(gauge->ValueLabelFormat(), QString::fromUtf8(c.format));
    }
}

// The trend's coolant curve: its legend and its range (the store's −20…130 °C); the supply
// voltage's readout keeps its limits in volts.
TEST_F(ShippedDashboard, TrendCurvesAndReadoutsFollowTheUnits)
{
    const struct {
        UnitSystem system;
        const char* legend;
        double lo, hi;
    } cases[] = {
        { UnitSystem::Metric, "ОЖ, °C", -20, 130 },
        { UnitSystem::Imperial, "ОЖ, °F", -4, 266 },
    };
    for (const auto& c : cases) {
        const QList<QObject*> widgets = build("main.ini", c.system);
        auto* chart = qobject_cast<TFordTrend*>(widgets.value(8));
        ASSERT_NE(chart, nullptr);
        const TFordTrendItem* coolant = chart->Trends()->at(1);
        ASSERT_EQ(coolant->PID(), 16);
        EXPECT_EQ(coolant->displayName(), QString::fromUtf8(c.legend));
        const TrendScale scale = curveScale(store, *coolant);
        EXPECT_NEAR(scale.lo, c.lo, 1e-4) << c.legend;
        EXPECT_NEAR(scale.hi, c.hi, 1e-4) << c.legend;
        auto* battery = qobject_cast<TFordValue*>(widgets.value(7));
        ASSERT_NE(battery, nullptr);
        EXPECT_FLOAT_EQ(battery->WarnLow(), 12.2f);
        EXPECT_FLOAT_EQ(battery->AlarmHigh(), 15.5f);
    }
}
