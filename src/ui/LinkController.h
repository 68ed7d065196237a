// The window's side of the link: owns the link thread, its port settings and the built-in
// simulator behind the port name "sim", and turns the link's posted messages into typed
// signals. Used from the GUI thread only.
#pragma once

#include "link/LinkTypes.h"
#include "link/TCommThread.h"
#include "link/TLinkSettings.h"
#include "sim/SimConfig.h"
#include "ui/model/LinkReport.h"
#include "ui/model/Reconnector.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <array>
#include <memory>

class Simulator;

// The link as the window and its pages reach it: the settings its commands read and what
// it received, but not its command entry. That is the controller's alone, so every command
// passes the controller, which keeps the user's stream and the other exchanges apart.
class ControlledLink : private TCommThread {
    friend class LinkController;

public:
    using TCommThread::CancelConnect;
    using TCommThread::cancelFaultTest;
    using TCommThread::cancelMemoryReads;
    using TCommThread::DataManager;
    using TCommThread::DumpFile;
    using TCommThread::faultTestOutcome;
    using TCommThread::FirmwareFile;
    using TCommThread::FirmwareVersion;
    using TCommThread::LastWordTick;
    using TCommThread::LinkMode;
    using TCommThread::loadMemImage;
    using TCommThread::MaxReceiveDepth;
    using TCommThread::MaxTestTime;
    using TCommThread::MemImage;
    using TCommThread::MemMarks;
    using TCommThread::memoryReadPending;
    using TCommThread::ModuleId;
    using TCommThread::OptionBytes;
    using TCommThread::RawSlots;
    using TCommThread::resetMaxReceiveDepth;
    using TCommThread::setCancelConnect;
    using TCommThread::setDumpFile;
    using TCommThread::setFirmwareFile;
    using TCommThread::setMaxTestTime;
    using TCommThread::setOptionBytes;
    using TCommThread::SetTable;
    using TCommThread::setTestSignalPanel;
    using TCommThread::Slots;
    using TCommThread::Table;
    using TCommThread::terminating;
    using TCommThread::testSignalActive;

private:
    ControlledLink(QObject* eventSink, const TLinkSettings& settings, Options options)
        : TCommThread(eventSink, settings, std::move(options))
    {
    }
};

class LinkController : public QObject {
    Q_OBJECT

public:
    struct Options {
        // 1.0 in the product; tests run the link and the simulator faster.
        double TimeScale = 1.0;
        // The simulated module started for the port name "sim" (its Baud follows the speed).
        SimConfig Simulator;
    };

    static constexpr const char* SimulatorPort = "sim";
    // A live stream without a word this long (on the link's time scale) is lost.
    static constexpr int SilenceMs = 3000;

    explicit LinkController(const Options& options, QObject* parent = nullptr);
    // Asks the link to end; it no longer waits for its log lines, so this returns quickly.
    ~LinkController() override;

    // Read by the link whenever it creates a port. An empty name means the platform's
    // first serial port; "sim" starts the built-in simulator once and names its port.
    void setPortSettings(const QString& portName, const QString& speedText, bool bluetoothDelay);
    // The platform's first serial port: COM1 on Windows, /dev/ttyS0 elsewhere.
    static QString defaultPort();
    // The link's time scale: 1.0 in the product.
    double timeScale() const { return m_options.TimeScale; }

    // The user's commands; tag rides with cmdDumpRange to its evDumpDone. cmdStartData
    // names the stream a lost adapter brings back; any other command (Disconnect among
    // them) ends the attempts to reconnect. A memory read while the user's stream runs
    // stops the stream first and brings it back once every memory read posted is done.
    void post(Link::Command command, int32_t lParam = 0, uint16_t tag = 0);
    // While a recording plays the adapter is left alone: commands are refused with a log
    // line, and no reconnection runs.
    void setHeld(bool held);
    bool held() const { return m_held; }
    // On by default: after the adapter drops mid-stream, reconnect and resume the stream.
    void setAutoReconnect(bool on);
    const Reconnector& reconnector() const { return m_reconnector; }
    ControlledLink& link() { return *m_link; }
    const ControlledLink& link() const { return *m_link; }
    Simulator* simulator() const { return m_simulator.get(); }
    // The words as the slot messages brought them, in order: what the window shows and
    // lists never depends on the link's table, which may already hold a later word.
    uint16_t slotWordOf(uint8_t slot) const { return m_slots[slot]; }
    // When the link took the slot's word (steady clock, ns; 0 for a word not from the link).
    int64_t slotStampNs(uint8_t slot) const { return m_stamps[slot]; }
    // The most slot messages seen waiting behind the one being handled.
    uint64_t maxBacklog() const { return m_maxBacklog; }
    // Words of the live stream handled since the link was made.
    uint64_t liveWords() const { return m_liveWords; }
    // Asks the thread to end without waiting for it.
    void terminate();

signals:
    void logLine(const QString& text);
    // A word that passed its check arrived in the slot (the word as it came).
    // live: the word came in the live data stream, not in a handshake or a fault test.
    void slotWord(quint8 slot, quint16 word, bool live);
    void slotsCleared();
    void linkEvent(const LinkReport& report);
    // The link has finished a command taken from its queue.
    void commandDone(quint8 code);
    // What the status bar says of a lost stream and its reconnection; empty text: nothing.
    void reconnectStatus(const StatusText& status);

protected:
    void customEvent(QEvent* event) override;

private:
    LinkReport report(int code, int32_t lParam) const;
    void streamLost();
    void run(Reconnector::Step step);
    void resumeStream();

    Options m_options;
    TLinkSettings m_settings;
    std::unique_ptr<Simulator> m_simulator;
    std::unique_ptr<ControlledLink> m_link;
    std::array<uint16_t, 256> m_slots {};
    std::array<int64_t, 256> m_stamps {};
    uint64_t m_maxBacklog = 0;
    uint64_t m_liveWords = 0;
    Reconnector m_reconnector;
    QTimer m_retry;
    // Restarted by every live word while the user's stream runs: a stream that falls
    // silent without a port error (an adapter out of range) is lost too.
    QTimer m_silence;
    bool m_held = false;
    // The table of the user's stream while memory reads hold it stopped; 0 when none is.
    char m_pausedTable = 0;
};
