// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "CliInterrupt.h"

#include <atomic>

namespace {

std::atomic<bool> interruptRequested { false };

void onSignal(int)
{
    interruptRequested.store(true);
}

} // namespace

CliInterrupt::CliInterrupt()
{
    interruptRequested.store(false);
    struct sigaction action { };
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &m_oldInt);
    sigaction(SIGTERM, &action, &m_oldTerm);
}

CliInterrupt::~CliInterrupt()
{
    sigaction(SIGINT, &m_oldInt, nullptr);
    sigaction(SIGTERM, &m_oldTerm, nullptr);
}

bool CliInterrupt::requested() const
{
    return interruptRequested.load();
}
