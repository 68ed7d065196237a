// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The link thread's own face: what the exchanges work with. Only the link thread uses
// it; it blocks (log lines wait for the window, sleeps, reads with timeouts), so the
// window never gets hold of it and talks to the link through TCommThread alone.
#pragma once

#include "LinkTypes.h"
#include "TCommandQueue.h"
#include "TLinkPort.h"
#include "TLinkShared.h"
#include "TRxDecoder.h"
#include "serial/SerialPort.h"

#include <QByteArray>
#include <QString>
#include <exception>
#include <initializer_list>

class ScaledClock;
class TLinkLog;
class TLinkPoster;
class TLinkSettings;
class TLinkTexts;
class TTestSignal;

class TLinkContext {
public:
    struct Parts {
        const TLinkSettings& Settings;
        ScaledClock& Clock;
        const TLinkPoster& Poster;
        TLinkShared& Shared;
        TLinkTexts& Texts;
        TLinkLog& Log;
        TRxDecoder& Decoder;
        TTestSignal& TestSignal;
    };

    // onReceive is the receive routine that every port object created here calls.
    TLinkContext(Parts parts, SerialPortFactory factory, ISerialPort::ReceiveHandler onReceive);

    TLinkContext(const TLinkContext&) = delete;
    TLinkContext& operator=(const TLinkContext&) = delete;

    // The port set-up with the handshake when open is true.
    bool Connect(bool open);
    // The preparation rule of the exchanges that stream: Connect with a handshake when a
    // closed port object exists, else only a fresh closed port object.
    bool prepareExchange();
    void Disconnect();
    // Clears both slot tables and tells the window (WM_LINK_SLOT (0, 0)).
    void ClearSlots();
    // Clears the slots of one expected answer, without telling the window: the next word
    // of each must come from the module's answer, not from an earlier exchange.
    void clearSlots(std::initializer_list<uint8_t> which);

    // Hands a line to the window's log and waits until the window has taken it.
    void LogLine(const QString& text);
    void postEvent(Link::Event code, int32_t lParam);
    // The log line of a port error in the set-up of a port, with the error's message.
    void logPortError(const std::exception& error);
    // A port error that ended the exchange of the command: a log line and evPortError.
    void reportExchangeError(uint8_t command, const std::exception& error);
    // Forgets the port object after its error, so that the next exchange creates a new one.
    void dropFailedPort();
    // True once the receive routine found the port failed or the device gone.
    bool portLost() const { return m_shared.PortLost.load(std::memory_order_relaxed); }
    // Raises the port's error when the receive routine found it lost, so that an exchange
    // that waits on the stream ends as a port error does.
    void throwIfPortLost();
    void toggleTestSignal();

    TLinkPort& port() { return m_port; }
    SerialConfig portConfig() const;
    // The device the port's name opens, as the user is told of it.
    QString devicePath() const;
    bool bluetoothDelay() const;
    // Sleeps on the link's clock; false when termination cut it short.
    bool sleep(uint32_t ms);
    // The fixed pauses that the Bluetooth setting lengthens.
    bool sleepBluetooth(uint32_t ticked, uint32_t unticked)
    {
        return sleep(bluetoothDelay() ? ticked : unticked);
    }
    uint32_t tick() const;

    void setLinkMode(Link::LinkMode mode) { m_shared.setLinkMode(mode); }
    TRxDecoder& decoder() { return m_decoder; }
    TLinkShared& shared() { return m_shared; }
    bool terminating() const { return m_shared.terminating(); }
    // True while the window asks a running exchange to end (Disconnect).
    bool CancelConnect() const { return m_shared.CancelConnect.load(std::memory_order_relaxed); }
    void setCancelConnect(bool on) { m_shared.CancelConnect.store(on, std::memory_order_relaxed); }
    // The last word of the slot that passed its check.
    uint16_t Slots(uint8_t slot) const { return m_shared.slot(slot); }
    uint8_t MemImage(uint16_t address) const
    {
        return m_shared.MemImage[address].load(std::memory_order_relaxed);
    }
    uint8_t MemMarks(uint16_t address) const
    {
        return m_shared.MemMarks[address].load(std::memory_order_relaxed);
    }

    char Table() const { return m_shared.Table.load(std::memory_order_relaxed); }
    int MaxTestTime() const { return m_shared.MaxTestTime.load(std::memory_order_relaxed); }
    int8_t OptionBytes(int index) const
    {
        return m_shared.OptionBytes[index].load(std::memory_order_relaxed);
    }
    void setOptionBytes(int index, int8_t value)
    {
        m_shared.OptionBytes[index].store(value, std::memory_order_relaxed);
    }
    QString FirmwareFile() const;
    QString DumpFile() const;
    void setVersion(float version, const QByteArray& moduleId);

private:
    const TLinkSettings& m_settings;
    ScaledClock& m_clock;
    const TLinkPoster& m_poster;
    TLinkShared& m_shared;
    TLinkTexts& m_texts;
    TLinkLog& m_log;
    TRxDecoder& m_decoder;
    TTestSignal& m_testSignal;
    TLinkPort m_port;
};
