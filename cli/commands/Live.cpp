// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "Commands.h"
#include "cli/CaptureFile.h"
#include "cli/CliArguments.h"
#include "cli/CliCommand.h"
#include "cli/LiveCapture.h"
#include "cli/LiveStream.h"
#include "link/LinkSession.h"

#include <memory>

namespace CliCommands {

namespace {

    struct LiveRequest {
        char Table = 'P';
        std::optional<std::chrono::milliseconds> Duration;
        std::optional<QString> Csv;
        PidCsv::Dialect Dialect;
    };

    LiveRequest parseLive(const QStringList& arguments)
    {
        const CliArguments args(arguments, { "--table", "--seconds", "--csv", "--csv-locale" });
        if (!args.words().isEmpty())
            throw CliUsageError(
                QStringLiteral("live takes only --table, --seconds, --csv and --csv-locale"));
        if (args.isSet("--csv-locale") && !args.isSet("--csv"))
            throw CliUsageError(QStringLiteral("--csv-locale goes with --csv"));
        LiveRequest request;
        request.Table = CliArguments::table(args);
        request.Duration = CliArguments::seconds(args);
        request.Csv = args.value("--csv");
        request.Dialect = CliArguments::csvDialect(args);
        return request;
    }

} // namespace

int live(CliContext& context)
{
    const LiveRequest request = parseLive(context.arguments());
    // The file is made before the adapter is touched: a wrong path costs no capture.
    std::unique_ptr<CaptureFile> csv;
    if (request.Csv) {
        try {
            csv = std::make_unique<CaptureFile>(*request.Csv);
        } catch (const VeskorError& error) {
            throw CliUsageError(error.message());
        }
    }
    CliSession& session = context.session();
    LinkSession& link = session.link();
    link.selectTable(request.Table);
    // Nothing here reads the store's history: it records none.
    LiveCapture capture(LiveStream::pidMap(link.store()), request.Dialect);

    bool began = false;
    LiveStream::Handlers handlers;
    handlers.Word = [&](uint8_t slot, uint16_t word, uint32_t timeMs) {
        // The file begins with the stream's first word, its time 0.
        if (csv && !began) {
            began = true;
            csv->append(capture.csv().startLine(QDateTime::currentDateTime().addMSecs(-timeMs)));
            csv->append(capture.csv().heading());
        }
        const LiveCapture::Update update = capture.onWord(slot, word, timeMs);
        if (csv && update.Row)
            csv->append(*update.Row);
        if (!csv && update.Line)
            CliPrinter::print(*update.Line);
    };
    handlers.Flush = [&](uint32_t) {
        if (csv)
            csv->flush();
    };
    LiveStream::Result result = LiveStream::run(session, request.Table, request.Duration, handlers);
    if (csv && !result.WriteError) {
        try {
            if (const auto row = capture.csv().finish())
                csv->append(*row);
            csv->flush();
        } catch (const VeskorError& error) {
            result.WriteError = error.message();
        }
    }
    LiveStream::check(session, result);
    return 0;
}

} // namespace CliCommands
