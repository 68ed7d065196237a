// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Fuzz target: a dump file of any bytes, read as the memory page and the comparison of
// visits read it, with its adaptive tables and a byte map decoded at addresses taken from
// the input (so that tables near the top of memory wrap), every cell coloured, and the dump
// compared with itself one byte on. Input: the tables' address, the checksum's address and
// the map's base (two bytes each, little-endian), the contrast, a flag byte (bit 0: the file
// repeats the rest until it is longer than the image), then the dump's bytes.
#include "FuzzSupport.h"
#include "ui/model/AdaptComparison.h"
#include "ui/model/MemoryView.h"

#include <QCoreApplication>
#include <QtEndian>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

constexpr size_t HeaderBytes = 8;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < HeaderBytes)
        return 0;
    const uint16_t tables = qFromLittleEndian<uint16_t>(data);
    const uint16_t checksum = qFromLittleEndian<uint16_t>(data + 2);
    const uint16_t mapBase = qFromLittleEndian<uint16_t>(data + 4);
    const int contrast = int(int8_t(data[6]));
    QByteArray file = fuzz::bytes(data + HeaderBytes, size - HeaderBytes);
    if ((data[7] & 1) && !file.isEmpty())
        while (file.size() <= MemoryView::ImageBytes)
            file += file;

    static const QString path = fuzz::scratchPath(QStringLiteral("dump.bin"));
    if (!fuzz::writeScratch(
            path, reinterpret_cast<const uint8_t*>(file.constData()), size_t(file.size())))
        return 0;
    const QByteArray dump = AdaptComparison::readDump(path);
    if (dump.size() > MemoryView::ImageBytes || dump != file.left(MemoryView::ImageBytes))
        std::abort();
    (void)MemoryView::loadNote(path, file.size());

    // The link's image starts empty and takes the dump as far as it goes.
    static std::array<uint8_t, MemoryView::ImageBytes> image;
    image.fill(0);
    std::copy(dump.cbegin(), dump.cend(), image.begin());
    const MemoryView::ImageReader reader = [](uint16_t a) { return image[a]; };

    const MemoryView::AdaptTables decoded = MemoryView::decodeAdaptTables(reader, tables, checksum);
    for (const auto& row : decoded.Cells)
        for (const QString& cell : row)
            (void)MemoryView::factorColour(cell, contrast);
    for (const QString& cell : decoded.Idle)
        (void)MemoryView::factorColour(cell, contrast);
    for (const auto& row : MemoryView::decodeByteMap(reader, mapBase))
        for (const QString& cell : row)
            (void)MemoryView::byteColour(cell);

    const AdaptComparison compared(dump, dump.mid(1), tables, checksum);
    // The page's decoding and the comparison's must agree.
    if (compared.older().Tables != decoded)
        std::abort();
    // The newer dump is the older one a byte on, and short of a byte at its end.
    const auto change = [&](int offset) {
        const uint16_t a = uint16_t(tables + offset);
        const int newer = int(a) + 1 < dump.size() ? uint8_t(dump[int(a) + 1]) : 0;
        return newer - int(image[a]);
    };
    for (int r = 0; r < MemoryView::Rows; ++r)
        for (int c = 0; c < MemoryView::Columns; ++c) {
            if (compared.delta(r, c) != change(r * MemoryView::Columns + c))
                std::abort();
            (void)AdaptComparison::deltaColour(compared.delta(r, c), contrast);
            (void)AdaptComparison::deltaText(compared.delta(r, c));
        }
    for (int m = 0; m < MemoryView::IdleRows; ++m) {
        if (compared.idleDelta(m) != change(MemoryView::Rows * MemoryView::Columns + m))
            std::abort();
        (void)AdaptComparison::deltaText(compared.idleDelta(m));
    }
    (void)compared.changed();
    return 0;
}
