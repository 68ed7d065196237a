#include "Commands.h"
#include "cli/CliCommand.h"
#include "vehicles/EcuDatabase.h"
#include "vehicles/EcuInfo.h"

#include <cstdio>

namespace CliCommands {

int calib(CliContext& context)
{
    if (context.arguments().size() != 1)
        throw CliUsageError(QStringLiteral("calib takes one calibration code, e.g. calib 4BAA"));
    EcuProfiles profiles;
    if (!LoadEcuDatabase(profiles))
        throw VeskorError(QStringLiteral("the program carries no calibration database"));
    const QString record = formatCalibrationRecord(profiles, context.arguments().first());
    std::fputs(record.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    return 0;
}

} // namespace CliCommands
