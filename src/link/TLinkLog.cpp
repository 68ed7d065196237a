// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "TLinkLog.h"

#include "LinkMessage.h"
#include "TLinkPoster.h"
#include "TLinkShared.h"

TLinkLog::TLinkLog(const TLinkPoster& poster, TLinkShared& shared)
    : m_poster(poster)
    , m_shared(shared)
{
}

void TLinkLog::line(const QString& text, const QString& failure)
{
    auto receipt = std::make_shared<TLogReceipt>();
    {
        std::lock_guard lock(m_mutex);
        if (m_shared.terminating() || !m_poster.sink())
            return;
        m_pending = receipt;
    }
    m_poster.postRaw(new TLinkLogEvent(text, receipt, failure));
    receipt->wait();
    std::lock_guard lock(m_mutex);
    m_pending.reset();
}

void TLinkLog::terminate()
{
    std::lock_guard lock(m_mutex);
    m_shared.Terminating.store(true, std::memory_order_relaxed);
    if (m_pending)
        m_pending->cancel();
}
