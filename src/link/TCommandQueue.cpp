// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "TCommandQueue.h"

void TCommandQueue::post(const TQueuedMessage& message)
{
    {
        std::lock_guard lock(m_mutex);
        m_messages.push_back(message);
    }
    m_cond.notify_one();
}

std::optional<TQueuedMessage> TCommandQueue::take()
{
    std::unique_lock lock(m_mutex);
    m_cond.wait(lock, [this] { return m_quit || !m_messages.empty(); });
    if (m_quit)
        return std::nullopt;
    TQueuedMessage message = m_messages.front();
    m_messages.pop_front();
    return message;
}

void TCommandQueue::quit()
{
    {
        std::lock_guard lock(m_mutex);
        m_quit = true;
    }
    m_cond.notify_all();
}
