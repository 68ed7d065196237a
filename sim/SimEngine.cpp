// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "SimEngine.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double WarmC = 90;
constexpr double WarmUpS = 240; // time constant of the coolant's warm-up
constexpr double IdleRpm = 800;
constexpr double FastIdleExtraRpm = 400; // the cold engine idles this much higher
constexpr double FlareS = 0.8; // from cranking up to the fast idle
constexpr double ClosedLoopC = 50; // lambda control starts on a coolant this warm

double smoothStep(double x)
{
    x = std::clamp(x, 0.0, 1.0);
    return x * x * (3 - 2 * x);
}

// The idle speed the ECU aims at: a fast idle that falls as the engine warms up.
double idleTarget(double t)
{
    return IdleRpm + FastIdleExtraRpm * std::exp(-(t - SimEngine::CrankingS) / (WarmUpS / 4));
}

} // namespace

double SimEngine::rpm(double t) const
{
    constexpr double Pi = std::numbers::pi;
    if (m_heldRpm > 0)
        return m_heldRpm;
    if (t < CrankingS)
        return 200 + 40 * std::sin(2 * Pi * 4 * t);
    const double idle = idleTarget(t) + 12 * std::sin(2 * Pi * 0.7 * t);
    if (t < CrankingS + FlareS)
        return 200 + (idle - 200) * smoothStep((t - CrankingS) / FlareS);
    const double intoPeriod = std::fmod(t, RevPeriodS) - RevStartS;
    if (intoPeriod >= 0 && intoPeriod < RevLengthS) {
        const double bump = std::sin(Pi * intoPeriod / RevLengthS);
        return idle + (RevPeakRpm - idle) * bump * bump;
    }
    return idle;
}

SimEngineState SimEngine::at(double t) const
{
    SimEngineState s;
    t = std::max(0.0, t);
    s.AirC = AmbientC + 5 * (1 - std::exp(-t / (2 * WarmUpS)));
    s.SpeedKmh = 0;
    s.Lambda = 1.0;
    if (!m_running) {
        s.CoolantC = AmbientC;
        s.BatteryV = 12.4;
        s.ThrottleV = 0.8;
        return s;
    }
    s.Rpm = rpm(t);
    s.CoolantC = AmbientC + (WarmC - AmbientC) * (1 - std::exp(-t / WarmUpS));
    // The starter pulls the battery down; then the alternator charges it.
    s.BatteryV = t < CrankingS ? 10.4 : 14.1 + 0.08 * std::sin(t / 3);
    s.IdleTargetRpm = idleTarget(t);
    // How far the throttle is open: the rise above the (fast) idle, 0 to 1.
    const double revs
        = std::clamp((s.Rpm - s.IdleTargetRpm - 20) / (RevPeakRpm - s.IdleTargetRpm), 0.0, 1.0);
    s.ThrottleV = 0.8 + 1.4 * revs;
    s.SparkDeg = t < CrankingS ? 10 : 12 + 18 * revs;
    s.AirflowKgH = s.Rpm * 0.012 * (1 + 2 * revs);
    s.Lambda = 1.0 + 0.03 * std::sin(2 * std::numbers::pi * 1.1 * t);
    s.InjectionMs = t < CrankingS ? 6.0 : 2.4 + 0.8 * revs + (WarmC - s.CoolantC) / 70;
    s.IdleValvePct = 25 + 15 * (WarmC - s.CoolantC) / (WarmC - AmbientC);
    s.ClosedLoop = t >= CrankingS && s.CoolantC >= ClosedLoopC;
    s.Mode = t < CrankingS ? 0 : revs > 0.05 ? 3 : s.CoolantC < ClosedLoopC ? 1 : 2;
    return s;
}
