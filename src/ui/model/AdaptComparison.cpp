// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "AdaptComparison.h"

#include <QDir>
#include <QFile>
#include <algorithm>

namespace {

MemoryView::ImageReader readerOf(const QByteArray& bytes)
{
    return [&bytes](uint16_t a) { return a < bytes.size() ? uint8_t(bytes[a]) : uint8_t(0); };
}

bool covers(const QByteArray& bytes, uint16_t address, uint16_t checksumAddress)
{
    const auto inside = [&](int from, int count) {
        for (int i = 0; i < count; ++i)
            if (uint16_t(from + i) >= bytes.size())
                return false;
        return true;
    };
    return inside(address, MemoryView::AdaptiveBytes) && inside(checksumAddress, 2);
}

AdaptComparison::Side sideOf(const QByteArray& bytes, uint16_t address, uint16_t checksumAddress)
{
    return { MemoryView::decodeAdaptTables(readerOf(bytes), address, checksumAddress),
        covers(bytes, address, checksumAddress) };
}

} // namespace

QList<AdaptComparison::Dump> AdaptComparison::listDumps(const QString& folder)
{
    QList<Dump> dumps;
    const QFileInfoList files = QDir(folder).entryInfoList(
        { QStringLiteral("*.bin") }, QDir::Files | QDir::Readable, QDir::Time);
    for (const QFileInfo& file : files)
        dumps.append({ file.filePath(), file.fileName(), file.lastModified(), file.size() });
    // Newest first, and in a stable order for files of the same second.
    std::stable_sort(
        dumps.begin(), dumps.end(), [](const Dump& a, const Dump& b) { return a.Time > b.Time; });
    return dumps;
}

QByteArray AdaptComparison::readDump(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(MemoryView::ImageBytes);
}

AdaptComparison::AdaptComparison(
    const QByteArray& older, const QByteArray& newer, uint16_t address, uint16_t checksumAddress)
    : m_older(sideOf(older, address, checksumAddress))
    , m_newer(sideOf(newer, address, checksumAddress))
{
    const auto before = readerOf(older);
    const auto after = readerOf(newer);
    const auto change = [&](int offset) {
        const auto a = uint16_t(address + offset);
        return int(after(a)) - int(before(a));
    };
    for (int r = 0; r < MemoryView::Rows; ++r)
        for (int c = 0; c < MemoryView::Columns; ++c)
            m_delta[r][c] = change(r * MemoryView::Columns + c);
    for (int m = 0; m < MemoryView::IdleRows; ++m)
        m_idleDelta[m] = change(MemoryView::Rows * MemoryView::Columns + m);
}

int AdaptComparison::changed() const
{
    int count = 0;
    for (const auto& row : m_delta)
        count += int(std::count_if(row.begin(), row.end(), [](int d) { return d != 0; }));
    count
        += int(std::count_if(m_idleDelta.begin(), m_idleDelta.end(), [](int d) { return d != 0; }));
    return count;
}

std::optional<QColor> AdaptComparison::deltaColour(int delta, int contrast)
{
    // The same tint as a factor that far from 1.
    return MemoryView::factorTint(1.0f + float(delta) / 256.0f, contrast);
}

QString AdaptComparison::deltaText(int delta)
{
    const QString magnitude = QString::number(std::abs(delta) / 256.0, 'f', 3);
    return delta > 0 ? QStringLiteral("+") + magnitude
        : delta < 0  ? QStringLiteral("−") + magnitude
                     : magnitude;
}
