// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The link thread's message queue: the window posts, the thread waits for the next one.
#pragma once

#include <QString>
#include <array>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>

// A message of the queue with the data its command carries: the file of a dump or an
// update, the option bytes to write. The data travels with the command, so a command
// queued behind another never takes the other's file or bytes.
struct TQueuedMessage {
    int Message = 0;
    uint32_t WParam = 0;
    int32_t LParam = 0;
    QString File;
    // Speed and format bytes to write (cmdModuleOptions 1); a negative byte is not written.
    // Without them the bytes the link holds are written.
    std::optional<std::array<int8_t, 2>> OptionBytes;
};

class TCommandQueue {
public:
    void post(const TQueuedMessage& message);
    // The next message; nothing once quit() was called.
    std::optional<TQueuedMessage> take();
    void quit();

private:
    std::mutex m_mutex;
    std::condition_variable m_cond;
    std::deque<TQueuedMessage> m_messages;
    bool m_quit = false;
};
