// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Window message numbers shared by the dashboard and its senders, and the event that carries one.
#pragma once

#include <QEvent>
#include <bit>
#include <cstdint>

namespace Msg {

// A PID's new value for the dashboard: wParam = PID, lParam = the value's float bits.
inline constexpr QEvent::Type WM_PID_CHANGED = QEvent::Type(1281);
// Posted to the dashboard panel when the link's slots were cleared; the panel forwards it to no
// one.
inline constexpr QEvent::Type WM_SLOTS_CLEARED = QEvent::Type(1282);

// The value travels as the bit pattern of a single-precision float, never as a converted number.
inline int64_t floatToLParam(float value)
{
    return std::bit_cast<uint32_t>(value);
}
inline float lParamToFloat(int64_t lParam)
{
    return std::bit_cast<float>(uint32_t(lParam));
}

} // namespace Msg

// A window message as a Qt event: the number is the event type; Result lets a receiver
// tell a sender that fans the message out to stop.
class TMessage : public QEvent {
public:
    TMessage(QEvent::Type msg, uint64_t wParam, int64_t lParam)
        : QEvent(msg)
        , WParam(wParam)
        , LParam(lParam)
    {
    }

    uint64_t WParam;
    int64_t LParam;
    int64_t Result = 0;
};
