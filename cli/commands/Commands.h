// The procedures of veskor-cli's commands, one file each.
#pragma once

class CliContext;

namespace CliCommands {

int connect(CliContext& context); // Connect.cpp
int calib(CliContext& context);   // Calib.cpp
int live(CliContext& context);    // Live.cpp
int faults(CliContext& context);  // Faults.cpp
int dump(CliContext& context);    // Dump.cpp

} // namespace CliCommands
