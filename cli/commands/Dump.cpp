// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "Commands.h"
#include "cli/CliArguments.h"
#include "cli/CliCommand.h"
#include "link/LinkSession.h"
#include "link/LinkTypes.h"
#include "link/TLinkShared.h"

#include <QFile>
#include <QFileInfo>

namespace CliCommands {

namespace {

    // The memory page's ranges: RAM+ROM and RAM.
    constexpr int FullEndRow = 4095;
    constexpr int RamEndRow = 511;

    struct DumpRequest {
        int First = 0;
        int End = 0;
        QString File;
    };

    DumpRequest parseDump(const QStringList& arguments)
    {
        const CliArguments args(arguments, { "--first", "--end", "-o" }, { "--full", "--ram" });
        const int choices = int(args.isSet("--full")) + int(args.isSet("--ram"))
            + int(args.isSet("--first") || args.isSet("--end"));
        if (choices != 1 || !args.words().isEmpty() || !args.isSet("-o"))
            throw CliUsageError(QStringLiteral("dump takes --full, --ram or --first R --end R, "
                                               "and -o FILE"));
        DumpRequest request;
        request.File = CliArguments::outputFile("-o", *args.value("-o"));
        if (args.isSet("--full")) {
            request.End = FullEndRow;
        } else if (args.isSet("--ram")) {
            request.End = RamEndRow;
        } else {
            if (!args.isSet("--first") || !args.isSet("--end"))
                throw CliUsageError(QStringLiteral("--first and --end go together"));
            request.First = CliArguments::number("--first", *args.value("--first"), 0, 4095);
            request.End = CliArguments::number("--end", *args.value("--end"), 0, 4095);
            if (request.End <= request.First)
                throw CliUsageError(QStringLiteral("--end (excluded) must lie above --first"));
        }
        return request;
    }

    // The dump is good when the file holds the link's image as it stands now.
    bool fileHoldsImage(const QString& path, const LinkSession& link)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        const QByteArray data = file.readAll();
        if (data.size() != TLinkShared::MemorySize)
            return false;
        for (int a = 0; a < TLinkShared::MemorySize; ++a)
            if (uint8_t(data[a]) != link.memImage(uint16_t(a)))
                return false;
        return true;
    }

} // namespace

int dump(CliContext& context)
{
    const DumpRequest request = parseDump(context.arguments());
    CliSession& session = context.session();
    LinkSession& link = session.link();
    session.runChecked(
        LinkCommands::DumpToFile { uint16_t(request.First), uint16_t(request.End), request.File });
    if (!session.printer().last(Link::evDumpDone))
        throw VeskorError(QStringLiteral("the memory was not read whole"));
    // The event says the bytes came; a save that failed has said why in the log.
    if (!fileHoldsImage(request.File, link))
        throw VeskorError(QStringLiteral("%1 does not hold the dump").arg(request.File));
    return 0;
}

} // namespace CliCommands
