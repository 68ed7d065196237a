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

    // The argument of evFirmware step 1: 2 × (size div 128).
    int progressSteps() const { return int(2 * (size() / BlockSize)); }
    // Blocks written: size div 128 + 1, so a size that is a multiple of 128 ends with an
    // empty block, as the boot loader's programmers expect.
    int blockCount() const { return int(size() / BlockSize + 1); }
    // The block of the given index: 128 bytes or what is left. Word-oriented boot loaders
    // take only even sizes, so an odd last block gets one erased byte more.
    QByteArray block(int index) const;
    // Blocks of 128 bytes read back: enough to pass the file's end.
    int readBackCount() const { return int(size() / BlockSize + 1); }
    // True when the read-back holds the file's bytes first; the padding is not compared.
    bool matches(const QByteArray& readBack) const;

private:
    FirmwareImage(QByteArray bytes, QString error);

    QByteArray m_bytes;
    QString m_error;
};
