// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "Commands.h"
#include "cli/CliArguments.h"
#include "cli/CliCommand.h"
#include "cli/CliPrinter.h"
#include "recording/RecordingCsv.h"
#include "recording/RecordingFile.h"

namespace CliCommands {

int exportCsv(CliContext& context)
{
    const CliArguments args(context.arguments(), { "-o", "--csv-locale" });
    if (args.words().size() != 1 || !args.isSet("-o"))
        throw CliUsageError(
            QStringLiteral("export takes RECORDING -o FILE.csv, and --csv-locale ru|en"));
    const PidCsv::Dialect dialect = CliArguments::csvDialect(args);
    const QString output = CliArguments::outputFile("-o", *args.value("-o"));
    const Recording read = RecordingFile::read(args.words().front());
    // A torn tail (a capture that was killed) is told, and what was whole is exported.
    if (!read.Note.isEmpty())
        CliPrinter::print("log " + read.Note.toUtf8());
    RecordingCsv::write(read, output, dialect);
    CliPrinter::print("exported " + QByteArray::number(qulonglong(read.Words.size())) + " words, "
        + QByteArray::number(double(read.durationMs()) / 1000.0, 'f', 3) + " s");
    return 0;
}

} // namespace CliCommands
