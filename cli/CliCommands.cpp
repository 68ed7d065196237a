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
