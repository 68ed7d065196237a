// The window's side of the link: owns the link thread, its port settings and the built-in
// simulator behind the port name "sim", and turns the link's posted messages into typed
// signals. Used from the GUI thread only.
#pragma once

#include "link/LinkTypes.h"
#include "link/TLinkSettings.h"
#include "sim/SimConfig.h"
#include "ui/model/LinkReport.h"

#include <QObject>
#include <QString>
#include <array>
#include <memory>

class Simulator;
class TCommThread;

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

    explicit LinkController(const Options& options, QObject* parent = nullptr);
    // Asks the link to end; it no longer waits for its log lines, so this returns quickly.
    ~LinkController() override;

    // Read by the link whenever it creates a port. An empty name means the platform's
    // first serial port; "sim" starts the built-in simulator once and names its port.
    void setPortSettings(const QString& portName, const QString& speedText, bool bluetoothDelay);
    // The platform's first serial port: COM1 on Windows, /dev/ttyS0 elsewhere.
    static QString defaultPort();

    void post(Link::Command command, int32_t lParam = 0);
    TCommThread& link() { return *m_link; }
    const TCommThread& link() const { return *m_link; }
    Simulator* simulator() const { return m_simulator.get(); }
    // The words as the slot messages brought them, in order: what the window shows and
    // lists never depends on the link's table, which may already hold a later word.
    uint16_t slotWordOf(uint8_t slot) const { return m_slots[slot]; }
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

protected:
    void customEvent(QEvent* event) override;

private:
    LinkReport report(int code, int32_t lParam) const;

    Options m_options;
    TLinkSettings m_settings;
    std::unique_ptr<Simulator> m_simulator;
    std::unique_ptr<TCommThread> m_link;
    std::array<uint16_t, 256> m_slots {};
};
