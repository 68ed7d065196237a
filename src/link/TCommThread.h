// The link thread: owns the serial port and the data store, takes the window's commands
// from its queue one at a time, and reports through log lines and posted link events.
#pragma once

#include "LinkTypes.h"
#include "TCommandQueue.h"
#include "TLinkPort.h"
#include "TLinkPoster.h"
#include "TLinkShared.h"
#include "TRxDecoder.h"
#include "common/ScaledClock.h"
#include "serial/SerialPort.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <atomic>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>

class QObject;
class TFordData;
class TLinkSettings;
class TLogReceipt;
class TTestSignal;

class TCommThread {
public:
    struct Options {
        // 1.0 in the product; tests run the link faster.
        double TimeScale = 1.0;
        // The platform's serial port unless set.
        SerialPortFactory PortFactory;
    };

    // Created on the GUI thread; the thread starts at once. eventSink receives the link's
    // messages and log lines; settings are read whenever a port is created.
    TCommThread(QObject* eventSink, const TLinkSettings& settings, Options options);
    TCommThread(QObject* eventSink, const TLinkSettings& settings);
    // Asks the thread to end and joins it. Safe on the GUI thread: once termination is
    // asked, the thread no longer waits for its log lines to be taken.
    ~TCommThread();

    TCommThread(const TCommThread&) = delete;
    TCommThread& operator=(const TCommThread&) = delete;

    // ---- Called from the window -------------------------------------------------------

    // WM_LINK_COMMAND: command code in the low byte of wParam.
    void post(uint32_t wParam, int32_t lParam = 0);
    // Posts any other message to the queue; the thread ignores it.
    void postMessage(int message, uint32_t wParam, int32_t lParam);
    // Asks the thread to end without waiting for it.
    void terminate();
    bool terminating() const { return m_terminating.load(std::memory_order_relaxed); }

    void SetTable(char letter);
    char Table() const { return m_table.load(std::memory_order_relaxed); }
    // The dashboard panel that receives the test signal's WM_PID_CHANGED.
    void setTestSignalPanel(QObject* panel);
    bool testSignalActive() const;

    Link::LinkMode LinkMode() const { return m_shared->linkMode(); }
    uint16_t Slots(uint8_t slot) const { return m_shared->slot(slot); }
    uint8_t MemImage(uint16_t address) const;
    uint8_t MemMarks(uint16_t address) const;
    uint32_t LastWordTick() const;
    float FirmwareVersion() const { return m_firmwareVersion.load(std::memory_order_relaxed); }
    QByteArray ModuleId() const;
    void setCancelConnect(bool on) { m_shared->CancelConnect.store(on, std::memory_order_relaxed); }
    bool CancelConnect() const { return m_shared->CancelConnect.load(std::memory_order_relaxed); }
    void setMaxTestTime(int seconds) { m_maxTestTime.store(seconds, std::memory_order_relaxed); }
    int MaxTestTime() const { return m_maxTestTime.load(std::memory_order_relaxed); }
    int8_t OptionBytes(int index) const
    {
        return m_optionBytes[index].load(std::memory_order_relaxed);
    }
    void setOptionBytes(int index, int8_t value)
    {
        m_optionBytes[index].store(value, std::memory_order_relaxed);
    }
    QString FirmwareFile() const;
    void setFirmwareFile(const QString& file);
    QString DumpFile() const;
    void setDumpFile(const QString& file);

    TFordData& DataManager() { return *m_dataManager; }

    // ---- For the exchanges, on the link thread ---------------------------------------

    // The port set-up with the handshake when open is true.
    bool Connect(bool open);
    // The preparation rule of the exchanges that stream: Connect with a handshake when a
    // closed port object exists, else only a fresh closed port object.
    bool prepareExchange();
    void Disconnect();
    void ClearSlots();
    // Hands a line to the window's log and waits until the window has taken it.
    void LogLine(const QString& text);
    void postEvent(Link::Event code, int32_t lParam);
    // The log line of a port error, with the error's message.
    void logPortError(const std::exception& error);
    void toggleTestSignal();

    TLinkPort& port() { return *m_port; }
    SerialConfig portConfig() const;
    bool bluetoothDelay() const;
    // Sleeps on the link's clock; false when termination cut it short.
    bool sleep(uint32_t ms) { return m_clock.sleepMs(ms); }
    // The fixed pauses that the Bluetooth setting lengthens.
    bool sleepBluetooth(uint32_t ticked, uint32_t unticked)
    {
        return sleep(bluetoothDelay() ? ticked : unticked);
    }
    uint32_t tick() const { return m_clock.tickMs(); }
    void setLinkMode(Link::LinkMode mode) { m_shared->setLinkMode(mode); }
    TRxDecoder& decoder() { return *m_decoder; }
    TLinkShared& shared() { return *m_shared; }
    const TLinkPoster& poster() const { return m_poster; }
    void setVersion(float version, const QByteArray& moduleId);

private:
    void run();
    void dispatch(const TQueuedMessage& message);
    void OnReceive(ISerialPort& port, size_t count);

    const TLinkSettings& m_settings;
    ScaledClock m_clock;
    TLinkPoster m_poster;
    std::unique_ptr<TFordData> m_dataManager;
    std::unique_ptr<TLinkShared> m_shared;
    std::unique_ptr<TRxDecoder> m_decoder;
    std::unique_ptr<TLinkPort> m_port;
    std::unique_ptr<TTestSignal> m_testSignal;
    TCommandQueue m_queue;

    std::atomic<char> m_table { 'P' };
    std::atomic<bool> m_terminating { false };
    std::atomic<float> m_firmwareVersion { 0 };
    std::atomic<int> m_maxTestTime { 0 };
    std::array<std::atomic<int8_t>, 20> m_optionBytes {};

    // Guards the texts that the window and the link hand each other, and the log wait.
    mutable std::mutex m_textMutex;
    QByteArray m_moduleId;
    QString m_firmwareFile;
    QString m_dumpFile;
    std::shared_ptr<TLogReceipt> m_pendingLog;

    std::thread m_thread;
};
