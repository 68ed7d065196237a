// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// A firmware image for the module's boot loader: the file read whole, refused before the
// module is restarted when it cannot be a firmware, and cut into the blocks written to flash.
#pragma once

#include <QByteArray>
#include <QString>

class FirmwareImage {
public:
    // Bytes per block written and read back.
    static constexpr qsizetype BlockSize = 128;
    // No module has more flash than this; a larger file is not a firmware of it.
    static constexpr qsizetype MaxSize = 65536;
    // The erased value of flash, which pads an odd last block.
    static constexpr char Erased = char(0xFF);

    // Reads the file. When it cannot be read, is empty or is larger than MaxSize, the image
    // is not valid and error() is the log line that says why.
    static FirmwareImage load(const QString& path);
    explicit FirmwareImage(QByteArray bytes);

    bool valid() const { return m_error.isEmpty(); }
    const QString& error() const { return m_error; }
    const QByteArray& bytes() const { return m_bytes; }
    qsizetype size() const { return m_bytes.size(); }

    // Blocks written, and read back by the verification: 128 bytes each, the last one what
    // is left. A boot loader takes a block of size 0 as one of 65,536 bytes, so a file of
    // whole blocks ends with its last full block.
    int blockCount() const { return int((size() + BlockSize - 1) / BlockSize); }
    // The argument of evFirmware fwLoaded: one step per block written and one per block read
    // back, so the progress bar is full at the last block read.
    int progressSteps() const { return 2 * blockCount(); }
    // The block of the given index: 128 bytes or what is left. Word-oriented boot loaders
    // take only even sizes, so an odd last block gets one erased byte more.
    QByteArray block(int index) const;
    // True when the read-back holds the file's bytes first; the padding is not compared.
    bool matches(const QByteArray& readBack) const;

private:
    FirmwareImage(QByteArray bytes, QString error);

    QByteArray m_bytes;
    QString m_error;
};
