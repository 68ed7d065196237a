// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "CliCommand.h"
#include "commands/Commands.h"

namespace {

// One line per command.
constexpr CliCommand Commands[] = {
    { "connect", "",
        "open the port and perform the handshake (cmdConnect 1); exit 0 when the module "
        "answered, 1 with \"no module answered on PORT\" when it did not",
        CliCommands::connect },
    { "lookup", "CODE",
        "print the calibration database record of a calibration code, 1 to 4 hexadecimal "
        "digits (no adapter needed); exit 0 when the code has a record, 1 when it has none, 2 "
        "when CODE is no calibration code",
        CliCommands::lookup },
    { "options", "read | write [--ecu-speed 0..3] [--format 0..1]",
        "read the module's two options and print them with their meaning (cmdModuleOptions "
        "0), or write those given (cmdModuleOptions 1): --ecu-speed is the module's speed to "
        "the ECU (0..3), not the port's --speed; the module applies written options after a "
        "reset",
        CliCommands::options },
    { "reset", "",
        "restart the module (cmdResetModule) and perform the handshake; exit 0 when the "
        "module answered",
        CliCommands::reset },
    { "reset-status", "", "reset the module's status (cmdReadCalibration); exit 0 on evCalibration",
        CliCommands::resetStatus },
    { "flash", "FILE",
        "replace the module's firmware with FILE through its boot loader (cmdFlashFirmware); "
        "prints \"progress N/M stage\" lines; exit 0 when the update completed after a "
        "passed verification",
        CliCommands::flash },
    { "live", "[--table P|T] [--seconds N] [--csv FILE [--csv-locale ru|en]]",
        "stream live data of PID table P (default) or T: a line \"pid N \\\"NAME\\\" VALUE UNIT\" "
        "for each changed value (names and units from pids.txt), or with --csv the CSV of "
        "export (a \"# start\" line, time_s and a column \"name (unit)\" per PID, a row per "
        "cycle of 16 frames; --csv-locale ru: \";\" and a decimal comma), written to FILE as "
        "it comes and flushed twice a second; ends after N seconds or on Ctrl-C with "
        "cmdStopData",
        CliCommands::live },
    { "record", "-o FILE [--table P|T] [--seconds N]",
        "record the live data stream of PID table P (default) or T into the recording FILE: "
        "every checked word with its slot and time, the PID table, the calibration code and "
        "the module's version; written as it comes in blocks of a second, so a killed capture "
        "loses at most the last second; ends after N seconds or on Ctrl-C with cmdStopData",
        CliCommands::record },
    { "export", "RECORDING -o FILE [--csv-locale ru|en]",
        "write the recording as CSV (no adapter needed): a line \"# start\" with the "
        "recording's start, a column time_s and one \"name (unit)\" per PID of its table, a "
        "row per cycle of 16 frames, as live --csv; --csv-locale ru writes \";\" and a decimal "
        "comma; a torn or damaged part is told as a log line and the rest exported",
        CliCommands::exportCsv },
    { "faults", "read|clear|test [--lang ru|en] [--max-test-time S]",
        "read or clear the stored fault codes, or run the engine self-test (cmdFaultTest B, C "
        "or D, printing \"progress N/S s\" each second), and print each code with its mode, "
        "description and comment from codes.txt, or \"no fault codes\"; --lang chooses the "
        "description's language (default: the run's --lang), and in English the Russian-only "
        "comments are left out",
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
