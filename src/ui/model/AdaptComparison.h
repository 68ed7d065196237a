// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Two dumps of one vehicle compared: the adaptive tables and checksum state of each, and
// which values changed between the visits and by how much. No widgets.
#pragma once

#include "MemoryView.h"

#include <QByteArray>
#include <QColor>
#include <QDateTime>
#include <QList>
#include <QString>
#include <array>
#include <optional>

class AdaptComparison {
public:
    // A dump file of the vehicle's folder.
    struct Dump {
        QString Path;
        QString Name;
        QDateTime Time; // when it was written
        qint64 Size = 0;
    };
    // The dump files (*.bin) of a folder, newest first; none when it does not exist.
    static QList<Dump> listDumps(const QString& folder);
    // A dump's bytes, at most the image's size; empty when it cannot be read.
    static QByteArray readDump(const QString& path);

    struct Side {
        MemoryView::AdaptTables Tables;
        // The file reaches every byte of the tables and of the stored checksum; without
        // that its checksum state means nothing.
        bool Covered = false;
    };

    // Bytes beyond a file's end read as 0; addresses near the top wrap to 0.
    AdaptComparison(const QByteArray& older, const QByteArray& newer, uint16_t address,
        uint16_t checksumAddress);

    const Side& older() const { return m_older; }
    const Side& newer() const { return m_newer; }
    // The newer byte minus the older one.
    int delta(int row, int column) const { return m_delta[row][column]; }
    int idleDelta(int m) const { return m_idleDelta[m]; }
    // How many of the table's and idle values differ.
    int changed() const;

    // The fill of a value that changed by delta bytes: red where the newer factor is
    // higher, green where it is lower, deeper with the contrast; none when unchanged.
    static std::optional<QColor> deltaColour(int delta, int contrast);
    // The change as a difference of factors with its sign ("+0.012").
    static QString deltaText(int delta);

private:
    Side m_older;
    Side m_newer;
    std::array<std::array<int, MemoryView::Columns>, MemoryView::Rows> m_delta {};
    std::array<int, MemoryView::IdleRows> m_idleDelta {};
};
