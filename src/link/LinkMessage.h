// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Messages of the link as posted Qt events: the window messages with their two
// arguments, the log line handed to the window, and the end of a command.
#pragma once

#include "LinkTypes.h"
#include "common/Messages.h"

#include <QEvent>
#include <QString>
#include <array>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>

// ThreadSanitizer cannot see Qt's hand-off of a posted event to the receiver's thread
// (Debian's Qt is not instrumented). The link marks each event it posts as handed over;
// a sink of link events calls takeOver(event) first thing in its event handler.
namespace LinkEvents {
void handOver(QEvent* event);
void takeOver(const QEvent* event);
} // namespace LinkEvents

// A window message: type() is its number (WM_LINK_SLOT, WM_LINK_EVENT, WM_PID_CHANGED ...),
// the same event class the dashboard panel fans out.
using TLinkMessage = TMessage;

// The checked words of one receive call, in the order they came: one posted event for all
// of them, so that a stream of thousands of words a second wakes the window a few hundred
// times at most. Stamped when the link took the first word, so that a front end measures
// how long a word takes to reach the screen and how many words wait behind the batch.
class TWordBatchEvent : public QEvent {
public:
    // More than one receive call can bring (its buffer holds 2000 bytes, 500 words).
    static constexpr int Capacity = 512;

    TWordBatchEvent();

    static QEvent::Type eventType();
    // Words posted in batches by the process so far.
    static uint64_t wordsPosted();

    bool full() const { return m_count == Capacity; }
    void append(const Link::StreamWord& word) { m_words[size_t(m_count++)] = word; }
    // Counts the batch's words as posted; Sequence is then the number of its last word.
    void seal();
    Link::WordBatch batch() const { return { m_words.data(), m_count, StampNs, Sequence }; }

    const int64_t StampNs; // steady clock
    uint64_t Sequence = 0;

private:
    std::array<Link::StreamWord, Capacity> m_words;
    int m_count = 0;
};

// Tells the waiting link thread that the window has taken its log line. The window
// takes it when the event is handled, or when the event is dropped undelivered.
class TLogReceipt {
public:
    void done();
    // Waits until done() or cancel(); false when cancelled first.
    bool wait();
    void cancel();

private:
    std::mutex m_mutex;
    std::condition_variable m_cond;
    bool m_done = false;
    bool m_cancelled = false;
};

// A log line for the window's log. Destroying the event (after delivery, or with its
// receiver) releases the link thread that waits for it.
class TLinkLogEvent : public QEvent {
public:
    // failure: for a line that tells of a port's error, the system's words of it.
    TLinkLogEvent(QString text, std::shared_ptr<TLogReceipt> receipt, QString failure = {});
    ~TLinkLogEvent() override;

    static QEvent::Type eventType();
    const QString Text;
    const QString Failure;

private:
    std::shared_ptr<TLogReceipt> m_receipt;
};

// Posted after every command that the link thread took from its queue has ended, so
// headless front ends and tests know when an exchange is over. The window ignores it.
class TLinkCommandDone : public QEvent {
public:
    TLinkCommandDone(uint8_t code)
        : QEvent(eventType())
        , Code(code)
    {
    }

    static QEvent::Type eventType();
    const uint8_t Code;
};
