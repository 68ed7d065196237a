#include "ProgramDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QMutex>

namespace {
QMutex g_mutex;
QString g_override;
} // namespace

QString programDir()
{
    {
        QMutexLocker lock(&g_mutex);
        if (!g_override.isEmpty())
            return g_override;
    }
    const QString env = qEnvironmentVariable("VESKOR_HOME");
    if (!env.isEmpty())
        return QDir(env).absolutePath();
    return QCoreApplication::applicationDirPath();
}

void setProgramDir(const QString& dir)
{
    QMutexLocker lock(&g_mutex);
    g_override = dir.isEmpty() ? QString() : QDir(dir).absolutePath();
}

QString programFile(const QString& relative)
{
    return QDir(programDir()).filePath(relative);
}
