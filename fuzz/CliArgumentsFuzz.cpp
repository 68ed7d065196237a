// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Fuzz target: a veskor-cli command's own arguments of any text (NUL-separated), read
// against the options of a command the first byte picks, and every value checked as that
// command checks it. Wrong arguments raise CliUsageError and nothing else; accepted ones
// leave no option among the words, and a number read lies within its bounds.
#include "FuzzSupport.h"
#include "cli/CliArguments.h"
#include "cli/CliCommand.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iterator>

namespace {

struct Options {
    QStringList Values;
    QStringList Flags;
};

// The options of dump, faults, export, record, options and live.
const Options Commands[] = {
    { { "--first", "--end", "-o" }, { "--full", "--ram" } },
    { { "--lang", "--max-test-time" }, {} },
    { { "-o" }, {} },
    { { "--table", "--seconds", "-o" }, {} },
    { { "--ecu-speed", "--format" }, {} },
    { { "--table", "--seconds", "--csv" }, {} },
};

void checkNumber(const CliArguments& args, const QString& option, int min, int max)
{
    const auto text = args.value(option);
    if (!text)
        return;
    try {
        const int value = CliArguments::number(option, *text, min, max);
        if (value < min || value > max)
            std::abort();
    } catch (const CliUsageError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const Options& command = Commands[data[0] % std::size(Commands)];
    QStringList arguments;
    if (size > 1)
        for (const QByteArray& part : fuzz::bytes(data + 1, size - 1).split('\0'))
            arguments << QString::fromUtf8(part);
    try {
        const CliArguments args(arguments, command.Values, command.Flags);
        for (const QString& word : args.words())
            if (word.size() > 1 && word.startsWith(u'-'))
                std::abort();
        for (const QString& option : command.Values + command.Flags)
            if (args.isSet(option) && !arguments.contains(option))
                std::abort();
        checkNumber(args, QStringLiteral("--first"), 0, 4095);
        checkNumber(args, QStringLiteral("--max-test-time"), 1, 3600);
        checkNumber(args, QStringLiteral("--ecu-speed"), 0, 3);
        try {
            const char table = CliArguments::table(args);
            if (table != 'P' && table != 'T')
                std::abort();
        } catch (const CliUsageError&) {
        }
        try {
            const auto seconds = CliArguments::seconds(args);
            if (seconds && (seconds->count() < 1000 || seconds->count() > 86400 * 1000))
                std::abort();
        } catch (const CliUsageError&) {
        }
    } catch (const CliUsageError&) {
    }
    return 0;
}
