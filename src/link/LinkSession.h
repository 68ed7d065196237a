// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The one way in and out of the link: owns the link thread (and the built-in simulator
// behind the port name "sim"), takes commands as values and turns what the link posts
// into typed signals. The window and veskor-cli both use it. GUI thread only.
#pragma once

#include "FirmwareProgress.h"
#include "LinkCommand.h"
#include "LinkReport.h"
#include "LinkTypes.h"
#include "TLinkSettings.h"
#include "sim/SimConfig.h"

#include <QObject>
#include <QString>
#include <array>
#include <bitset>
#include <memory>

class Simulator;
class TCommThread;
class TFordData;

// What the module said of itself in the handshake.
struct ModuleInfo {
    float Version = 0; // the firmware version times 100
    QByteArray Id;

    // "1.23 (AB001)"
    QString text() const;
};

class LinkSession : public QObject {
    Q_OBJECT

public:
    struct Options {
        // 1.0 in the product; tests run the link and the simulator faster.
        double TimeScale = 1.0;
        // The simulated module started for the port name "sim" (its Baud follows the speed).
        SimConfig Simulator;
    };

    static constexpr const char* SimulatorPort = "sim";

    explicit LinkSession(const Options& options, QObject* parent = nullptr);
    // Ends the link thread (it no longer waits for its log lines), then the simulator.
    ~LinkSession() override;

    // Read by the link whenever it creates a port. An empty name means the platform's
    // first serial port; "sim" starts the built-in simulator once and names its port.
    void setPortSettings(const QString& portName, const QString& speedText, bool bluetoothDelay);
    // The platform's first serial port: COM1 on Windows, /dev/ttyS0 elsewhere.
    static QString defaultPort();
    // The device the link opens: /dev/ttyUSB0 for ttyUSB0, the pty of the port "sim".
    QString devicePath() const;
    double timeScale() const { return m_options.TimeScale; }
    Simulator* simulator() const { return m_simulator.get(); }

    // Queues the command; the link runs it after those before it.
    void send(const LinkCommand& command);
    // Makes the store's PID map the table's at once (StartData does it too), for a front
    // end that reads the map before the stream starts.
    void selectTable(char table);
    // Ends a running fault exchange at its next check; it then ends as cancelled.
    void cancelFaultTest();
    // Ends a memory read in progress and those still queued.
    void cancelMemoryReads();
    // Ends a handshake or a memory read in progress; the next Disconnect clears it.
    void cancelConnect();
    bool connectCancelled() const;
    void setMaxTestTime(int seconds);
    // The dashboard panel that receives the test signal's values.
    void setTestSignalPanel(QObject* panel);
    // Asks the thread to end without waiting for it.
    void terminate();
    // Hands over at once the words the link has posted and not yet handed over.
    void deliverPostedWords();

    // What the link received, read on the GUI thread.
    // The last word of the slot as the link's words brought it, 0 when none came since the
    // slots were cleared: never a later word or one that failed its check.
    uint16_t word(uint8_t slot) const { return m_words[slot]; }
    bool hasWord(uint8_t slot) const { return m_seen[slot]; }
    Link::LinkMode mode() const;
    char table() const;
    bool testSignalActive() const;
    bool memoryReadPending() const;
    uint8_t memImage(uint16_t address) const;
    uint8_t memMarks(uint16_t address) const;
    // Puts a dump file's bytes into the image; refused while a memory read is pending.
    bool loadMemImage(const QByteArray& bytes);
    ModuleInfo module() const;
    int8_t optionByte(int index) const;
    uint32_t maxReceiveDepth() const;
    void resetMaxReceiveDepth();
    int maxTestTime() const;
    // The store the live stream writes its values into.
    TFordData& store();
    const TFordData& store() const;
    // Words of the live stream handed over since the session was made, and the most words
    // seen waiting behind a batch being handled.
    uint64_t liveWords() const { return m_liveWords; }
    uint64_t maxBacklog() const { return m_maxBacklog; }

signals:
    void logLine(const QString& text);
    // After the log line of a port's error: the system's words of it ("/dev/ttyUSB0
    // (open): No such file or directory"), for a front end that says what failed itself.
    void portFailure(const QString& detail);
    // The checked words of one receive call, in order (valid during the signal only).
    void words(const Link::WordBatch& batch);
    void slotsCleared();
    // Every event of the link, typed; the signals below name the common ones.
    void report(const LinkReport& report);
    void connected(const ModuleInfo& module);
    void calibration(const QString& code);
    void faultTestDone(Link::FaultTestOutcome outcome);
    void memoryProgress(int address);
    void memoryDone(quint16 tag);
    void firmwareProgress(const FirmwareProgress& progress);
    // A port error or the device gone ended the command (Link::PortErrorStream: the stream).
    void portError(int command);
    // The link has finished a command taken from its queue.
    void commandDone(quint8 code);

protected:
    void customEvent(QEvent* event) override;

private:
    void onEvent(int code, int32_t lParam);

    Options m_options;
    TLinkSettings m_settings;
    std::unique_ptr<Simulator> m_simulator;
    std::unique_ptr<TCommThread> m_link;
    std::array<uint16_t, 256> m_words {};
    std::bitset<256> m_seen;
    uint64_t m_liveWords = 0;
    uint64_t m_maxBacklog = 0;
    FirmwareProgress m_firmware;
};
