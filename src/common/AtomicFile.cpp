#include "AtomicFile.h"

#include "Errors.h"

#include <QBuffer>
#include <QImage>
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

void writeImageAtomically(const QString& path, const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, format))
        throw VeskorError(QStringLiteral("Cannot encode %1").arg(path));
    writeFileAtomically(path, bytes);
}
