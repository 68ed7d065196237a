// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The module's sending side: queued bytes go out to the pty at the configured baud rate
// (10 bits a byte, on the simulator's time scale), or as fast as the pty takes them.
#pragma once

#include <QByteArray>
#include <chrono>

class SimTransmitter {
public:
    using Clock = std::chrono::steady_clock;

    SimTransmitter(int fd, int baud, double timeScale);

    void send(const QByteArray& bytes);
    void clear() { m_queue.clear(); }
    // Another pty's master after the port was dropped and restored; -1 while none: what is
    // sent meanwhile is lost, as on an unplugged line.
    void setFd(int fd)
    {
        m_fd = fd;
        m_queue.clear();
    }
    qsizetype pending() const { return m_queue.size(); }

    // Writes what is due by now. Returns false when the pty is full.
    bool pump(Clock::time_point now);
    // When pump() has more to write; max() when nothing waits.
    Clock::time_point nextDue() const;

private:
    int m_fd;
    // Real time one byte takes; zero when unpaced.
    const std::chrono::nanoseconds m_byteTime;
    QByteArray m_queue;
    // When the line has sent what was written so far.
    Clock::time_point m_lineFree;
};
