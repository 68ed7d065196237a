// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The module's command handlers, one file per group of commands. Each group registers
// its commands with the dispatcher.
#pragma once

class SimDispatcher;

namespace SimHandlers {

// "z", "v", "m" and "cH" (Handshake.cpp).
void registerHandshake(SimDispatcher& dispatcher);

// "ooooooo", "o0"/"o1" + digit and "cA" (Options.cpp).
void registerOptions(SimDispatcher& dispatcher);
// "r": the restart into the boot loader (BootLoader.cpp).
void registerBootLoader(SimDispatcher& dispatcher);
// "l" + table letter, "cE" and "cG" (LiveData.cpp).
void registerLiveData(SimDispatcher& dispatcher);
// "cB", "cC" and "cD" (FaultTests.cpp).
void registerFaultTests(SimDispatcher& dispatcher);
// "lD", "cI" and "a" + rows (Memory.cpp).
void registerMemory(SimDispatcher& dispatcher);

} // namespace SimHandlers
