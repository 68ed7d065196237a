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
    { "live", "[--table P|T] [--seconds N] [--csv FILE]",
        "stream live data of PID table P (default) or T: a line \"pid N VALUE\" for each "
        "changed value, or with --csv a row of every PID per cycle of 16 frames; ends after N "
        "seconds or on Ctrl-C with cmdStopData",
        CliCommands::live },
    { "faults", "read|clear|test [--lang ru|en] [--max-test-time S]",
        "read or clear the stored fault codes, or run the engine self-test (cmdFaultTest B, C "
        "or D), and print each code with its mode, description and comment from codes.txt",
        CliCommands::faults },
    { "dump", "(--full | --ram | --first R --end R) -o FILE",
        "read ECU memory rows R (16 bytes each, end excluded) into the 65,536-byte dump FILE "
        "(cmdDumpToFile); exit 0 only when every byte came and the file holds them",
        CliCommands::dump },
};

} // namespace

std::span<const CliCommand> cliCommands()
{
    return Commands;
}
