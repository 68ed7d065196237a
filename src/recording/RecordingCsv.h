// A recording as CSV for spreadsheets and plot tools: a heading line, a column time_s
// (seconds since the start, with a point) and one column per PID of the recording's table,
// in map order, named by number, name and unit where known ("PID 1 engine speed (rpm)").
// One row per cycle of the ECU's 16 frames, at the time of its last word: a cell holds the
// PID's last value (TFordData::ConvertValue), empty until the PID has come.
#pragma once

#include "Recording.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace RecordingCsv {

QString columnName(uint8_t pid);
QByteArray text(const Recording& recording);
// Writes text() to path atomically. Throws VeskorError.
void write(const Recording& recording, const QString& path);

} // namespace RecordingCsv
