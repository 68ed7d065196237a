// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "Exchanges.h"
#include "common/Texts.h"
#include "link/TLinkContext.h"

namespace Exchanges {

namespace {

    constexpr uint32_t ReplyWaitMs = 100;

    // The module resets its status and answers one byte.
    void resetStatus(TLinkContext& link)
    {
        TLinkPort& port = link.port();
        port.close();
        port.setEvents(true);
        link.ClearSlots();
        link.sleepBluetooth(1000, 0);
        port.open();
        port.purge();
        link.LogLine(Texts::text(Texts::LogPortOpen));
        port.write("cA\r");
        link.sleep(ReplyWaitMs);
        link.LogLine(Texts::text(Texts::LogCalibrationReset));
        const QByteArray reply = port.read(1);
        if (reply.size() == 1 && reply[0] != 0) {
            link.postEvent(Link::evCalibration, 0);
            link.LogLine(Texts::text(Texts::LogCalibrationReset));
        }
    }

} // namespace

void ReadCalibration(TLinkContext& link)
{
    TLinkPort& port = link.port();
    if (!port.exists() && !link.Connect(true))
        return;
    bool logged = false;
    try {
        resetStatus(link);
    } catch (const std::exception&) {
        link.LogLine(Texts::text(Texts::LogCalibrationError));
        link.postEvent(Link::evPortError, Link::cmdReadCalibration);
        logged = true;
    }
    // The port is closed whatever happened.
    try {
        port.close();
        port.setEvents(false);
    } catch (const std::exception&) {
        if (!logged) {
            link.LogLine(Texts::text(Texts::LogCalibrationError));
            link.postEvent(Link::evPortError, Link::cmdReadCalibration);
            logged = true;
        }
    }
    if (logged)
        link.dropFailedPort();
}

void runReadCalibration(TLinkContext& link, const TQueuedMessage&)
{
    ReadCalibration(link);
}

} // namespace Exchanges
