// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "Commands.h"
#include "cli/CliCommand.h"
#include "vehicles/EcuDatabase.h"
#include "vehicles/EcuInfo.h"

#include <cstdio>

namespace CliCommands {

namespace {

    // One to four hexadecimal digits, not 0: what the ECU can report as its code.
    bool isCalibrationCode(const QString& text)
    {
        bool ok = false;
        const uint value = text.toUInt(&ok, 16);
        return ok && !text.isEmpty() && text.size() <= 4 && value >= 1 && !text.startsWith(u'+')
            && !text.startsWith(u'-');
    }

} // namespace

int lookup(CliContext& context)
{
    if (context.arguments().size() != 1)
        throw CliUsageError(QStringLiteral("lookup takes one calibration code, e.g. lookup 4BAA"));
    const QString code = context.arguments().first();
    if (!isCalibrationCode(code))
        throw CliUsageError(
            QStringLiteral("%1 is no calibration code (1 to 4 hexadecimal digits, not 0)")
                .arg(code));
    EcuProfiles profiles;
    if (!LoadEcuDatabase(profiles))
        throw VeskorError(QStringLiteral("the program carries no calibration database"));
    const QString record = formatCalibrationRecord(profiles, code);
    std::fputs(record.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    return ecuInfoFor(profiles, code).Found ? 0 : 1;
}

} // namespace CliCommands
