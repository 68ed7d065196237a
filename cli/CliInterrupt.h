// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Ctrl-C (and SIGTERM) as a request rather than an end: while an instance lives, the
// signal only sets a flag that a command polls, so it can stop the link cleanly.
#pragma once

#include <csignal>

class CliInterrupt {
public:
    CliInterrupt();
    ~CliInterrupt();

    CliInterrupt(const CliInterrupt&) = delete;
    CliInterrupt& operator=(const CliInterrupt&) = delete;

    bool requested() const;

private:
    struct sigaction m_oldInt { };
    struct sigaction m_oldTerm { };
};
