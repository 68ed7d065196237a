#include "Commands.h"
#include "cli/CliCommand.h"
#include "link/LinkTypes.h"

namespace CliCommands {

int reset(CliContext& context)
{
    if (!context.arguments().isEmpty())
        throw CliUsageError(QStringLiteral("reset takes no arguments"));
    CliSession& session = context.session();
    session.run(Link::cmdResetModule, 0);
    // The handshake after the restart tells whether the module came back.
    const auto connected = session.printer().lastEvent(Link::evConnected);
    return connected && *connected >= 1 ? 0 : 1;
}

} // namespace CliCommands
