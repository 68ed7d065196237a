// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "Commands.h"
#include "cli/CliArguments.h"
#include "cli/CliCommand.h"
#include "cli/LiveStream.h"
#include "link/LinkReport.h"
#include "link/LinkSession.h"
#include "recording/RecordingWriter.h"

#include <memory>

namespace CliCommands {

namespace {

    struct RecordRequest {
        char Table = 'P';
        std::optional<std::chrono::milliseconds> Duration;
        QString File;
    };

    RecordRequest parseRecord(const QStringList& arguments)
    {
        const CliArguments args(arguments, { "--table", "--seconds", "-o" });
        if (!args.words().isEmpty() || !args.isSet("-o"))
            throw CliUsageError(QStringLiteral("record takes -o FILE, and --table and --seconds"));
        RecordRequest request;
        request.Table = CliArguments::table(args);
        request.Duration = CliArguments::seconds(args);
        request.File = CliArguments::outputFile("-o", *args.value("-o"));
        return request;
    }

} // namespace

int record(CliContext& context)
{
    const RecordRequest request = parseRecord(context.arguments());
    CliSession& session = context.session();
    LinkSession& link = session.link();
    link.selectTable(request.Table);

    // The file is begun with the stream's first word, when the handshake has told the
    // calibration code and the module's version.
    std::unique_ptr<RecordingWriter> writer;
    LiveStream::Handlers handlers;
    handlers.Word = [&](uint8_t slot, uint16_t word, uint32_t timeMs) {
        if (!writer) {
            RecordingHeader header;
            header.Started = QDateTime::currentDateTime();
            header.Table = request.Table;
            header.PidMap = LiveStream::pidMap(link.store());
            header.Calibration = QString::fromLatin1(session.printer().calibration());
            header.ModuleVersion = link.module().text();
            writer = std::make_unique<RecordingWriter>(request.File, header);
        }
        writer->append(slot, word, timeMs);
    };
    handlers.Flush = [&](uint32_t nowMs) {
        if (writer)
            writer->flushIfOlder(nowMs);
    };
    LiveStream::Result result = LiveStream::run(session, request.Table, request.Duration, handlers);
    try {
        if (writer)
            writer->close();
    } catch (const VeskorError& error) {
        if (!result.WriteError)
            result.WriteError = error.message();
    }
    LiveStream::check(session, result);
    CliPrinter::print("recorded " + QByteArray::number(qulonglong(writer->wordCount())) + " words");
    return 0;
}

} // namespace CliCommands
