// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "AtomicFile.h"

#include "Errors.h"
#include "SystemError.h"
#include "Texts.h"

#include <QBuffer>
#include <QImage>
#include <QSaveFile>
#include <cerrno>

namespace {

// The failure in the program's language: the system's code of the call that failed where it
// left one, Qt's own text otherwise.
VeskorError writeError(const QString& path, const QSaveFile& file, int code)
{
    return VeskorError(Texts::text(Texts::FileWriteFailed)
                           .arg(path, code != 0 ? systemErrorText(code) : file.errorString()));
}

} // namespace

void writeFileAtomically(const QString& path, const QByteArray& data)
{
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        throw writeError(path, file, errno);
    // Small writes only fill Qt's buffer: flush to learn whether they reached the file,
    // because commit() would rename a short file into place after a failed flush.
    errno = 0;
    if (file.write(data) != data.size() || !file.flush()) {
        const VeskorError error = writeError(path, file, errno);
        file.cancelWriting();
        throw error;
    }
    errno = 0;
    if (!file.commit())
        throw writeError(path, file, errno);
}

void writeImageAtomically(const QString& path, const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, format))
        throw VeskorError(QStringLiteral("Cannot encode %1").arg(path));
    writeFileAtomically(path, bytes);
}
