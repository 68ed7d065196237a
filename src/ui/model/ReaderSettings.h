// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// reader.ini, the program's settings: every key with its default, read at the window's
// creation and first show, written at close in a fixed order.
#pragma once

#include "common/ProgramDir.h"
#include "common/Units.h"
#include "link/LinkTypes.h"

#include <QByteArray>
#include <QRect>
#include <QString>

class IniFile;

struct ReaderSettings {
    // [Main], read at creation: the adapter's own speed, 38400, on a first run too.
    QString ComPortName;
    int ComPortSpeed = 2;

    // [Main], read at first show. The window's own bounds and theme are the defaults.
    QRect Bounds;
    int CarInfoPane = 165;
    bool UpdateMatrix = false;
    bool AutoConnect = true;
    // After the adapter drops mid-stream: reconnect and resume the stream.
    bool AutoReconnect = true;
    // Every live data session is recorded into Recordings/<vehicle>.
    bool RecordSessions = true;
    bool BluetoothDelay = false;
    QString CurrentSkin;
    QString CurrentProfile;
    int MaxTestTime = Link::DefaultMaxTestTime;
    int TableContrast = 500;
    // The window's language: "ru", "en", or empty for the system's. Taken at start, before
    // the window exists (ReaderIni::language); a change shows at the next start.
    QString Language;
    // Where reports, recordings and dumps go; empty for the default of the places.
    QString DocumentsFolder;
    // Debug=1: the developer's menu is shown. Set by hand, never written.
    bool Debug = false;

    // [Workshop]: who made a report, at its head.
    QString WorkshopName;
    QString WorkshopContacts;

    // [Units], read at creation: the units every value is shown in, from this start on.
    UnitChoice Units;

    // [Autos] and the layout, read whether or not [Main] exists.
    int CurrentAuto = 0;
    QByteArray Toolbars;
};

namespace ReaderIni {

inline constexpr int DefaultSpeed = 2;

// The [Main] keys of creation and [Units]. A key that is absent (no reader.ini, no [Main]) takes
// its default, so a first run works as every later one.
void readAtCreation(const IniFile& ini, ReaderSettings& settings);
// The [Main] keys of first show, [Autos] Current, [Workshop] and the layout, each with its default
// when absent. MaxTestTime is held to its sane range.
void readAtShow(const IniFile& ini, ReaderSettings& settings);
// Writes every key that closing writes, in order. CurrentProfile only when not empty,
// MaxTestTime never: the lines already in ini stay as they were.
void writeAtClose(IniFile& ini, const ReaderSettings& settings);

// [Main] Language of the file at path, read before the window exists; empty when absent.
QString language(const QString& path);

// Reads the file (a missing one is empty); false when it exists but can't be read.
bool load(IniFile& ini, const QString& path);
// Loads the file as it is now, writes the keys of close and replaces it atomically.
// Throws VeskorError naming the file.
void save(const QString& path, const ReaderSettings& settings);

} // namespace ReaderIni
