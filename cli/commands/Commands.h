// The procedures of veskor-cli's commands, one file each.
#pragma once

class CliSession;

namespace CliCommands {

int connect(CliSession& session); // Connect.cpp

} // namespace CliCommands
