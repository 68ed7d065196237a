// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// A recorded live data session: the checked words of the stream with their slot and arrival
// time, and what is needed to read them again later (the PID table, the car, the module).
// The file format lives in RecordingFile; the player and the export work on this form.
#pragma once

#include <QDateTime>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

struct RecordedWord {
    uint32_t TimeMs = 0; // since the start of the recording
    uint8_t Slot = 0; // frame * 16 + position, as the link's slot table
    uint16_t Word = 0; // the word as it passed its check
};

// The moment a shown value went past a warning or alarm limit.
struct RecordedMark {
    enum Level : uint8_t { Warning = 1, Alarm = 2 };
    uint32_t TimeMs = 0; // since the start of the recording
    uint8_t Pid = 0;
    uint8_t Level = Warning;
    float Value = 0; // the value as shown, in the PID's unit
    bool operator==(const RecordedMark&) const = default;
};

struct RecordingHeader {
    QDateTime Started; // local time at the start of the stream
    char Table = 0; // the PID table letter the stream was started with (0: none)
    // The PID of position p (2 to 5) of frame f is PidMap[f * 4 + p - 2], as in TFordData.
    std::array<uint8_t, 64> PidMap {};
    QString Calibration; // the ECU's calibration code, empty when unknown
    QString ModuleVersion; // the adapter's version text, empty when unknown
    QString Vehicle; // the current vehicle's name, empty when none
};

struct Recording {
    RecordingHeader Header;
    std::vector<RecordedWord> Words; // in arrival order, TimeMs never decreasing
    std::vector<RecordedMark> Marks; // in time order
    // What a reader could not read of the file: the bytes of a torn tail (a crash while
    // writing) or of damaged blocks, and a sentence for the user (empty when all was read).
    qint64 LostBytes = 0;
    QString Note;
    // Milliseconds from the start to the last word (0 for an empty recording).
    uint32_t durationMs() const { return Words.empty() ? 0 : Words.back().TimeMs; }
};
