// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Hands the link thread's log lines to the window and waits until each is taken. Once
// the link is terminating, lines are dropped and a waiting line is released, so that the
// window can end the link without taking its lines.
#pragma once

#include <QString>
#include <memory>
#include <mutex>

class TLinkPoster;
class TLogReceipt;
struct TLinkShared;

class TLinkLog {
public:
    TLinkLog(const TLinkPoster& poster, TLinkShared& shared);

    // On the link thread: blocks until the window has added the line to its log. failure:
    // the system's words of the port error the line tells of.
    void line(const QString& text, const QString& failure = {});
    // From any thread: sets the link's terminating flag and releases a waiting line.
    void terminate();

private:
    const TLinkPoster& m_poster;
    TLinkShared& m_shared;
    std::mutex m_mutex;
    std::shared_ptr<TLogReceipt> m_pending;
};
