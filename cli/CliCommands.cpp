#include "CliCommand.h"
#include "commands/Commands.h"

namespace {

// One line per command.
constexpr CliCommand Commands[] = {
    { "connect", "",
        "open the port and perform the handshake (cmdConnect 1); exit 0 when the module "
        "answered",
        CliCommands::connect },
    { "calib", "CODE",
        "print the calibration database record of a calibration code (no adapter needed)",
        CliCommands::calib },
};

} // namespace

std::span<const CliCommand> cliCommands()
{
    return Commands;
}
