// reader.ini, the program's settings: every key with its default, read at the window's
// creation and first show, written at close in a fixed order.
#pragma once

#include <QByteArray>
#include <QRect>
#include <QString>

class IniFile;

inline constexpr const char* ReaderIniFile = "reader.ini";

struct ReaderSettings {
    // [Main], read at creation. ComPortSpeed -1: no selection (the link then uses 9600).
    QString ComPortName;
    int ComPortSpeed = -1;

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
    int MaxTestTime = 60;
    int TableContrast = 500;

    // [Autos] and the layout, read whether or not [Main] exists.
    int CurrentAuto = 0;
    QByteArray Toolbars;
};

namespace ReaderIni {

inline constexpr int DefaultSpeed = 2;

// The [Main] keys of creation; without [Main] the settings keep their values.
void readAtCreation(const IniFile& ini, ReaderSettings& settings);
// The [Main] keys of first show (only with [Main]), [Autos] Current and the layout.
void readAtShow(const IniFile& ini, ReaderSettings& settings);
// Writes every key that closing writes, in order. CurrentProfile only when not empty,
// MaxTestTime never: the lines already in ini stay as they were.
void writeAtClose(IniFile& ini, const ReaderSettings& settings);

// Reads the file (a missing one is empty); false when it exists but can't be read.
bool load(IniFile& ini, const QString& path);
// Loads the file as it is now, writes the keys of close and replaces it atomically.
// Throws VeskorError naming the file.
void save(const QString& path, const ReaderSettings& settings);

} // namespace ReaderIni
