// The module's command handlers, one file per group of commands. Each group registers
// its commands with the dispatcher.
#pragma once

class SimDispatcher;

namespace SimHandlers {

// "z", "v", "m" and "cH" (Handshake.cpp).
void registerHandshake(SimDispatcher& dispatcher);

} // namespace SimHandlers
