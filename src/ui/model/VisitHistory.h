// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// A car's earlier visits: one line per fault read or self-test, kept beside the car's
// reports, so that a report can tell what the car came with before.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

struct Visit {
    QDateTime Time;
    // The exchange: 'B' read of the stored codes, 'D' self-test.
    char Kind = 'B';
    // The codes as the fault list holds them ("112", "023").
    QStringList Codes;

    bool operator==(const Visit&) const = default;
};

namespace VisitHistory {

inline constexpr const char* FileName = "visits.txt";

// The visits of a file's text, in file order; a line that doesn't read as one is left out.
QList<Visit> parse(const QByteArray& text);
// The file's visits; none when it is missing or can't be read.
QList<Visit> load(const QString& path);
// Adds the visit to the file, or replaces the line of a visit at the same second; every
// other line stays as it was, also one this version can't read. Throws VeskorError naming
// the file, which is then left as it was.
void record(const QString& path, const Visit& visit);

// The visits before time, newest first, at most count of them.
QList<Visit> earlier(QList<Visit> visits, const QDateTime& time, int count);
// One line per visit: its date as the fault page shows it, then its codes.
QString text(const QList<Visit>& visits);

} // namespace VisitHistory
