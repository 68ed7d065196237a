// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "PosixReceiveNotifier.h"

#include "SerialPort.h"

#include <cerrno>
#include <cstring>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

enum : uint64_t { PortKey = 1, StopKey = 2, RescanKey = 3 };

} // namespace

PosixReceiveNotifier::PosixReceiveNotifier(int fd, Callback callback)
    : m_fd(fd)
    , m_callback(std::move(callback))
{
    m_epoll = epoll_create1(EPOLL_CLOEXEC);
    m_stop = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    m_rescan = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    // Edge-triggered: a wake-up means new bytes, so bytes that the receive routine leaves
    // unread do not wake the thread again and again.
    epoll_event portEvent {};
    portEvent.events = EPOLLIN | EPOLLET;
    portEvent.data.u64 = PortKey;
    epoll_event stopEvent {};
    stopEvent.events = EPOLLIN;
    stopEvent.data.u64 = StopKey;
    epoll_event rescanEvent {};
    rescanEvent.events = EPOLLIN;
    rescanEvent.data.u64 = RescanKey;
    if (m_epoll < 0 || m_stop < 0 || m_rescan < 0
        || epoll_ctl(m_epoll, EPOLL_CTL_ADD, m_fd, &portEvent) != 0
        || epoll_ctl(m_epoll, EPOLL_CTL_ADD, m_stop, &stopEvent) != 0
        || epoll_ctl(m_epoll, EPOLL_CTL_ADD, m_rescan, &rescanEvent) != 0) {
        const QString error = QString::fromLocal8Bit(strerror(errno));
        for (int fd : { m_epoll, m_stop, m_rescan })
            if (fd >= 0)
                ::close(fd);
        throw SerialError(error);
    }
    m_thread = std::thread([this] { run(); });
}

PosixReceiveNotifier::~PosixReceiveNotifier()
{
    const uint64_t one = 1;
    [[maybe_unused]] const auto written = ::write(m_stop, &one, sizeof one);
    m_thread.join();
    ::close(m_epoll);
    ::close(m_stop);
    ::close(m_rescan);
}

void PosixReceiveNotifier::rescan()
{
    const uint64_t one = 1;
    [[maybe_unused]] const auto written = ::write(m_rescan, &one, sizeof one);
}

size_t PosixReceiveNotifier::waiting() const
{
    int count = 0;
    if (ioctl(m_fd, FIONREAD, &count) != 0 || count < 0)
        return 0;
    return size_t(count);
}

void PosixReceiveNotifier::run()
{
    for (;;) {
        epoll_event events[3];
        const int n = epoll_wait(m_epoll, events, 3, -1);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        bool portReady = false;
        bool portGone = false;
        for (int i = 0; i < n; ++i) {
            if (events[i].data.u64 == StopKey)
                return;
            portReady = true;
            if (events[i].data.u64 == RescanKey) {
                uint64_t count = 0;
                [[maybe_unused]] const auto got = ::read(m_rescan, &count, sizeof count);
            } else {
                portGone = events[i].events & (EPOLLERR | EPOLLHUP);
            }
        }
        if (!portReady)
            continue;
        // Call again while the handler takes bytes; stop when it leaves them, and wait
        // for the next arrival.
        size_t count = waiting();
        while (count > 0) {
            m_callback(count);
            const size_t after = waiting();
            if (after >= count)
                break;
            count = after;
        }
        // A hung-up port reports nothing more: one last call lets the handler meet the
        // error, so that a stream nobody reads from is still known to have ended.
        if (portGone && waiting() == 0) {
            m_callback(0);
            return;
        }
    }
}
