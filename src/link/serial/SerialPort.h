// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The serial port interface of the link: open, close, configure, purge, read and write
// with timeouts, and receive notifications on a thread of the port.
#pragma once

#include "common/Errors.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>

class ScaledClock;

// An error of the port or the platform; its message names what failed. The platform's
// port says what the user can do about it, in the message, and keeps the system's own
// words as the detail.
class SerialError : public VeskorError {
public:
    using VeskorError::VeskorError;
    SerialError(const QString& advice, QString detail)
        : VeskorError(advice)
        , m_detail(std::move(detail))
    {
    }

    // The system's words ("/dev/ttyUSB0 (open): No such file or directory"); empty when
    // the message is all there is.
    const QString& detail() const { return m_detail; }

private:
    QString m_detail;
};

// Timeouts in milliseconds of the port's clock. A read of n bytes ends when n bytes have
// come, when more than ReadInterval passes between two bytes after the first one, or
// when ReadTotalPerByte * n + ReadTotalConstant has passed.
struct SerialTimeouts {
    uint32_t ReadInterval = 1000;
    uint32_t ReadTotalPerByte = 11;
    uint32_t ReadTotalConstant = 1000;
    uint32_t WriteTotalPerByte = 500;
    uint32_t WriteTotalConstant = 0;
};

// 8 data bits, no parity, 1 stop bit and no flow control are not configurable.
struct SerialConfig {
    QString Name;
    int Baud = 9600;
    SerialTimeouts Timeouts;
    int InputBuffer = 4096;
    int OutputBuffer = 2048;
};

class ISerialPort {
public:
    // Called on the port's notification thread with the number of bytes waiting.
    using ReceiveHandler = std::function<void(ISerialPort& port, size_t waiting)>;

    virtual ~ISerialPort() = default;

    // Throws SerialError when the port cannot be opened or configured.
    virtual void open() = 0;
    // Stops the notifications, then closes. Closing a closed port does nothing.
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    virtual void setTimeouts(const SerialTimeouts& timeouts) = 0;
    // Notifications are delivered only by an opening made while they are on.
    virtual void setEvents(bool on) = 0;
    virtual bool events() const = 0;
    virtual void setReceiveHandler(ReceiveHandler handler) = 0;

    // Discards what waits in the input buffer. What was written still goes out: the link
    // counts a written command as sent, as a write on Windows returns once it has gone.
    virtual void purge() = 0;
    // Reads up to n bytes with the read timeouts; may return fewer, also none. Stores a 0
    // in buffer[0] first. Throws SerialError on an error of the port.
    virtual size_t read(uint8_t* buffer, size_t n) = 0;
    // For the receive routine: takes up to n of the bytes waiting now and never waits, so
    // a stale count (after a purge or a read of the link thread) costs nothing and close()
    // is never held up. Takes none while a read of the link thread is pending: its reply
    // is the link thread's. When that read ends, the notification comes again for what it
    // left. Throws SerialError on an error of the port.
    virtual size_t readWaiting(uint8_t* buffer, size_t n) = 0;
    // A read of the link thread is pending from beginOwnRead() to endOwnRead(), counted:
    // read() marks itself, and the link marks a command and the read of its reply as one,
    // so that the receive routine cannot take a quick reply before the read starts.
    virtual void beginOwnRead() = 0;
    virtual void endOwnRead() = 0;
    // Writes with the write timeout; returns the number of bytes written.
    virtual size_t write(const uint8_t* data, size_t n) = 0;
};

using SerialPortFactory
    = std::function<std::unique_ptr<ISerialPort>(const SerialConfig& config, ScaledClock& clock)>;

// The platform's port (termios on POSIX).
std::unique_ptr<ISerialPort> createPlatformPort(const SerialConfig& config, ScaledClock& clock);
