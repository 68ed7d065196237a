// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Fuzz target: reader.ini of any bytes, read as the window reads it at creation and at
// first show, written back as closing writes it and read again: every setting reads back
// as it was, whatever the file held (a text of bytes that are no UTF-8 excepted).
#include "FuzzSupport.h"
#include "common/IniFile.h"
#include "ui/model/ReaderSettings.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

ReaderSettings readAll(const QByteArray& text)
{
    IniFile ini;
    ini.loadData(text);
    ReaderSettings settings;
    // The window's own bounds before the file's.
    settings.Bounds = QRect(10, 20, 800, 600);
    settings.CurrentSkin = QStringLiteral("Fusion");
    ReaderIni::readAtCreation(ini, settings);
    ReaderIni::readAtShow(ini, settings);
    return settings;
}

// Bytes that are no UTF-8 come back as replacement characters, longer than they were, and
// a long text of them is cut when read again (as the INI target allows): such a text cannot
// be kept, every other one must be.
bool sameText(const QString& before, const QString& after)
{
    return before.contains(QChar::ReplacementCharacter) || before == after;
}

bool same(const ReaderSettings& a, const ReaderSettings& b)
{
    return sameText(a.ComPortName, b.ComPortName) && a.ComPortSpeed == b.ComPortSpeed
        && a.Bounds == b.Bounds && a.CarInfoPane == b.CarInfoPane
        && a.UpdateMatrix == b.UpdateMatrix && a.AutoConnect == b.AutoConnect
        && a.AutoReconnect == b.AutoReconnect && a.RecordSessions == b.RecordSessions
        && a.BluetoothDelay == b.BluetoothDelay && sameText(a.CurrentSkin, b.CurrentSkin)
        && sameText(a.CurrentProfile, b.CurrentProfile) && a.MaxTestTime == b.MaxTestTime
        && a.TableContrast == b.TableContrast && a.CurrentAuto == b.CurrentAuto
        && a.Toolbars == b.Toolbars;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray text = fuzz::bytes(data, size);
    const ReaderSettings read = readAll(text);
    IniFile ini;
    ini.loadData(text);
    ReaderIni::writeAtClose(ini, read);
    if (!same(readAll(ini.data()), read))
        std::abort();
    return 0;
}
