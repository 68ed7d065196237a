#include "Commands.h"
#include "cli/CliCommand.h"
#include "link/LinkTypes.h"

namespace CliCommands {

int calibration(CliContext& context)
{
    if (!context.arguments().isEmpty())
        throw CliUsageError(QStringLiteral("calibration takes no arguments"));
    CliSession& session = context.session();
    session.run(Link::cmdReadCalibration, 0);
    return session.printer().lastEvent(Link::evCalibration) ? 0 : 1;
}

} // namespace CliCommands
