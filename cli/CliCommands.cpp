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
    { "options", "read | write [--speed 0..3] [--format 0..1]",
        "read the module's two options and print them with their meaning (cmdModuleOptions "
        "0), or write those given (cmdModuleOptions 1); exit 0 when the module answered the "
        "read, or when the write was sent",
        CliCommands::options },
    { "reset", "",
        "restart the module (cmdResetModule) and perform the handshake; exit 0 when the "
        "module answered",
        CliCommands::reset },
    { "calibration", "",
        "reset the module's status and read the calibration code (cmdReadCalibration); exit "
        "0 on evCalibration",
        CliCommands::calibration },
    { "flash", "FILE",
        "replace the module's firmware with FILE through its boot loader (cmdFlashFirmware); "
        "prints \"progress N/M stage\" lines; exit 0 when the update completed after a "
        "passed verification",
        CliCommands::flash },
};

} // namespace

std::span<const CliCommand> cliCommands()
{
    return Commands;
}
