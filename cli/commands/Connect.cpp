#include "Commands.h"
#include "cli/CliCommand.h"
#include "link/LinkTypes.h"

namespace CliCommands {

int connect(CliContext& context)
{
    if (!context.arguments().isEmpty())
        throw CliUsageError(QStringLiteral("connect takes no arguments"));
    CliSession& session = context.session();
    session.runChecked(Link::cmdConnect, 1);
    if (session.printer().lastEvent(Link::evConnected) != 1)
        throw VeskorError(QStringLiteral("no module answered on %1").arg(session.devicePath()));
    return 0;
}

} // namespace CliCommands
