// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "TLinkPort.h"

#include <vector>

TLinkPort::TLinkPort(
    SerialPortFactory factory, ScaledClock& clock, ISerialPort::ReceiveHandler onReceive)
    : m_factory(factory ? std::move(factory) : SerialPortFactory(createPlatformPort))
    , m_clock(clock)
    , m_onReceive(std::move(onReceive))
{
}

TLinkPort::~TLinkPort() = default;

void TLinkPort::recreate(const SerialConfig& config)
{
    release();
    m_port = m_factory(config, m_clock);
    m_port->setReceiveHandler(m_onReceive);
    m_port->setEvents(true);
}

void TLinkPort::release()
{
    m_port.reset();
}

ISerialPort& TLinkPort::port()
{
    if (!m_port)
        throw SerialError(QStringLiteral("no port"));
    return *m_port;
}

void TLinkPort::open()
{
    port().open();
}

void TLinkPort::close()
{
    port().close();
}

void TLinkPort::purge()
{
    port().purge();
}

void TLinkPort::setEvents(bool on)
{
    port().setEvents(on);
}

void TLinkPort::setTimeouts(const SerialTimeouts& timeouts)
{
    port().setTimeouts(timeouts);
}

size_t TLinkPort::write(const QByteArray& bytes)
{
    return port().write(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()));
}

QByteArray TLinkPort::read(size_t n)
{
    QByteArray buffer(qsizetype(n), '\0');
    const size_t got = port().read(reinterpret_cast<uint8_t*>(buffer.data()), n);
    buffer.truncate(qsizetype(got));
    return buffer;
}

QByteArray TLinkPort::request(const QByteArray& command, size_t n)
{
    ISerialPort& p = port();
    p.beginOwnRead();
    struct End {
        ISerialPort& port;
        ~End() { port.endOwnRead(); }
    } end { p };
    write(command);
    return read(n);
}
