// The link thread's message queue: the window posts, the thread waits for the next one.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>

struct TQueuedMessage {
    int Message = 0;
    uint32_t WParam = 0;
    int32_t LParam = 0;
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
