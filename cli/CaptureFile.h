// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// A capture file written as the data comes: lines are kept in memory and written out and
// synced to the disk by flush(), which the caller runs at least once a second, so a killed
// process or a power cut loses at most the lines since the last flush. It is no atomic
// write on purpose: a capture that is cut short must keep what it has.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

class CaptureFile {
public:
    // Creates or empties the file at once, so that an unusable path is told before the
    // capture starts. Throws VeskorError with the reason.
    explicit CaptureFile(const QString& path);
    ~CaptureFile();

    CaptureFile(const CaptureFile&) = delete;
    CaptureFile& operator=(const CaptureFile&) = delete;

    void append(const QByteArray& line);
    // Writes what is waiting and syncs it. Throws VeskorError when the write fails.
    void flush();

private:
    QFile m_file;
    QByteArray m_pending;
};
