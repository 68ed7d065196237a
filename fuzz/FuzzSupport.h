// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Helpers the fuzz targets share: the loaders under test read files by path, so each
// input is written to a file of this process first.
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace fuzz {

inline QByteArray bytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// The application and the object that receives the link's posted messages, made once by
// LLVMFuzzerInitialize of the targets that drive the receive decoder.
inline QObject* makeEventSink(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    return new QObject(&app);
}

// A file name in the temporary folder that no other fuzzing process uses.
inline QString scratchPath(const QString& name)
{
    return QDir::temp().filePath(
        QStringLiteral("veskor-fuzz-%1-%2").arg(QCoreApplication::applicationPid()).arg(name));
}

// Writes the input to the scratch file name; false when it cannot be written.
inline bool writeScratch(const QString& path, const uint8_t* data, size_t size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size);
}

} // namespace fuzz
