// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "FirmwareImage.h"

#include "common/SystemError.h"
#include "common/Texts.h"

#include <QDir>
#include <QFile>

FirmwareImage::FirmwareImage(QByteArray bytes)
    : m_bytes(std::move(bytes))
{
}

FirmwareImage::FirmwareImage(QByteArray bytes, QString error)
    : m_bytes(std::move(bytes))
    , m_error(std::move(error))
{
}

FirmwareImage FirmwareImage::load(const QString& path)
{
    const QString name = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return { {}, Texts::text(Texts::FirmwareFileUnreadable).arg(name, fileErrorText(file)) };
    // One byte more than the limit tells a file that is too large without reading it all.
    QByteArray bytes = file.read(MaxSize + 1);
    if (file.error() != QFileDevice::NoError)
        return { {}, Texts::text(Texts::FirmwareFileUnreadable).arg(name, fileErrorText(file)) };
    if (bytes.isEmpty())
        return { {}, Texts::text(Texts::FirmwareFileEmpty).arg(name) };
    if (bytes.size() > MaxSize)
        return { {}, Texts::text(Texts::FirmwareFileTooLarge).arg(name).arg(file.size()) };
    return FirmwareImage(std::move(bytes));
}

QByteArray FirmwareImage::block(int index) const
{
    const qsizetype start = qsizetype(index) * BlockSize;
    if (index < 0 || start >= size())
        return {};
    QByteArray block = m_bytes.mid(start, BlockSize);
    if (block.size() % 2)
        block.append(Erased);
    return block;
}

bool FirmwareImage::matches(const QByteArray& readBack) const
{
    return readBack.size() >= size() && readBack.startsWith(m_bytes);
}
