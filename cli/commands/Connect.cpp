#include "Commands.h"
#include "cli/CliCommand.h"
#include "link/LinkTypes.h"

namespace CliCommands {

int connect(CliContext& context)
{
    if (!context.arguments().isEmpty())
        throw CliUsageError(QStringLiteral("connect takes no arguments"));
    CliSession& session = context.session();
    session.run(Link::cmdConnect, 1);
    const auto connected = session.printer().lastEvent(Link::evConnected);
    return connected && *connected >= 1 ? 0 : 1;
}

} // namespace CliCommands
