// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "SimMemory.h"

#include <cmath>
#include <random>

namespace SimMemory {

namespace {

    void putWord(QByteArray& image, int address, uint16_t word)
    {
        image[address] = char(word & 0xFF);
        image[address + 1] = char(word >> 8);
    }

    // Learnt corrections around 1.0 (the byte 128): leaner at light load and high speed,
    // richer at full load, as a car that has driven a while has them.
    void fillAdaptive(QByteArray& image)
    {
        for (int row = 0; row < 8; ++row)
            for (int column = 0; column < 10; ++column) {
                const double factor = 1.0 + 0.02 * (row - 3) - 0.01 * (column - 4)
                    + 0.015 * std::sin(row * 1.7 + column);
                image[AdaptiveAddress + row * 10 + column]
                    = char(std::lround((factor - 0.5) * 256));
            }
        const uint8_t idle[6] = { 131, 135, 126, 129, 128, 128 };
        for (int i = 0; i < 6; ++i)
            image[AdaptiveAddress + 80 + i] = char(idle[i]);
        for (int i = 86; i < AdaptiveSize; ++i)
            image[AdaptiveAddress + i] = char(120 + (i * 7) % 17);
        putWord(image, AdaptiveChecksumAddress, adaptiveChecksum(image));
    }

    void fillRam(QByteArray& image, std::minstd_rand& random)
    {
        // Registers, stack and scratch: some life in the first page, then mostly zeros.
        for (int a = 0; a < 0x100; ++a)
            image[a] = char(random() % 256);
        for (int a = 0x100; a < RamSize; a += 1 + int(random() % 23))
            image[a] = char(random() % 256);
        fillAdaptive(image);
    }

    void fillRom(QByteArray& image, std::minstd_rand& random)
    {
        // Code-like bytes, with a few scalars and the maps the test tab knows.
        for (int a = RamSize; a < Size; ++a)
            image[a] = char(random() % 256);
        for (uint16_t base : MapAddresses)
            for (int row = 0; row < 8; ++row)
                for (int column = 0; column < 10; ++column)
                    image[base + row * 10 + column] = char(0x20 + row * 12 + column * 9);
        // The reset vector points into ROM.
        putWord(image, 0xFFFE, 0x2000);
    }

    QByteArray build()
    {
        QByteArray image(Size, '\0');
        std::minstd_rand random(2024);
        fillRom(image, random);
        fillRam(image, random);
        return image;
    }

} // namespace

const QByteArray& image()
{
    static const QByteArray built = build();
    return built;
}

uint16_t adaptiveChecksum(const QByteArray& image)
{
    uint32_t sum = 0;
    for (int i = 0; i < AdaptiveSize; ++i)
        sum += uint8_t(image[AdaptiveAddress + i]);
    return uint16_t(sum);
}

} // namespace SimMemory
