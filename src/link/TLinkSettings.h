// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The port settings that the link reads each time it creates a port: port name, speed
// text and the Bluetooth delays. The window (or veskor-cli) keeps them up to date.
#pragma once

#include <QString>
#include <atomic>
#include <mutex>

class TLinkSettings {
public:
    void setPortName(const QString& name);
    // The port name; "COM1" when none is set.
    QString portName() const;

    void setSpeedText(const QString& text);
    QString speedText() const;
    // The baud rate the speed text names; 9600 for text that names no supported rate.
    int baud() const;
    static int baudFromText(const QString& text);

    void setBluetoothDelay(bool on) { m_bluetoothDelay.store(on, std::memory_order_relaxed); }
    bool bluetoothDelay() const { return m_bluetoothDelay.load(std::memory_order_relaxed); }

private:
    mutable std::mutex m_mutex;
    QString m_portName;
    QString m_speedText;
    std::atomic<bool> m_bluetoothDelay { false };
};
