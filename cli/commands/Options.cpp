// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "Commands.h"
#include "cli/CliArguments.h"
#include "cli/CliCommand.h"
#include "link/LinkSession.h"
#include "link/LinkTypes.h"
#include "link/ModuleOption.h"

#include <cstdio>

namespace CliCommands {

namespace {

    const QString Usage = QStringLiteral("options takes read, or write [--ecu-speed 0..3] "
                                         "[--format 0..1]");

    // "--ecu-speed 3" or "--format 1": the option's value, -1 when not given.
    int8_t optionValue(const CliArguments& args, const QString& option, int highest)
    {
        const auto text = args.value(option);
        return text ? int8_t(CliArguments::number(option, *text, 0, highest)) : int8_t(-1);
    }

    int write(CliContext& context, const QStringList& arguments)
    {
        if (arguments.contains(QStringLiteral("--speed")))
            throw CliUsageError(QStringLiteral("the module's ECU speed is --ecu-speed 0..3 after "
                                               "\"options write\"; --speed before the command "
                                               "is the port's baud rate"));
        const CliArguments args(arguments, { "--ecu-speed", "--format" });
        if (!args.words().isEmpty())
            throw CliUsageError(Usage);
        const int8_t speedValue = optionValue(args, "--ecu-speed", 3);
        const int8_t formatValue = optionValue(args, "--format", 1);
        if (speedValue < 0 && formatValue < 0)
            throw CliUsageError(QStringLiteral("options write needs --ecu-speed or --format"));
        CliSession& session = context.session();
        LinkCommands::WriteOptions write;
        write.Bytes[ModuleOption::Speed] = speedValue;
        write.Bytes[ModuleOption::Format] = formatValue;
        session.runChecked(write);
        if (!session.printer().lastWas(Link::evOptions, LinkReport::OptionsWritten))
            throw VeskorError(QStringLiteral("the options could not be written"));
        const QByteArray port = context.options().Port.toUtf8();
        CliPrinter::print("note the module applies the options after a restart: veskor-cli --port "
            + port + " reset");
        return 0;
    }

    // "option 0 3 Скорость порта EEC-IV: 19200": the option, its byte (a digit's value, or
    // the byte in hexadecimal) and what the options page shows for it.
    QByteArray optionLine(int option, uint8_t byte)
    {
        const QByteArray value = byte >= '0' && byte <= '9'
            ? QByteArray::number(byte - '0')
            : "0x" + QByteArray::number(byte, 16).rightJustified(2, '0').toUpper();
        const int item = ModuleOption::selectedItem(option, byte);
        const QString meaning = item >= 0 ? ModuleOption::items(option)[item] : QStringLiteral("?");
        return "option " + QByteArray::number(option) + ' ' + value + ' '
            + (ModuleOption::label(option) + ' ' + meaning).toUtf8();
    }

    // What the module keeps for an option: an ASCII digit, or 127 before it was written.
    bool isOptionByte(uint8_t byte)
    {
        return (byte >= '0' && byte <= '9') || byte == 127;
    }

    int read(CliContext& context)
    {
        CliSession& session = context.session();
        // A byte the reply did not bring reads 0: no option.
        session.runChecked(LinkCommands::ReadOptions {});
        if (!session.printer().lastWas(Link::evOptions, LinkReport::OptionsRead))
            throw VeskorError(QStringLiteral("the module did not send its options"));
        for (int option = 0; option < ModuleOption::Count; ++option)
            if (!isOptionByte(uint8_t(session.link().optionByte(option))))
                throw VeskorError(
                    QStringLiteral("the module's reply holds no option %1 (byte "
                                   "0x%2): a short or garbled reply")
                        .arg(option)
                        .arg(uint8_t(session.link().optionByte(option)), 2, 16, QLatin1Char('0')));
        for (int option = 0; option < ModuleOption::Count; ++option)
            CliPrinter::print(optionLine(option, uint8_t(session.link().optionByte(option))));
        return 0;
    }

} // namespace

int options(CliContext& context)
{
    QStringList arguments = context.arguments();
    const QString action = arguments.isEmpty() ? QString() : arguments.takeFirst();
    if (action == QLatin1String("read") && arguments.isEmpty())
        return read(context);
    if (action == QLatin1String("write"))
        return write(context, arguments);
    throw CliUsageError(Usage);
}

} // namespace CliCommands
