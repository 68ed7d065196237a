// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Posts the link's messages to the event sink (LinkSession, or a test's recorder): events,
// log lines, the end of a command, and the stream's words in batches.
#pragma once

#include "LinkTypes.h"

#include <QObject>
#include <cstdint>
#include <memory>
#include <mutex>

class TWordBatchEvent;

class TLinkPoster {
public:
    explicit TLinkPoster(QObject* sink);
    ~TLinkPoster();

    TLinkPoster(const TLinkPoster&) = delete;
    TLinkPoster& operator=(const TLinkPoster&) = delete;

    void post(int message, uint32_t wParam, int32_t lParam) const;
    void postEvent(Link::Event code, int32_t lParam) const
    {
        post(Link::WM_LINK_EVENT, code, lParam);
    }
    // Tells the sink that the slot tables were cleared.
    void postSlotsCleared() const;
    // Any other event, handed over to the sink's thread.
    void postRaw(QEvent* event) const;

    // The receive routine's words of one call. While a WordScope lives, every other post
    // waits: the link thread may already see these words in the slot table, and an event
    // it posts (the calibration read, a fault test's end) must not overtake them.
    class WordScope {
    public:
        explicit WordScope(const TLinkPoster& poster);
        // Posts the words added, if any.
        ~WordScope();
        WordScope(const WordScope&) = delete;
        WordScope& operator=(const WordScope&) = delete;

        void add(const Link::StreamWord& word);

    private:
        void flush();

        const TLinkPoster& m_poster;
        std::lock_guard<std::mutex> m_lock;
        TWordBatchEvent* m_batch = nullptr;
    };

    QObject* sink() const { return m_sink; }

private:
    void postLocked(QEvent* event) const;

    QObject* const m_sink;
    mutable std::mutex m_mutex;
};
