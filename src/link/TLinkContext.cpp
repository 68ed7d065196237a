// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "TLinkContext.h"

#include "TLinkLog.h"
#include "TLinkPoster.h"
#include "TLinkSettings.h"
#include "TLinkTexts.h"
#include "TTestSignal.h"
#include "common/Placeholders.h"
#include "common/ScaledClock.h"
#include "common/Texts.h"
#include "exchanges/Exchanges.h"
#include "serial/PortAccess.h"
#include "serial/PosixSerialPort.h"

TLinkContext::TLinkContext(
    Parts parts, SerialPortFactory factory, ISerialPort::ReceiveHandler onReceive)
    : m_settings(parts.Settings)
    , m_clock(parts.Clock)
    , m_poster(parts.Poster)
    , m_shared(parts.Shared)
    , m_texts(parts.Texts)
    , m_log(parts.Log)
    , m_decoder(parts.Decoder)
    , m_testSignal(parts.TestSignal)
    , m_port(std::move(factory), parts.Clock, std::move(onReceive))
{
}

bool TLinkContext::Connect(bool open)
{
    return Exchanges::Connect(*this, open);
}

bool TLinkContext::prepareExchange()
{
    return Connect(m_port.exists() && !m_port.isOpen());
}

void TLinkContext::Disconnect()
{
    Exchanges::Disconnect(*this);
}

void TLinkContext::ClearSlots()
{
    for (int s = 0; s < TLinkShared::SlotCount; ++s)
        m_shared.clearSlot(uint8_t(s));
    m_poster.postSlotsCleared();
}

void TLinkContext::clearSlots(std::initializer_list<uint8_t> which)
{
    for (uint8_t s : which)
        m_shared.clearSlot(s);
}

void TLinkContext::LogLine(const QString& text)
{
    m_log.line(text);
}

void TLinkContext::postEvent(Link::Event code, int32_t lParam)
{
    m_poster.postEvent(code, lParam);
}

void TLinkContext::logPortError(const std::exception& error)
{
    m_log.line(portErrorLine(error, Texts::LogPortInitError), portErrorDetail(error));
}

void TLinkContext::reportExchangeError(uint8_t command, const std::exception& error)
{
    m_log.line(portErrorLine(error, Texts::LogPortError), portErrorDetail(error));
    postEvent(Link::evPortError, command);
    dropFailedPort();
}

void TLinkContext::dropFailedPort()
{
    // A port that failed (a pulled cable, a name that opens nothing) is not used again:
    // the next exchange makes a fresh one from the settings as they are then.
    m_port.release();
}

void TLinkContext::throwIfPortLost()
{
    if (!portLost())
        return;
    // A read of a vanished device raises its own error; one that still answers is lost
    // all the same, since its stream failed.
    m_port.read(1);
    throw SerialError(Texts::text(Texts::PortGone).arg(m_settings.portName()),
        m_settings.portName() + QStringLiteral(": ") + Texts::text(Texts::PortLost));
}

void TLinkContext::toggleTestSignal()
{
    m_testSignal.postToggle();
}

SerialConfig TLinkContext::portConfig() const
{
    SerialConfig config;
    config.Name = m_settings.portName();
    config.Baud = m_settings.baud();
    return config;
}

QString TLinkContext::devicePath() const
{
    return PosixSerialPort::devicePath(m_settings.portName());
}

bool TLinkContext::bluetoothDelay() const
{
    return m_settings.bluetoothDelay();
}

bool TLinkContext::sleep(uint32_t ms)
{
    return m_clock.sleepMs(ms);
}

uint32_t TLinkContext::tick() const
{
    return m_clock.tickMs();
}

QString TLinkContext::FirmwareFile() const
{
    return m_texts.firmwareFile();
}

QString TLinkContext::DumpFile() const
{
    return m_texts.dumpFile();
}

void TLinkContext::setVersion(float version, const QByteArray& moduleId)
{
    m_shared.FirmwareVersion.store(version, std::memory_order_relaxed);
    m_texts.setModuleId(moduleId);
}
