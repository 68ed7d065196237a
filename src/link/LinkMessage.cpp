#include "LinkMessage.h"

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

TLinkLogEvent::TLinkLogEvent(QString text, std::shared_ptr<TLogReceipt> receipt)
    : QEvent(eventType())
    , Text(std::move(text))
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
