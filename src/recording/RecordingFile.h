// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Reading recordings back, and the recordings a folder holds.
#pragma once

#include "Recording.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <vector>

struct RecordingEntry {
    QString Path;
    QDateTime Started; // from the file's name, or its time when the name holds none
    qint64 Bytes = 0;
};

namespace RecordingFile {

// The extension of a recording's file, without its dot.
inline constexpr const char* Extension = "vrec";

// Reads the file whole. A torn or damaged part costs only its own blocks: everything
// before it, and every whole block after it, is read, and LostBytes and Note say what was
// lost.
// Throws VeskorError when the file cannot be read or is no recording (or one of a later
// format this program cannot read).
Recording read(const QString& path);
// The same for the file's bytes; name is what the errors call the file.
Recording fromBytes(const QByteArray& data, const QString& name);

// The recordings in folder (not its subfolders), the newest first.
std::vector<RecordingEntry> list(const QString& folder);

} // namespace RecordingFile
