#include "AtomicFile.h"

#include "Errors.h"

#include <QSaveFile>

void writeFileAtomically(const QString& path, const QByteArray& data)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw VeskorError(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
    // Small writes only fill Qt's buffer: flush to learn whether they reached the file,
    // because commit() would rename a short file into place after a failed flush.
    if (file.write(data) != data.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw VeskorError(QStringLiteral("Cannot write %1: %2").arg(path, reason));
    }
    if (!file.commit())
        throw VeskorError(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
}
