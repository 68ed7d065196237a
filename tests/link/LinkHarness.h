// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// A link thread talking to an in-process simulator over a real pseudo-terminal, at a
// reduced time scale, with its events recorded.
#pragma once

#include "LinkRecorder.h"
#include "link/TCommThread.h"
#include "link/TLinkSettings.h"
#include "sim/SimConfig.h"
#include "sim/Simulator.h"

#include <memory>

class LinkHarness {
public:
    // Fast, yet with waits long enough for a loaded two-core machine.
    static constexpr double FastScale = 0.1;

    explicit LinkHarness(
        SimConfig config = {}, double scale = FastScale, SerialPortFactory factory = {});
    ~LinkHarness();

    // Posts the command and waits until the link has done it.
    bool run(uint8_t code, int32_t lParam = 0);

    LinkRecorder recorder;
    TLinkSettings settings;
    std::unique_ptr<Simulator> sim;
    std::unique_ptr<TCommThread> link;
};
