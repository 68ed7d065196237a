// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "Exchanges.h"
#include "common/Texts.h"
#include "link/TLinkContext.h"

namespace Exchanges {

QByteArray prepareStream(TLinkContext& link, const QByteArray& command)
{
    TLinkPort& port = link.port();
    port.write(command + '\r');
    const QByteArray reply = port.read(200);
    // The decoder waits for a sync byte before the stream starts.
    link.decoder().awaitSync();
    link.sleep(100);
    return reply;
}

void openForStream(TLinkContext& link, Link::LinkMode mode)
{
    TLinkPort& port = link.port();
    link.LogLine(Texts::text(Texts::LogDataStart));
    link.sleep(300);
    port.purge();
    // Only an opening with events on starts the receive routine.
    port.setEvents(true);
    port.close();
    link.sleepBluetooth(1000, 100);
    port.open();
    link.setLinkMode(mode);
}

} // namespace Exchanges
