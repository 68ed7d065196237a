// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "ReaderSettings.h"

#include "common/IniFile.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {

const QString Main = QStringLiteral("Main");
const QString Autos = QStringLiteral("Autos");
const QString Workshop = QStringLiteral("Workshop");
// The layout of the toolbars and panels: Qt's saved state of the window, in base 64.
const QString Toolbars = QStringLiteral("Toolbars");
const QString ToolbarsState = QStringLiteral("State");
// No screen is larger than Qt's largest widget (QWIDGETSIZE_MAX); a value beyond it is
// damage, and the far edge of a rectangle built from it would not fit an int.
constexpr int MaxCoordinate = 16777215;

int coordinate(const IniFile& ini, const char* key, int defaultValue)
{
    return std::clamp(ini.readInteger(Main, key, defaultValue), -MaxCoordinate, MaxCoordinate);
}

} // namespace

namespace ReaderIni {

void readAtCreation(const IniFile& ini, ReaderSettings& s)
{
    s.ComPortName = ini.readUtf8(Main, "ComPortName", s.ComPortName);
    s.ComPortSpeed = ini.readInteger(Main, "ComPortSpeed", DefaultSpeed);
    s.Units = Units::read(ini);
    s.DocumentsFolder = ini.readUtf8Whole(Main, "DocumentsFolder");
}

void readAtShow(const IniFile& ini, ReaderSettings& s)
{
    s.Bounds = QRect(coordinate(ini, "MainWindowLeft", s.Bounds.left()),
        coordinate(ini, "MainWindowTop", s.Bounds.top()),
        coordinate(ini, "MainWindowWidth", s.Bounds.width()),
        coordinate(ini, "MainWindowHeight", s.Bounds.height()));
    s.CarInfoPane = ini.readInteger(Main, "CarInfoPane", s.CarInfoPane);
    s.UpdateMatrix = ini.readBool(Main, "UpdateMatrix", false);
    s.AutoConnect = ini.readBool(Main, "AutoConnect", true);
    s.AutoReconnect = ini.readBool(Main, "AutoReconnect", true);
    s.RecordSessions = ini.readBool(Main, "RecordSessions", true);
    s.BluetoothDelay = ini.readBool(Main, "BluetoothDelay", false);
    s.CurrentSkin = ini.readUtf8(Main, "CurrentSkin", s.CurrentSkin);
    s.CurrentProfile = ini.readUtf8(Main, "CurrentProfile", s.CurrentProfile);
    // A huge value would wrap the link's wait in milliseconds to a short one.
    s.MaxTestTime = std::clamp(ini.readInteger(Main, "MaxTestTime", Link::DefaultMaxTestTime),
        Link::MinMaxTestTime, Link::MaxMaxTestTime);
    s.TableContrast = ini.readInteger(Main, "TableContrast", 500);
    s.Debug = ini.readBool(Main, "Debug", false);
    s.Language = ini.readUtf8(Main, "Language", QString());
    s.CurrentAuto = ini.readInteger(Autos, "Current", 0);
    // What the user typed comes back whole.
    s.WorkshopName = ini.readUtf8Whole(Workshop, "Name");
    s.WorkshopContacts = ini.readUtf8Whole(Workshop, "Contacts");
    s.Toolbars = QByteArray::fromBase64(ini.readBytes(Toolbars, ToolbarsState));
}

void writeAtClose(IniFile& ini, const ReaderSettings& s)
{
    ini.writeUtf8(Main, "ComPortName", s.ComPortName);
    ini.writeInteger(Main, "ComPortSpeed", s.ComPortSpeed);
    ini.writeInteger(Main, "MainWindowLeft", s.Bounds.left());
    ini.writeInteger(Main, "MainWindowTop", s.Bounds.top());
    ini.writeInteger(Main, "MainWindowWidth", s.Bounds.width());
    ini.writeInteger(Main, "MainWindowHeight", s.Bounds.height());
    ini.writeInteger(Main, "CarInfoPane", s.CarInfoPane);
    ini.writeBool(Main, "UpdateMatrix", s.UpdateMatrix);
    ini.writeBool(Main, "AutoConnect", s.AutoConnect);
    ini.writeBool(Main, "BluetoothDelay", s.BluetoothDelay);
    ini.writeUtf8(Main, "CurrentSkin", s.CurrentSkin);
    if (!s.CurrentProfile.isEmpty())
        ini.writeUtf8(Main, "CurrentProfile", s.CurrentProfile);
    ini.writeBytes(Toolbars, ToolbarsState, s.Toolbars.toBase64());
    ini.writeInteger(Autos, "Current", s.CurrentAuto);
    ini.writeInteger(Main, "TableContrast", s.TableContrast);
    // Last, so that the lines older versions wrote keep their order.
    ini.writeBool(Main, "AutoReconnect", s.AutoReconnect);
    ini.writeBool(Main, "RecordSessions", s.RecordSessions);
    ini.writeUtf8(Workshop, "Name", s.WorkshopName);
    ini.writeUtf8(Workshop, "Contacts", s.WorkshopContacts);
    ini.writeUtf8(Main, "Language", s.Language);
    if (!s.DocumentsFolder.isEmpty())
        ini.writeUtf8(Main, "DocumentsFolder", s.DocumentsFolder);
    Units::write(ini, s.Units);
}

QString language(const QString& path)
{
    IniFile ini;
    ini.load(path);
    return ini.readUtf8(Main, "Language", QString());
}

bool load(IniFile& ini, const QString& path)
{
    return ini.load(path);
}

void save(const QString& path, const ReaderSettings& settings)
{
    IniFile ini;
    ini.load(path);
    writeAtClose(ini, settings);
    // A new user's settings folder (~/.config/veskor-reader) is made by the first save.
    QDir().mkpath(QFileInfo(path).path());
    ini.save(path);
}

} // namespace ReaderIni
