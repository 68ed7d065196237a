// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Fuzz target: a firmware file of any bytes, repeated as often as the first byte says so
// that files beyond the largest firmware are tried too. An image is refused exactly when
// the file is empty or too large; a valid one is cut into even blocks of at most 128 bytes
// that hold the file in order, and its own blocks pass the read-back check.
#include "FuzzSupport.h"
#include "link/FirmwareImage.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const QByteArray content = fuzz::bytes(data + 1, size - 1).repeated(1 + data[0] % 8);
    static const QString path = fuzz::scratchPath(QStringLiteral("firmware.bin"));
    if (!fuzz::writeScratch(
            path, reinterpret_cast<const uint8_t*>(content.constData()), size_t(content.size())))
        return 0;
    const FirmwareImage image = FirmwareImage::load(path);
    const bool fits = !content.isEmpty() && content.size() <= FirmwareImage::MaxSize;
    if (image.valid() != fits)
        std::abort();
    if (!image.valid())
        return 0;
    if (image.bytes() != content)
        std::abort();
    QByteArray written;
    for (int i = 0; i < image.blockCount(); ++i) {
        const QByteArray block = image.block(i);
        if (block.isEmpty() || block.size() > FirmwareImage::BlockSize || block.size() % 2)
            std::abort();
        written += block;
    }
    if (!image.block(image.blockCount()).isEmpty() || !image.block(-1).isEmpty())
        std::abort();
    if (!image.matches(written) || !written.startsWith(content)
        || written.size() - content.size() > 1 || image.progressSteps() != 2 * image.blockCount())
        std::abort();
    return 0;
}
