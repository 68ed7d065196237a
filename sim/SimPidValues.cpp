// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "SimPidValues.h"

#include <algorithm>
#include <cmath>

namespace {

// The coolant temperature from which the status word reports a warm engine.
constexpr double WarmEnoughC = 70;

uint16_t raw(double value)
{
    return uint16_t(std::clamp(std::lround(value), 0L, 0xFFFL));
}

// Temperatures travel as half the Fahrenheit reading.
uint16_t temperature(double celsius)
{
    return raw((celsius * 9 / 5 + 32) / 2);
}

} // namespace

namespace SimPidValues {

uint16_t value(uint8_t pid, const SimEngineState& s, double seconds)
{
    switch (pid) {
    case 1: // engine speed, rpm
        return raw(s.Rpm / 4);
    case 4: // spark advance, degrees
    case 43:
        return raw(s.SparkDeg / 0.25);
    case 9: // throttle position, A/D counts of 5 V
        return raw(s.ThrottleV / 5 * 4095);
    case 12: // injector pulse width: the reading, x / 8.67, comes out in milliseconds
        return raw(s.InjectionMs * 8.6666667);
    case 13: // lambda
        return raw(2048 / s.Lambda);
    case 15: // air charge temperature, degrees Celsius
        return temperature(s.AirC);
    case 16: // coolant, degrees Celsius
        return temperature(s.CoolantC);
    case 17: // supply voltage, sixteenths of a volt
        return raw(s.BatteryV * 16);
    case 40: // intake air mass flow, kg/h over 4
        return raw(s.AirflowKgH / 4 / 0.0625);
    case 23: // idle air valve, percent
    case 54:
        return raw(s.IdleValvePct / 0.5);
    case 24: // vehicle speed, km/h
        return raw(s.SpeedKmh / (0.03125 * 1.609344));
    case 38: // injector pulse width, microseconds
        return raw(s.InjectionMs * 1000 / 2);
    case 39: // throttle sensor, volts
        return raw(s.ThrottleV / 0.0488);
    case 42: // idle speed target, steps of 16 rpm
        return raw(s.IdleTargetRpm / 16);
    case 45: // status word: running, idle, warm, closed loop, revving
        return raw((s.Rpm > 400 ? 0x01 : 0) | (s.ThrottleV < 1.0 ? 0x02 : 0)
            | (s.CoolantC >= WarmEnoughC ? 0x04 : 0) | (s.ClosedLoop ? 0x08 : 0)
            | (s.Rpm > 2000 ? 0x10 : 0));
    case 26: // bit map 0: fuel pump (bit 7) while the engine turns; in neutral, no purge,
             // the air conditioning off (bit 11)
        return raw((s.Rpm > 0 ? 0x080 : 0) | 0x800);
    case 27: // bit map 1: closed loop fuel control (bit 0)
        return raw(s.ClosedLoop ? 0x001 : 0);
    case 46: // status word: configuration bits that never change
        return 0x005;
    case 47: // status word: no warnings
        return 0;
    case 55: // operating mode: cranking, warm-up, idle, part load
        return uint16_t(s.Mode);
    case 56: // lambda control: open or closed loop
        return s.ClosedLoop ? 1 : 0;
    case 48: // a 5 V sensor near mid-range
        return raw(2.5 / 0.0488);
    case 53: // base spark, degrees
        return raw(10 / 0.25);
    default:
        break;
    }
    // Counters and flags of the ECU that the model does not follow: a steady value of
    // their own with a slight wander.
    const double base = 64 + (pid * 53) % 1900;
    return raw(base + 8 * std::sin(seconds / 4 + pid));
}

} // namespace SimPidValues
