// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "Commands.h"
#include "cli/CliCommand.h"
#include "link/LinkTypes.h"

namespace CliCommands {

int reset(CliContext& context)
{
    if (!context.arguments().isEmpty())
        throw CliUsageError(QStringLiteral("reset takes no arguments"));
    CliSession& session = context.session();
    session.runChecked(LinkCommands::ResetModule {});
    // The handshake after the restart tells whether the module came back.
    if (!session.printer().lastWas(Link::evConnected, LinkReport::Connected))
        throw VeskorError(
            QStringLiteral("no module answered on %1 after the restart").arg(session.devicePath()));
    return 0;
}

} // namespace CliCommands
