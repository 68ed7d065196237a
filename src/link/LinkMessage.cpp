// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "LinkMessage.h"

#include "LinkTypes.h"

#include <atomic>
#include <chrono>

#if defined(__SANITIZE_THREAD__)
extern "C" void __tsan_acquire(void* address);
extern "C" void __tsan_release(void* address);
#endif

namespace LinkEvents {

void handOver([[maybe_unused]] QEvent* event)
{
#if defined(__SANITIZE_THREAD__)
    __tsan_release(event);
#endif
}

void takeOver([[maybe_unused]] const QEvent* event)
{
#if defined(__SANITIZE_THREAD__)
    __tsan_acquire(const_cast<QEvent*>(event));
#endif
}

} // namespace LinkEvents

void TLogReceipt::done()
{
    {
        std::lock_guard lock(m_mutex);
        m_done = true;
    }
    m_cond.notify_all();
}

void TLogReceipt::cancel()
{
    {
        std::lock_guard lock(m_mutex);
        m_cancelled = true;
    }
    m_cond.notify_all();
}

bool TLogReceipt::wait()
{
    std::unique_lock lock(m_mutex);
    m_cond.wait(lock, [this] { return m_done || m_cancelled; });
    return m_done;
}

TLinkLogEvent::TLinkLogEvent(QString text, std::shared_ptr<TLogReceipt> receipt, QString failure)
    : QEvent(eventType())
    , Text(std::move(text))
    , Failure(std::move(failure))
    , m_receipt(std::move(receipt))
{
}

TLinkLogEvent::~TLinkLogEvent()
{
    if (m_receipt)
        m_receipt->done();
}

QEvent::Type TLinkLogEvent::eventType()
{
    static const QEvent::Type type = QEvent::Type(QEvent::registerEventType());
    return type;
}

QEvent::Type TLinkCommandDone::eventType()
{
    static const QEvent::Type type = QEvent::Type(QEvent::registerEventType());
    return type;
}

namespace {
std::atomic<uint64_t> wordsPostedSoFar { 0 };
} // namespace

TWordBatchEvent::TWordBatchEvent()
    : QEvent(eventType())
    , StampNs(std::chrono::duration_cast<std::chrono::nanoseconds>(
          std::chrono::steady_clock::now().time_since_epoch())
                  .count())
{
}

QEvent::Type TWordBatchEvent::eventType()
{
    static const QEvent::Type type = QEvent::Type(QEvent::registerEventType());
    return type;
}

void TWordBatchEvent::seal()
{
    Sequence = wordsPostedSoFar.fetch_add(uint64_t(m_count), std::memory_order_relaxed)
        + uint64_t(m_count);
}

uint64_t TWordBatchEvent::wordsPosted()
{
    return wordsPostedSoFar.load(std::memory_order_relaxed);
}
