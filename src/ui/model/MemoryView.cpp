// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "MemoryView.h"

#include "FaultSheet.h"
#include "common/Texts.h"

#include <QDir>
#include <algorithm>
#include <cmath>

namespace MemoryView {

const std::array<int, Columns>& rpmHeadings()
{
    static const std::array<int, Columns> rpm { 700, 1000, 1500, 2000, 2500, 3000, 3500, 4500, 5500,
        6500 };
    return rpm;
}

QString loadHeading(int row)
{
    return QString::number(12.5 * (row + 1), 'f', 1);
}

QString factorText(uint8_t value)
{
    return QString::number(value / 256.0 + 0.5, 'f', 3);
}

AdaptTables decodeAdaptTables(const ImageReader& image, uint16_t address, uint16_t checksumAddress)
{
    // uint16_t arithmetic wraps at the top of memory.
    const auto at = [&](int offset) { return image(uint16_t(address + offset)); };
    AdaptTables t;
    uint32_t sum = 0;
    for (int i = 0; i < AdaptiveBytes; ++i)
        sum += at(i);
    t.Checksum = QStringLiteral("%1").arg(sum, 4, 16, QLatin1Char('0')).toUpper();
    const uint32_t stored = image(checksumAddress) + 256u * image(uint16_t(checksumAddress + 1));
    t.ChecksumMatches = sum == stored;
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Columns; ++c)
            t.Cells[r][c] = factorText(at(r * Columns + c));
    for (int m = 0; m < IdleRows; ++m)
        t.Idle[m] = factorText(at(Rows * Columns + m));
    return t;
}

bool adaptiveAreaRead(const ImageReader& marks, uint16_t address, uint16_t checksumAddress)
{
    for (int i = 0; i < AdaptiveBytes; ++i)
        if (marks(uint16_t(address + i)) == 0)
            return false;
    return marks(checksumAddress) != 0 && marks(uint16_t(checksumAddress + 1)) != 0;
}

Cells decodeByteMap(const ImageReader& image, uint16_t base)
{
    Cells cells;
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Columns; ++c)
            cells[r][c] = QStringLiteral("%1")
                              .arg(image(uint16_t(base + r * Columns + c)), 2, 16, QLatin1Char('0'))
                              .toUpper();
    return cells;
}

uint16_t baseAddress(const QString& text)
{
    bool ok = false;
    const uint value = text.trimmed().toUInt(&ok, 16);
    return ok && value <= 0xFFFF ? uint16_t(value) : 0;
}

std::optional<QColor> factorColour(const QString& text, int contrast)
{
    if (text.isEmpty())
        return std::nullopt;
    bool ok = false;
    const float x = text.toFloat(&ok);
    // A text that is no number reads as 0, the deepest green.
    return factorTint(ok ? x : 0.0f, contrast);
}

std::optional<QColor> factorTint(float x, int contrast)
{
    if (x == 1.0f)
        return std::nullopt;
    const auto channel = [&](float distance) {
        return std::clamp(int(std::trunc(255.0f - distance * float(contrast))), 0, 255);
    };
    if (x < 1.0f) {
        const int d = channel(1.0f - x);
        return QColor(d, 255, d);
    }
    const int d = channel(x - 1.0f);
    return QColor(255, d, d);
}

QColor checksumGlow(bool matches)
{
    return matches ? QColor(0, 128, 0) : QColor(255, 0, 0);
}

std::optional<QColor> byteColour(const QString& text)
{
    if (text.isEmpty())
        return std::nullopt;
    bool ok = false;
    const int d = std::clamp(int(text.toUInt(&ok, 16)), 0, 255);
    const int shade = ok ? 255 - d : 255;
    return QColor(255, shade, shade);
}

QString dumpFolder(const QString& documents, const QString& vehicleText)
{
    return QDir(documents).filePath(QStringLiteral("Dumps/") + FaultSheet::folderName(vehicleText));
}

QString dumpFileName(const QString& kind, const QDateTime& time)
{
    return kind + time.toString(QStringLiteral(" dd.MM.yyyy hh mm ss")) + QStringLiteral(".bin");
}

QString loadNote(const QString& file, qint64 size)
{
    if (size < ImageBytes)
        return Texts::text(Texts::LogMemDumpShort).arg(file).arg(size).arg(ImageBytes);
    if (size > ImageBytes)
        return Texts::text(Texts::LogMemDumpLong).arg(file).arg(size).arg(ImageBytes);
    return {};
}

BlockRange adaptiveRange(uint16_t address)
{
    const uint32_t first = address / BlockBytes;
    // A read cannot run past the top of memory: it stops at the last block.
    const uint32_t last
        = std::min<uint32_t>((address + AdaptiveReadBytes) / BlockBytes, FullLastBlock);
    return { uint16_t(first), uint16_t(last) };
}

int adaptiveRangeEnd(uint16_t address)
{
    return std::min(address + AdaptiveReadBytes, (FullLastBlock + 1) * BlockBytes);
}

} // namespace MemoryView
