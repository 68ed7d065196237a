// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "Commands.h"
#include "cli/CliCommand.h"
#include "common/Texts.h"
#include "link/LinkSession.h"
#include "link/LinkTypes.h"

#include <QFileInfo>

namespace CliCommands {

namespace {

    // The update succeeded when the loader let the module go after a passed verification.
    bool succeeded(const QStringList& log)
    {
        const qsizetype passed = log.indexOf(Texts::text(Texts::LogVerifyPassed));
        const qsizetype done = log.indexOf(Texts::text(Texts::LogFirmwareDone));
        return passed >= 0 && done > passed;
    }

} // namespace

int flash(CliContext& context)
{
    if (context.arguments().size() != 1)
        throw CliUsageError(QStringLiteral("flash takes one firmware file"));
    CliSession& session = context.session();
    session.run(
        LinkCommands::FlashFirmware { QFileInfo(context.arguments().first()).absoluteFilePath() });
    // A port error says most; then the update's own outcome, the last line of its log:
    // a module left in a boot loader that did not answer also fails the closing handshake,
    // and "no module answered" would hide why.
    if (session.printer().portError())
        throw VeskorError(*session.failure());
    const QStringList& log = session.printer().logLines();
    if (!succeeded(log))
        throw VeskorError(
            QStringLiteral("the firmware update failed: %1")
                .arg(log.isEmpty() ? QStringLiteral("the link logged nothing") : log.last()));
    if (const auto reason = session.failure())
        throw VeskorError(*reason + QStringLiteral(" after the update"));
    return 0;
}

} // namespace CliCommands
