#include "AtomicFile.h"

#include "Errors.h"

#include <QSaveFile>

void writeFileAtomically(const QString& path, const QByteArray& data)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw VeskorError(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
    if (file.write(data) != data.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw VeskorError(QStringLiteral("Cannot write %1: %2").arg(path, reason));
    }
    if (!file.commit())
        throw VeskorError(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
}
