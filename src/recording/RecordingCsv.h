// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// A recording as CSV for spreadsheets and plot tools, in the form PidCsv gives the live
// stream: the start of the recording, the heading, a row per cycle of 16 frames.
#pragma once

#include "PidCsv.h"
#include "Recording.h"

#include <QByteArray>
#include <QString>

namespace RecordingCsv {

QByteArray text(const Recording& recording, PidCsv::Dialect dialect = {});
// Writes text() to path atomically. Throws VeskorError.
void write(const Recording& recording, const QString& path, PidCsv::Dialect dialect = {});

} // namespace RecordingCsv
