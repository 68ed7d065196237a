// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// One run of veskor-cli: a link session (with the in-process simulator for the port "sim"),
// its printer, and a way to run one command to its end.
#pragma once

#include "CliPrinter.h"
#include "link/LinkSession.h"
#include "sim/SimConfig.h"

#include <QString>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

struct CliOptions {
    QString Port;
    QString Speed = QString::number(SimDefaults::Baud);
    bool BluetoothDelay = false;
    double TimeScale = 1.0;
    SimFaults SimulatorFaults;
};

// How a wait for the link ended.
enum class CliOutcome {
    Done, // the command is over, or the time given has passed, or stop() said so
    Silent, // a stream brought no valid word for silenceLimit()
};

class CliSession {
public:
    // A stream (live data, fault test, memory read) that brings no valid word this long
    // (times --time-scale) has lost its module: a pulled cable, a dead adapter.
    static constexpr std::chrono::milliseconds SilenceLimit { 5000 };

    // Throws VeskorError when the simulator cannot start.
    explicit CliSession(const CliOptions& options);
    ~CliSession();

    // Sends the command and runs the event loop until the link has done it, or until a
    // stream has fallen silent. tick() is called every 50 ms meanwhile.
    CliOutcome run(const LinkCommand& command, std::function<void()> tick = {});
    // Like run(), and raises VeskorError with the reason when the link reported a
    // failure (failure()) or the stream fell silent.
    void runChecked(const LinkCommand& command, std::function<void()> tick = {});
    // Runs the event loop for the time given (none: without end), until stop() says so
    // (asked every 50 ms) or until a stream falls silent.
    CliOutcome runFor(
        std::optional<std::chrono::milliseconds> duration, std::function<bool()> stop);

    // What the link reported as a failure so far: a port error, or no module answering
    // the handshake. One sentence.
    std::optional<QString> failure() const;
    // The sentence for a stream that fell silent.
    QString silenceSentence() const;
    std::chrono::milliseconds silenceLimit() const;
    // The device the link opens: /dev/ttyUSB0 for ttyUSB0, the pty of the port "sim".
    QString devicePath() const;

    const CliPrinter& printer() const { return m_printer; }
    CliPrinter& printer() { return m_printer; }
    LinkSession& link() { return *m_link; }

private:
    CliOutcome wait(std::optional<std::chrono::milliseconds> duration,
        const std::function<bool()>& stop, const std::function<void()>& tick);

    double m_timeScale = 1.0;
    std::unique_ptr<LinkSession> m_link;
    CliPrinter m_printer;
};
