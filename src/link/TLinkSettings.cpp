// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "TLinkSettings.h"

void TLinkSettings::setPortName(const QString& name)
{
    std::lock_guard lock(m_mutex);
    m_portName = name;
}

QString TLinkSettings::portName() const
{
    std::lock_guard lock(m_mutex);
    return m_portName.isEmpty() ? QStringLiteral("COM1") : m_portName;
}

void TLinkSettings::setSpeedText(const QString& text)
{
    std::lock_guard lock(m_mutex);
    m_speedText = text;
}

QString TLinkSettings::speedText() const
{
    std::lock_guard lock(m_mutex);
    return m_speedText;
}

int TLinkSettings::baud() const
{
    return baudFromText(speedText());
}

int TLinkSettings::baudFromText(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (ok) {
        for (int rate : { 9600, 19200, 38400, 57600, 115200 })
            if (value == rate)
                return rate;
    }
    return 9600;
}
