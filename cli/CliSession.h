// One run of veskor-cli: the settings, the in-process simulator for the port "sim", the
// link thread and the printer, and a way to run one command to its end.
#pragma once

#include "CliPrinter.h"
#include "link/TLinkSettings.h"
#include "sim/SimConfig.h"

#include <QString>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class Simulator;
class TCommThread;

struct CliOptions {
    QString Port;
    QString Speed = QString::number(SimDefaults::Baud);
    bool BluetoothDelay = false;
    double TimeScale = 1.0;
    SimFaults SimulatorFaults;
};

class CliSession {
public:
    // Throws VeskorError when the simulator cannot start.
    explicit CliSession(const CliOptions& options);
    ~CliSession();

    // Posts the command and runs the event loop until the link has done it.
    void run(uint8_t code, int32_t lParam);
    // Runs the event loop for the time given (none: without end) or until stop() says so;
    // stop() is asked every 50 ms.
    void runFor(std::optional<std::chrono::milliseconds> duration, std::function<bool()> stop);

    const CliPrinter& printer() const { return m_printer; }
    CliPrinter& printer() { return m_printer; }
    TCommThread& link() { return *m_link; }

private:
    CliPrinter m_printer;
    TLinkSettings m_settings;
    std::unique_ptr<Simulator> m_simulator;
    std::unique_ptr<TCommThread> m_link;
};
