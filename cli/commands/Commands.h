// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The procedures of veskor-cli's commands, one file each.
#pragma once

class CliContext;

namespace CliCommands {

int connect(CliContext& context); // Connect.cpp
int lookup(CliContext& context); // Lookup.cpp
int options(CliContext& context); // Options.cpp
int reset(CliContext& context); // Reset.cpp
int resetStatus(CliContext& context); // ResetStatus.cpp
int flash(CliContext& context); // Flash.cpp
int live(CliContext& context); // Live.cpp
int faults(CliContext& context); // Faults.cpp
int dump(CliContext& context); // Dump.cpp
int record(CliContext& context); // Record.cpp
int exportCsv(CliContext& context); // Export.cpp

} // namespace CliCommands
