// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "RecordingCsv.h"

#include "common/AtomicFile.h"

namespace RecordingCsv {

QByteArray text(const Recording& recording, PidCsv::Dialect dialect)
{
    PidCsv csv(recording.Header.PidMap, dialect);
    QByteArray out = csv.startLine(recording.Header.Started) + '\n' + csv.heading() + '\n';
    for (const RecordedWord& w : recording.Words)
        if (const auto row = csv.onWord(w.Slot, w.Word, w.TimeMs))
            out += *row + '\n';
    if (const auto row = csv.finish())
        out += *row + '\n';
    return out;
}

void write(const Recording& recording, const QString& path, PidCsv::Dialect dialect)
{
    writeFileAtomically(path, text(recording, dialect));
}

} // namespace RecordingCsv
