// The commands of veskor-cli: a name, a line of help and the procedure that runs it.
#pragma once

#include <span>

class CliSession;

struct CliCommand {
    const char* Name;
    const char* Help;
    // The exit code: 0 when the exchange succeeded.
    int (*Run)(CliSession& session);
};

// Every command, in the order --help lists them.
std::span<const CliCommand> cliCommands();
