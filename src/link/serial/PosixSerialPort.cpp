// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "PosixSerialPort.h"

#include "PortAccess.h"
#include "PosixReceiveNotifier.h"
#include "common/ScaledClock.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

speed_t speedConstant(int baud)
{
    switch (baud) {
    case 1200:
        return B1200;
    case 2400:
        return B2400;
    case 4800:
        return B4800;
    case 19200:
        return B19200;
    case 38400:
        return B38400;
    case 57600:
        return B57600;
    case 115200:
        return B115200;
    case 230400:
        return B230400;
    default:
        return B9600;
    }
}

} // namespace

std::unique_ptr<ISerialPort> createPlatformPort(const SerialConfig& config, ScaledClock& clock)
{
    return std::make_unique<PosixSerialPort>(config, clock);
}

PosixSerialPort::PosixSerialPort(SerialConfig config, ScaledClock& clock)
    : m_config(std::move(config))
    , m_clock(clock)
    , m_timeouts(m_config.Timeouts)
{
    m_interrupt = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (m_interrupt < 0)
        fail("eventfd");
    const int fd = m_interrupt;
    m_listener = m_clock.addInterruptListener([fd] {
        const uint64_t one = 1;
        [[maybe_unused]] const auto written = ::write(fd, &one, sizeof one);
    });
}

PosixSerialPort::~PosixSerialPort()
{
    close();
    m_clock.removeInterruptListener(m_listener);
    ::close(m_interrupt);
}

QString PosixSerialPort::devicePath(const QString& name)
{
    return name.contains(u'/') ? name : QStringLiteral("/dev/") + name;
}

void PosixSerialPort::fail(const char* what) const
{
    const int error = errno;
    throw SerialError(portFailureText(devicePath(m_config.Name), what, error),
        QStringLiteral("%1 (%2): %3")
            .arg(
                m_config.Name, QString::fromLatin1(what), QString::fromLocal8Bit(strerror(error))));
}

void PosixSerialPort::open()
{
    if (isOpen())
        return;
    const QByteArray path = devicePath(m_config.Name).toLocal8Bit();
    m_fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0)
        fail("open");
    try {
        configure();
        if (m_events && m_handler)
            m_notifier = std::make_unique<PosixReceiveNotifier>(
                m_fd, [this](size_t waiting) { m_handler(*this, waiting); });
    } catch (...) {
        ::close(m_fd);
        m_fd = -1;
        throw;
    }
}

void PosixSerialPort::configure()
{
    termios tio {};
    if (tcgetattr(m_fd, &tio) != 0)
        fail("tcgetattr");
    // Raw: no echo, no line editing, CR stays CR, 0xFF is an ordinary byte.
    cfmakeraw(&tio);
    tio.c_cflag &= ~(CSIZE | PARENB | CSTOPB | CRTSCTS);
    tio.c_cflag |= CS8 | CLOCAL | CREAD;
    tio.c_iflag &= ~(IXON | IXOFF | IXANY);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    const speed_t speed = speedConstant(m_config.Baud);
    cfsetispeed(&tio, speed);
    cfsetospeed(&tio, speed);
    if (tcsetattr(m_fd, TCSANOW, &tio) != 0)
        fail("tcsetattr");
    // DTR and RTS off where the device has them; a pseudo-terminal refuses modem lines.
    int lines = TIOCM_DTR | TIOCM_RTS;
    ioctl(m_fd, TIOCMBIC, &lines);
    // Like a port on Windows: one user at a time, and a fresh port starts empty.
    ioctl(m_fd, TIOCEXCL);
    tcflush(m_fd, TCIOFLUSH);
}

void PosixSerialPort::close()
{
    if (!isOpen())
        return;
    m_notifier.reset();
    // Exclusive use ends with our use, also where another holder keeps the device open.
    ioctl(m_fd, TIOCNXCL);
    ::close(m_fd);
    m_fd = -1;
}

void PosixSerialPort::setTimeouts(const SerialTimeouts& timeouts)
{
    std::lock_guard lock(m_timeoutsMutex);
    m_timeouts = timeouts;
}

SerialTimeouts PosixSerialPort::timeouts() const
{
    std::lock_guard lock(m_timeoutsMutex);
    return m_timeouts;
}

void PosixSerialPort::purge()
{
    if (!isOpen())
        throw SerialError(QStringLiteral("%1: port not open").arg(m_config.Name));
    // Input only: a write here returns once its bytes are handed to the driver, where a
    // write on Windows returns once they have gone, so flushing the output as well could
    // discard a command that was reported written (a pseudo-terminal drops such bytes).
    if (tcflush(m_fd, TCIFLUSH) != 0)
        fail("tcflush");
}

short PosixSerialPort::waitReady(short events, Clock::time_point deadline)
{
    for (;;) {
        const auto now = Clock::now();
        if (now >= deadline)
            return 0;
        const auto left = std::chrono::duration_cast<std::chrono::nanoseconds>(deadline - now);
        timespec timeout { time_t(left.count() / 1000000000), long(left.count() % 1000000000) };
        pollfd fds[2] = { { m_fd, events, 0 }, { m_interrupt, POLLIN, 0 } };
        const int n = ppoll(fds, 2, &timeout, nullptr);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail("poll");
        }
        if (fds[1].revents)
            return 0;
        if (fds[0].revents & POLLNVAL)
            fail("poll");
        if (fds[0].revents)
            return fds[0].revents;
    }
}

void PosixSerialPort::beginOwnRead()
{
    std::lock_guard lock(m_ownReadsMutex);
    ++m_ownReads;
}

void PosixSerialPort::endOwnRead()
{
    bool last = false;
    {
        std::lock_guard lock(m_ownReadsMutex);
        last = --m_ownReads == 0;
    }
    // The receive routine left what arrived meanwhile: let it look again.
    if (last && m_notifier)
        m_notifier->rescan();
}

size_t PosixSerialPort::readWaiting(uint8_t* buffer, size_t n)
{
    if (!isOpen())
        throw SerialError(QStringLiteral("%1: port not open").arg(m_config.Name));
    std::lock_guard lock(m_ownReadsMutex);
    if (m_ownReads > 0 || n == 0)
        return 0;
    pollfd state { m_fd, POLLIN, 0 };
    if (::poll(&state, 1, 0) < 0 && errno != EINTR)
        fail("poll");
    // The descriptor is non-blocking: this takes what is there and returns.
    const ssize_t r = ::read(m_fd, buffer, n);
    if (r > 0)
        return size_t(r);
    if (r < 0 && errno != EAGAIN && errno != EINTR)
        fail("read");
    if (state.revents & (POLLHUP | POLLERR | POLLNVAL)) {
        // Nothing to read from a hung-up device: it has gone.
        errno = EIO;
        fail("read");
    }
    return 0;
}

size_t PosixSerialPort::read(uint8_t* buffer, size_t n)
{
    if (!isOpen())
        throw SerialError(QStringLiteral("%1: port not open").arg(m_config.Name));
    if (n == 0)
        return 0;
    buffer[0] = 0;
    const SerialTimeouts t = timeouts();
    const auto start = Clock::now();
    const auto total
        = start + m_clock.toReal(uint32_t(t.ReadTotalPerByte * n + t.ReadTotalConstant));
    beginOwnRead();
    struct OwnReadEnd {
        PosixSerialPort* port;
        ~OwnReadEnd() { port->endOwnRead(); }
    } ownReadEnd { this };
    const auto interval = m_clock.toReal(t.ReadInterval);
    size_t got = 0;
    Clock::time_point lastByte;
    while (got < n) {
        const auto deadline = got > 0 ? std::min(total, lastByte + interval) : total;
        const short ready = waitReady(POLLIN, deadline);
        if (!ready)
            break;
        const ssize_t r = ::read(m_fd, buffer + got, n - got);
        if (r > 0) {
            got += size_t(r);
            lastByte = Clock::now();
        } else if (r < 0 && errno != EAGAIN && errno != EINTR) {
            fail("read");
        } else if (ready & (POLLHUP | POLLERR)) {
            // Nothing to read from a hung-up device: it has gone.
            errno = EIO;
            fail("read");
        }
        // Otherwise the receive routine took the bytes first (a raw tty then reads 0
        // bytes rather than failing with EAGAIN); wait on.
    }
    return got;
}

size_t PosixSerialPort::write(const uint8_t* data, size_t n)
{
    if (!isOpen())
        throw SerialError(QStringLiteral("%1: port not open").arg(m_config.Name));
    const SerialTimeouts t = timeouts();
    const uint32_t totalMs = uint32_t(t.WriteTotalPerByte * n + t.WriteTotalConstant);
    // A total of 0 means no timeout, as on Windows.
    const auto deadline
        = totalMs ? Clock::now() + m_clock.toReal(totalMs) : Clock::time_point::max();
    size_t done = 0;
    while (done < n) {
        const ssize_t r = ::write(m_fd, data + done, n - done);
        if (r > 0) {
            done += size_t(r);
            continue;
        }
        if (r < 0 && errno != EAGAIN && errno != EINTR)
            fail("write");
        if (!waitReady(POLLOUT, deadline))
            break;
    }
    return done;
}
