// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "Exchanges.h"
#include "link/TLinkContext.h"

namespace Exchanges {

void runToggleTestSignal(TLinkContext& link, const TQueuedMessage&)
{
    link.toggleTestSignal();
}

} // namespace Exchanges
