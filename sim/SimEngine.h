// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// A small model of the engine behind the simulated ECU: cranking, a fast idle that settles
// near 800 rpm as the coolant warms up from ambient, a rev now and then, the charging
// battery, and a car standing still.
#pragma once

// What the ECU's sensors see at one moment, in engineering units.
struct SimEngineState {
    double Rpm = 0;
    double CoolantC = 0;
    double AirC = 0;
    double BatteryV = 0;
    double SpeedKmh = 0;
    double SparkDeg = 0; // spark advance before top dead centre
    double ThrottleV = 0; // throttle position sensor voltage
    double AirflowKgH = 0; // intake air mass flow
    double Lambda = 1; // air-fuel ratio over stoichiometric
    double InjectionMs = 0; // injector pulse width
    double IdleValvePct = 0; // idle air valve duty
    double IdleTargetRpm = 0; // the idle speed the ECU aims at
    // What the ECU is doing: 0 cranking (or stopped), 1 warm-up, 2 idle, 3 part load.
    int Mode = 0;
    bool ClosedLoop = false; // lambda control on the oxygen sensor
};

class SimEngine {
public:
    static constexpr double AmbientC = 20;
    static constexpr double CrankingS = 1.2; // the starter turns the engine this long
    static constexpr double RevPeriodS = 20; // a rev starts this often
    static constexpr double RevStartS = 10; // into each period
    static constexpr double RevLengthS = 1.5;
    static constexpr double RevPeakRpm = 3000;

    // heldRpm above 0 holds the running engine at that speed from the start.
    explicit SimEngine(bool running, double heldRpm = 0)
        : m_running(running)
        , m_heldRpm(heldRpm)
    {
    }

    // The state seconds after the module powered up (and, when running, the engine started).
    SimEngineState at(double seconds) const;

private:
    double rpm(double seconds) const;

    const bool m_running;
    const double m_heldRpm;
};
