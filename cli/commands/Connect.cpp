#include "Commands.h"
#include "cli/CliSession.h"
#include "link/LinkTypes.h"

namespace CliCommands {

int connect(CliSession& session)
{
    session.run(Link::cmdConnect, 1);
    const auto connected = session.printer().lastEvent(Link::evConnected);
    return connected && *connected >= 1 ? 0 : 1;
}

} // namespace CliCommands
