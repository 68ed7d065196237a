// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The link thread: owns the serial port and the data store, takes the window's commands
// from its queue one at a time, and reports through log lines and posted link events.
//
// This class is the window's face of the link: posting commands, the settings the
// commands read, cancelling, and read-only views of what the link received. None of it
// blocks. The exchanges run on the link thread with a TLinkContext of their own, which
// the window never sees.
#pragma once

#include "LinkTypes.h"
#include "TCommandQueue.h"
#include "TLinkPoster.h"
#include "TLinkShared.h"
#include "common/ScaledClock.h"
#include "serial/SerialPort.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <thread>

class QObject;
class TFordData;
class TLinkContext;
class TLinkLog;
class TLinkSettings;
class TLinkTexts;
class TRxDecoder;
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
    // asked, the thread no longer waits for its log lines to be taken, and every wait of
    // an exchange ends.
    ~TCommThread();

    TCommThread(const TCommThread&) = delete;
    TCommThread& operator=(const TCommThread&) = delete;

    // WM_LINK_COMMAND: command code in the low byte of wParam.
    void post(uint32_t wParam, int32_t lParam = 0);
    // Posts any other message to the queue; the thread ignores it.
    void postMessage(int message, uint32_t wParam, int32_t lParam);
    // A command with the data it carries (WM_LINK_COMMAND), or any other message.
    void postMessage(const TQueuedMessage& message);
    // Asks the thread to end without waiting for it.
    void terminate();
    bool terminating() const { return m_shared->terminating(); }

    void SetTable(char letter);
    char Table() const { return m_shared->Table.load(std::memory_order_relaxed); }
    // The dashboard panel that receives the test signal's WM_PID_CHANGED.
    void setTestSignalPanel(QObject* panel);
    bool testSignalActive() const;

    Link::LinkMode LinkMode() const { return m_shared->linkMode(); }
    // The last word of the slot that passed its check nibble (0 when none has since the
    // slots were cleared): the only slot value a front end should show or record.
    uint16_t Slots(uint8_t slot) const { return m_shared->slot(slot); }
    // The last word of the slot as received, also one that failed its check.
    uint16_t RawSlots(uint8_t slot) const { return m_shared->rawSlot(slot); }
    uint8_t MemImage(uint16_t address) const;
    uint8_t MemMarks(uint16_t address) const;
    uint32_t LastWordTick() const;
    float FirmwareVersion() const
    {
        return m_shared->FirmwareVersion.load(std::memory_order_relaxed);
    }
    QByteArray ModuleId() const;
    // Set by Disconnect (and the memory page's stop) to end a handshake or a memory read
    // in progress; cmdDisconnect clears it.
    void setCancelConnect(bool on) { m_shared->CancelConnect.store(on, std::memory_order_relaxed); }
    bool CancelConnect() const { return m_shared->CancelConnect.load(std::memory_order_relaxed); }
    void setMaxTestTime(int seconds)
    {
        m_shared->MaxTestTime.store(seconds, std::memory_order_relaxed);
    }
    int MaxTestTime() const { return m_shared->MaxTestTime.load(std::memory_order_relaxed); }
    // Ends a running fault exchange at its next check; it then reports ftoCancelled.
    void cancelFaultTest() { m_shared->CancelFaultTest.store(true); }
    // How the last fault exchange ended; read at its evFaultTest 1.
    Link::FaultTestOutcome faultTestOutcome() const
    {
        return Link::FaultTestOutcome(m_shared->FaultTestOutcome.load());
    }
    int8_t OptionBytes(int index) const
    {
        return m_shared->OptionBytes[index].load(std::memory_order_relaxed);
    }
    void setOptionBytes(int index, int8_t value)
    {
        m_shared->OptionBytes[index].store(value, std::memory_order_relaxed);
    }
    QString FirmwareFile() const;
    void setFirmwareFile(const QString& file);
    // The most bytes one receive call has found waiting since the reset (the stream's start).
    uint32_t MaxReceiveDepth() const
    {
        return m_shared->MaxReceiveDepth.load(std::memory_order_relaxed);
    }
    void resetMaxReceiveDepth() { m_shared->MaxReceiveDepth.store(0, std::memory_order_relaxed); }
    QString DumpFile() const;
    void setDumpFile(const QString& file);
    // True while a memory read that was posted has not finished.
    bool memoryReadPending() const;
    // "Стоп чтения": the running memory read ends at its next check and names the bytes
    // that did not come; reads still queued end before they begin.
    void cancelMemoryReads();
    // Puts a dump file's bytes into the image from address 0 (at most the image's size).
    // Only on the thread that posts the commands, so no read can begin meanwhile; refused
    // (false, image unchanged) while a memory read is pending.
    bool loadMemImage(const QByteArray& bytes);

    TFordData& DataManager() { return *m_dataManager; }

private:
    void run();
    void dispatch(const TQueuedMessage& message);
    void takeData(uint8_t code, const TQueuedMessage& message);

    ScaledClock m_clock;
    TLinkPoster m_poster;
    std::unique_ptr<TFordData> m_dataManager;
    std::unique_ptr<TLinkShared> m_shared;
    std::unique_ptr<TLinkTexts> m_texts;
    std::unique_ptr<TLinkLog> m_log;
    std::unique_ptr<TRxDecoder> m_decoder;
    std::unique_ptr<TTestSignal> m_testSignal;
    std::unique_ptr<TLinkContext> m_context;
    TCommandQueue m_queue;
    std::thread m_thread;
};
