// The simulator: a simulated module served on a pseudo-terminal by a thread of its own.
// Front ends open portPath() (or a symbolic link to it) like any serial port.
#pragma once

#include "SimConfig.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
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
    void createLink(const QString& path);
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

    std::unique_ptr<SimPty> m_pty;
    std::unique_ptr<SimTransmitter> m_transmitter;
    std::unique_ptr<SimModule> m_module;
    int m_stop = -1;
    std::thread m_thread;
};
