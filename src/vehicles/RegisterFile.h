// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The vehicle register's file autos.ini: one section per vehicle, "0", "1", … in list
// order, texts as UTF-8, the date in the system's formats. What the program does not know
// of the file (other keys, comments, a date it cannot read) is written back unchanged.
#pragma once

#include "DateTimeText.h"
#include "VehicleRegister.h"

#include <QString>

inline constexpr const char* RegisterFile = "autos.ini";

// Appends the vehicles of the file, in file order, to the register. Returns false (and
// adds nothing) when the file doesn't exist. When it exists but holds no register that
// can be read (it can't be opened, is UTF-16, has a NUL character, or text without any
// section) nothing is added, vehicles.fileUnreadable() becomes true and VeskorError says
// why; a file of comments only is an empty register.
bool LoadRegister(
    VehicleRegister& vehicles, const QString& path, const DateTimeText& dates = DateTimeText());

// Writes the register so that the file holds exactly its vehicles, atomically: on
// failure the old file stays whole and VeskorError names the file. A file that could not
// be read (vehicles.fileUnreadable(), or unreadable now) is never replaced by an empty
// register: that raises VeskorError and leaves the file; a register with vehicles is
// written after the old file is renamed to "<path>.unreadable" (numbered when taken).
// Returns a message for the log when the old file was kept that way, else an empty text.
QString SaveRegister(const VehicleRegister& vehicles, const QString& path,
    const DateTimeText& dates = DateTimeText());
