// Posts the link's window messages to the event sink (the main window or veskor-cli).
#pragma once

#include "LinkTypes.h"

#include <QObject>
#include <cstdint>

class TLinkPoster {
public:
    explicit TLinkPoster(QObject* sink)
        : m_sink(sink)
    {
    }

    void post(int message, uint32_t wParam, int32_t lParam) const;
    void postEvent(Link::Event code, int32_t lParam) const
    {
        post(Link::WM_LINK_EVENT, code, lParam);
    }
    // Stamped with the time and its number (TSlotMessage).
    void postSlot(uint8_t slot, int32_t lParam) const;
    // Any other event, handed over to the sink's thread.
    void postRaw(QEvent* event) const;

    QObject* sink() const { return m_sink; }

private:
    QObject* const m_sink;
};
