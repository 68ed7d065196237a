#include "common/Version.h"

QString programVersion()
{
    return QStringLiteral(VESKOR_VERSION);
}

QString versionLine(const QString& program)
{
    return program + u' ' + programVersion();
}
