// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "Commands.h"
#include "cli/CliCommand.h"
#include "link/LinkTypes.h"

namespace CliCommands {

int resetStatus(CliContext& context)
{
    if (!context.arguments().isEmpty())
        throw CliUsageError(QStringLiteral("reset-status takes no arguments"));
    CliSession& session = context.session();
    session.runChecked(LinkCommands::ReadCalibration {});
    if (!session.printer().last(Link::evCalibration))
        throw VeskorError(QStringLiteral("the module did not reset its status"));
    return 0;
}

} // namespace CliCommands
