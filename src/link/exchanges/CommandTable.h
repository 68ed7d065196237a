// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The link's command table: which procedure runs for each command code.
#pragma once

#include <cstdint>

class TLinkContext;
struct TQueuedMessage;

namespace Exchanges {

using Procedure = void (*)(TLinkContext& link, const TQueuedMessage& command);

// The procedure of a command code; nullptr for a code that does nothing.
Procedure commandProcedure(uint8_t code);

} // namespace Exchanges
