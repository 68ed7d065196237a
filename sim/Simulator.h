// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The simulator: a simulated module served on a pseudo-terminal by a thread of its own.
// Front ends open portPath() (or a symbolic link to it) like any serial port.
#pragma once

#include "SimConfig.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <atomic>
#include <memory>
#include <thread>

class SimPty;
class SimModule;
class SimTransmitter;

class Simulator {
public:
    // Creates the pty and starts serving. Throws VeskorError when the pty cannot be made.
    explicit Simulator(const SimConfig& config);
    // Stops serving and removes the pty and its link.
    ~Simulator();

    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    QString portPath() const;
    // The line speed the module paces its bytes at.
    int baud() const { return m_baud; }
    void createLink(const QString& path);
    // An adapter unplugged and plugged in again: dropPort() closes the pty, so its device and
    // link vanish and an open port fails; restorePort() serves a fresh pty at the same link
    // (create one first). Both return when the serving thread has done it.
    void dropPort();
    // calibration: the module comes back on another car's ECU with this code.
    void restorePort(const QByteArray& calibration = {});
    // The module shows these faults from now on (none: it behaves again). Returns when
    // the serving thread has taken them.
    void setFaults(const SimFaults& faults);
    // Every command line the module received so far, without CR.
    QList<QByteArray> receivedLines() const;
    // The boot loader's flash, and the commands it took ("S", "B 128", ...).
    QByteArray flash() const;
    QStringList bootLoaderCommands() const;
    // Word packets the module's streams have sent so far.
    uint64_t wordsStreamed() const;
    // Packets spoilt by the flip-bits and drop-bytes faults so far.
    uint64_t packetsCorrupted() const;

private:
    void run();
    enum Request { NoRequest, DropRequest, RestoreRequest, FaultsRequest };
    void request(Request what);
    void serveRequest();
    void drop();

    std::unique_ptr<SimPty> m_pty;
    std::unique_ptr<SimTransmitter> m_transmitter;
    std::unique_ptr<SimModule> m_module;
    int m_stop = -1;
    int m_control = -1;
    std::atomic<int> m_request { NoRequest };
    QString m_link;
    QByteArray m_nextCalibration;
    SimFaults m_nextFaults;
    int m_baud = 0;
    QString m_portPath;
    std::thread m_thread;
};
