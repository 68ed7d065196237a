// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "Exchanges.h"
#include "link/TLinkContext.h"

namespace Exchanges {

void Disconnect(TLinkContext& link)
{
    link.setCancelConnect(false);
    TLinkPort& port = link.port();
    if (port.exists() && port.isOpen()) {
        port.close();
        port.release();
        link.postEvent(Link::evDisconnected, 1);
    } else {
        // A closed port object stays for the next exchange.
        link.postEvent(Link::evDisconnected, 0);
    }
}

void runDisconnect(TLinkContext& link, const TQueuedMessage&)
{
    Disconnect(link);
}

} // namespace Exchanges
