// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The link's port object: created, replaced and destroyed by the link thread, with the
// helpers every exchange uses (open, close, purge, write a command, read N bytes).
#pragma once

#include "serial/SerialPort.h"

#include <QByteArray>
#include <memory>

class ScaledClock;

class TLinkPort {
public:
    TLinkPort(SerialPortFactory factory, ScaledClock& clock, ISerialPort::ReceiveHandler onReceive);
    ~TLinkPort();

    bool exists() const { return m_port != nullptr; }
    bool isOpen() const { return m_port && m_port->isOpen(); }

    // Destroys the port object (closing it) and creates a new one, configured and closed,
    // with events switched on.
    void recreate(const SerialConfig& config);
    // Destroys the port object, if any.
    void release();

    // These raise SerialError when no port object exists or the port fails.
    void open();
    void close();
    void purge();
    void setEvents(bool on);
    void setTimeouts(const SerialTimeouts& timeouts);
    // Writes all bytes within the write timeout; the count written.
    size_t write(const QByteArray& bytes);
    // Reads up to n bytes with the read timeouts.
    QByteArray read(size_t n);
    // Writes the command and reads up to n bytes of its reply; the receive routine takes
    // none of them, however quickly they come.
    QByteArray request(const QByteArray& command, size_t n);

    ISerialPort& port();

private:
    SerialPortFactory m_factory;
    ScaledClock& m_clock;
    ISerialPort::ReceiveHandler m_onReceive;
    std::unique_ptr<ISerialPort> m_port;
};
