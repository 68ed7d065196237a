#include "TLinkPoster.h"

#include "LinkMessage.h"

#include <QCoreApplication>

void TLinkPoster::post(int message, uint32_t wParam, int32_t lParam) const
{
    if (m_sink)
        postRaw(new TLinkMessage(QEvent::Type(message), wParam, lParam));
}

void TLinkPoster::postSlot(uint8_t slot, int32_t lParam) const
{
    if (m_sink)
        postRaw(new TSlotMessage(slot, lParam));
}

void TLinkPoster::postRaw(QEvent* event) const
{
    if (m_sink) {
        LinkEvents::handOver(event);
        QCoreApplication::postEvent(m_sink, event);
    } else
        delete event;
}
