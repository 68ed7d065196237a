// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The receive notification thread of a POSIX port: waits for bytes to arrive and calls
// the handler with the number waiting.
#pragma once

#include <functional>
#include <thread>

class PosixReceiveNotifier {
public:
    using Callback = std::function<void(size_t waiting)>;

    // Starts watching fd at once. Throws SerialError when the thread cannot be set up.
    PosixReceiveNotifier(int fd, Callback callback);
    // Stops and joins the thread; the callback is not running afterwards.
    ~PosixReceiveNotifier();

    // Calls the handler again for the bytes waiting now, from any thread: after a read of
    // the link thread, which the handler had to leave its bytes to.
    void rescan();

    PosixReceiveNotifier(const PosixReceiveNotifier&) = delete;
    PosixReceiveNotifier& operator=(const PosixReceiveNotifier&) = delete;

private:
    void run();
    size_t waiting() const;

    const int m_fd;
    Callback m_callback;
    int m_epoll = -1;
    int m_stop = -1;
    int m_rescan = -1;
    std::thread m_thread;
};
