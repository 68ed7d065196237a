// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "SimTransmitter.h"

#include <algorithm>
#include <cerrno>
#include <unistd.h>

namespace {

// A little more than the server loop's wake-up interval.
constexpr auto MaxCredit = std::chrono::milliseconds(5);

std::chrono::nanoseconds byteTime(int baud, double timeScale)
{
    if (baud <= 0)
        return std::chrono::nanoseconds(0);
    return std::chrono::nanoseconds(int64_t(10.0 / baud * 1e9 * timeScale));
}

} // namespace

SimTransmitter::SimTransmitter(int fd, int baud, double timeScale)
    : m_fd(fd)
    , m_byteTime(byteTime(baud, timeScale))
{
}

void SimTransmitter::send(const QByteArray& bytes)
{
    // An idle line earns no credit: the first byte goes out now at the earliest.
    const auto now = Clock::now();
    if (m_queue.isEmpty() && m_lineFree < now)
        m_lineFree = now;
    m_queue.append(bytes);
}

bool SimTransmitter::pump(Clock::time_point now)
{
    if (m_queue.isEmpty())
        return true;
    qsizetype due = m_queue.size();
    if (m_byteTime.count() > 0) {
        if (now < m_lineFree)
            return true;
        // A line that stalled (the pty was full) does not make up for it in a burst.
        if (now - m_lineFree > MaxCredit)
            m_lineFree = now - MaxCredit;
        due = std::min<qsizetype>(due, 1 + qsizetype((now - m_lineFree) / m_byteTime));
    }
    const ssize_t written = ::write(m_fd, m_queue.constData(), size_t(due));
    if (written < 0) {
        if (errno == EAGAIN)
            return false;
        m_queue.clear(); // nobody can receive it
        return true;
    }
    m_queue.remove(0, written);
    m_lineFree += m_byteTime * written;
    return written == due;
}

SimTransmitter::Clock::time_point SimTransmitter::nextDue() const
{
    if (m_queue.isEmpty())
        return Clock::time_point::max();
    return m_byteTime.count() > 0 ? m_lineFree : Clock::now();
}
