// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "LinkHarness.h"

LinkHarness::LinkHarness(SimConfig config, double scale, SerialPortFactory factory)
{
    config.TimeScale = scale;
    sim = std::make_unique<Simulator>(config);
    settings.setPortName(sim->portPath());
    settings.setSpeedText(QString::number(config.Baud));
    TCommThread::Options options;
    options.TimeScale = scale;
    options.PortFactory = std::move(factory);
    link = std::make_unique<TCommThread>(&recorder, settings, options);
}

LinkHarness::~LinkHarness()
{
    link.reset();
    sim.reset();
}

bool LinkHarness::run(uint8_t code, int32_t lParam)
{
    link->post(code, lParam);
    return recorder.waitDone(code);
}
