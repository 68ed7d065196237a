// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "TLinkPoster.h"

#include "LinkMessage.h"

#include <QCoreApplication>

TLinkPoster::TLinkPoster(QObject* sink)
    : m_sink(sink)
{
}

TLinkPoster::~TLinkPoster() = default;

void TLinkPoster::post(int message, uint32_t wParam, int32_t lParam) const
{
    if (m_sink)
        postRaw(new TLinkMessage(QEvent::Type(message), wParam, lParam));
}

void TLinkPoster::postSlotsCleared() const
{
    post(Link::WM_LINK_SLOT, 0, 0);
}

void TLinkPoster::postRaw(QEvent* event) const
{
    std::lock_guard lock(m_mutex);
    postLocked(event);
}

void TLinkPoster::postLocked(QEvent* event) const
{
    if (m_sink) {
        LinkEvents::handOver(event);
        QCoreApplication::postEvent(m_sink, event);
    } else
        delete event;
}

TLinkPoster::WordScope::WordScope(const TLinkPoster& poster)
    : m_poster(poster)
    , m_lock(poster.m_mutex)
{
}

TLinkPoster::WordScope::~WordScope()
{
    flush();
}

void TLinkPoster::WordScope::add(const Link::StreamWord& word)
{
    if (!m_poster.m_sink)
        return;
    if (m_batch && m_batch->full())
        flush();
    // The one allocation of a receive call: the batch travels to the sink as its event.
    if (!m_batch)
        m_batch = new TWordBatchEvent;
    m_batch->append(word);
}

void TLinkPoster::WordScope::flush()
{
    if (!m_batch)
        return;
    m_batch->seal();
    m_poster.postLocked(std::exchange(m_batch, nullptr));
}
