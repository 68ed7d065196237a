// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The serial port on POSIX termios: raw 8N1 without flow control, reads and writes with
// Windows-style timeouts on the link's scaled clock, receive notifications by epoll.
#pragma once

#include "SerialPort.h"

#include <memory>
#include <mutex>

class PosixReceiveNotifier;

class PosixSerialPort : public ISerialPort {
public:
    PosixSerialPort(SerialConfig config, ScaledClock& clock);
    ~PosixSerialPort() override;

    void open() override;
    void close() override;
    bool isOpen() const override { return m_fd >= 0; }

    void setTimeouts(const SerialTimeouts& timeouts) override;
    void setEvents(bool on) override { m_events = on; }
    bool events() const override { return m_events; }
    void setReceiveHandler(ReceiveHandler handler) override { m_handler = std::move(handler); }

    void purge() override;
    size_t read(uint8_t* buffer, size_t n) override;
    size_t readWaiting(uint8_t* buffer, size_t n) override;
    void beginOwnRead() override;
    void endOwnRead() override;
    size_t write(const uint8_t* data, size_t n) override;

    // "ttyUSB0" means /dev/ttyUSB0; a name with a slash is used as it stands.
    static QString devicePath(const QString& name);

private:
    void configure();
    SerialTimeouts timeouts() const;
    // Waits until fd is ready for events, the deadline passes or the clock is
    // interrupted; the poll events of fd, 0 when it is not ready.
    short waitReady(short events, std::chrono::steady_clock::time_point deadline);
    [[noreturn]] void fail(const char* what) const;

    const SerialConfig m_config;
    ScaledClock& m_clock;
    int m_fd = -1;
    // Readable once the clock is interrupted, so that waits in poll end at termination.
    int m_interrupt = -1;
    int m_listener = 0;
    bool m_events = false;
    ReceiveHandler m_handler;
    mutable std::mutex m_timeoutsMutex;
    SerialTimeouts m_timeouts;
    std::unique_ptr<PosixReceiveNotifier> m_notifier;
    // A read of the link thread takes arriving bytes before the receive routine does, as a
    // pending read does on Windows. The mutex is held by the receive routine's read and by
    // the start of an own read, so that the two never take the same arrival.
    std::mutex m_ownReadsMutex;
    int m_ownReads = 0;
};
