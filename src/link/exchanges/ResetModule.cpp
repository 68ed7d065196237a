// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "Exchanges.h"
#include "link/TLinkContext.h"

namespace Exchanges {

namespace {
    constexpr uint32_t RestartMs = 2000;
} // namespace

void ResetModule(TLinkContext& link)
{
    TLinkPort& port = link.port();
    if (!port.exists())
        link.Connect(false);
    if (!port.exists())
        return;
    if (!port.isOpen())
        port.open();
    port.purge();
    port.write("r\r");
    link.sleep(RestartMs);
    // The handshake's events show the state the module restarted into.
    link.Connect(true);
}

void runResetModule(TLinkContext& link, const TQueuedMessage&)
{
    ResetModule(link);
}

} // namespace Exchanges
