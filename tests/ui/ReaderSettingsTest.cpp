// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// reader.ini: the keys of creation and first show with their defaults, the [Main] rule, the
// order and the lines that closing leaves alone.
#include "ui/model/ReaderSettings.h"

#include "common/IniFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

IniFile& loaded(IniFile& ini, const QByteArray& text)
{
    ini.loadData(text);
    return ini;
}

} // namespace

TEST(ReaderSettings, WithoutMainEveryKeyTakesItsDefault)
{
    IniFile ini;
    ReaderSettings s;
    s.Bounds = QRect(10, 20, 954, 643);
    s.CurrentSkin = "Fusion";
    loaded(ini, "[Autos]\nCurrent=2\n[Toolbars]\nState=AAEC\n");
    ReaderIni::readAtCreation(ini, s);
    ReaderIni::readAtShow(ini, s);
    EXPECT_EQ(s.ComPortName, "");
    EXPECT_EQ(s.ComPortSpeed, ReaderIni::DefaultSpeed); // 38400, the adapter's, not 9600
    EXPECT_EQ(s.Bounds, QRect(10, 20, 954, 643));
    EXPECT_TRUE(s.AutoConnect);
    EXPECT_TRUE(s.AutoReconnect);
    EXPECT_TRUE(s.RecordSessions);
    EXPECT_FALSE(s.BluetoothDelay);
    EXPECT_EQ(s.CurrentSkin, "Fusion");
    EXPECT_EQ(s.MaxTestTime, 60);
    EXPECT_EQ(s.TableContrast, 500);
    EXPECT_FALSE(s.Debug);
    // [Autos] and the layout are read all the same.
    EXPECT_EQ(s.CurrentAuto, 2);
    EXPECT_EQ(s.Toolbars, QByteArray::fromBase64("AAEC"));
}

TEST(ReaderSettings, MainGivesEveryKeyAndUnreadableNumbersTheirDefaults)
{
    IniFile ini;
    ReaderSettings s;
    s.Bounds = QRect(0, 0, 954, 643);
    loaded(ini,
        "[Main]\nComPortName=sim\nComPortSpeed=x\nMainWindowLeft=5\nMainWindowTop=6\n"
        "MainWindowWidth=1000\nMainWindowHeight=700\nCarInfoPane=200\nUpdateMatrix=1\n"
        "AutoConnect=0\nBluetoothDelay=1\nCurrentSkin=Windows\nCurrentProfile=main.ini\n"
        "MaxTestTime=$10\nTableContrast=750\nAutoReconnect=0\nRecordSessions=0\nDebug=1\n");
    ReaderIni::readAtCreation(ini, s);
    ReaderIni::readAtShow(ini, s);
    EXPECT_EQ(s.ComPortName, "sim");
    EXPECT_EQ(s.ComPortSpeed, ReaderIni::DefaultSpeed);
    EXPECT_EQ(s.Bounds, QRect(5, 6, 1000, 700));
    EXPECT_EQ(s.CarInfoPane, 200);
    EXPECT_TRUE(s.UpdateMatrix);
    EXPECT_FALSE(s.AutoConnect);
    EXPECT_FALSE(s.AutoReconnect);
    EXPECT_FALSE(s.RecordSessions);
    EXPECT_TRUE(s.BluetoothDelay);
    EXPECT_EQ(s.CurrentSkin, "Windows");
    EXPECT_EQ(s.CurrentProfile, "main.ini");
    EXPECT_EQ(s.MaxTestTime, 16);
    EXPECT_EQ(s.TableContrast, 750);
    EXPECT_TRUE(s.Debug);
    EXPECT_EQ(s.CurrentAuto, 0);
}

TEST(ReaderSettings, MaxTestTimeIsHeldToASaneRange)
{
    const struct {
        const char* text;
        int seconds;
    } cases[] = {
        { "90", 90 },
        { "0", 1 },
        { "-5", 1 },
        { "3600", 3600 },
        // Times 1000 it would wrap the link's wait in milliseconds to a short one.
        { "4294968", 3600 },
        { "2147483647", 3600 },
        { "x", 60 },
    };
    for (const auto& c : cases) {
        IniFile ini;
        ReaderSettings s;
        ReaderIni::readAtShow(loaded(ini, QByteArray("[Main]\nMaxTestTime=") + c.text + "\n"), s);
        EXPECT_EQ(s.MaxTestTime, c.seconds) << c.text;
    }
}

// A damaged file's bounds beyond any screen are cut to the largest widget, so that no edge
// of the window's rectangle overflows.
TEST(ReaderSettings, BoundsBeyondAnyScreenAreCutToTheLargestWidget)
{
    const struct {
        const char* Values;
        QRect Bounds;
    } cases[] = {
        { "MainWindowLeft=10\nMainWindowWidth=0x7fffffff\nMainWindowHeight=-2147483648\n",
            QRect(10, 20, 16777215, -16777215) },
        { "MainWindowLeft=2147483647\nMainWindowTop=-2147483648\nMainWindowWidth=$FFFFFFF\n",
            QRect(16777215, -16777215, 16777215, 600) },
        { "MainWindowLeft=-16777215\nMainWindowWidth=16777215\n",
            QRect(-16777215, 20, 16777215, 600) },
    };
    for (const auto& c : cases) {
        IniFile ini;
        ReaderSettings s;
        s.Bounds = QRect(0, 20, 800, 600);
        ReaderIni::readAtShow(loaded(ini, QByteArray("[Main]\n") + c.Values), s);
        EXPECT_EQ(s.Bounds, c.Bounds) << c.Values;
        EXPECT_EQ(s.Bounds.right(), s.Bounds.left() + s.Bounds.width() - 1) << c.Values;
    }
}

TEST(ReaderSettings, CloseWritesEveryKeyInOrderAndKeepsWhatItDoesNotWrite)
{
    TempDir dir;
    const QString path
        = dir.write("reader.ini", "[Main]\nMaxTestTime=90\nCurrentProfile=old.ini\nUnknown=kept\n");
    ReaderSettings s;
    s.ComPortName = "ttyUSB0";
    s.ComPortSpeed = 4;
    s.Bounds = QRect(1, 2, 3, 4);
    s.CurrentSkin = "Fusion";
    s.CurrentAuto = -1;
    s.Toolbars = "layout";
    // No profile selected: the old CurrentProfile line stays.
    ReaderIni::save(path, s);

    IniFile ini;
    ASSERT_TRUE(ini.load(path));
    EXPECT_EQ(ini.keys("Main"),
        QStringList({ "MaxTestTime", "CurrentProfile", "Unknown", "ComPortName", "ComPortSpeed",
            "MainWindowLeft", "MainWindowTop", "MainWindowWidth", "MainWindowHeight", "CarInfoPane",
            "UpdateMatrix", "AutoConnect", "BluetoothDelay", "CurrentSkin", "TableContrast",
            "AutoReconnect", "RecordSessions", "Language" }));
    EXPECT_EQ(ini.readUtf8("Main", "CurrentProfile"), "old.ini");
    EXPECT_EQ(ini.readInteger("Main", "MaxTestTime", 0), 90);
    EXPECT_EQ(ini.readUtf8("Main", "ComPortName"), "ttyUSB0");
    EXPECT_EQ(ini.readBytes("Main", "AutoConnect"), "1");
    EXPECT_EQ(ini.readBytes("Main", "BluetoothDelay"), "0");
    EXPECT_EQ(ini.readBytes("Main", "AutoReconnect"), "1");
    EXPECT_EQ(ini.readBytes("Main", "RecordSessions"), "1");
    EXPECT_EQ(ini.readInteger("Autos", "Current", 5), -1);
    EXPECT_EQ(QByteArray::fromBase64(ini.readBytes("Toolbars", "State")), "layout");

    s.CurrentProfile = "main.ini";
    ReaderIni::save(path, s);
    ASSERT_TRUE(ini.load(path));
    EXPECT_EQ(ini.readUtf8("Main", "CurrentProfile"), "main.ini");
}

TEST(ReaderSettings, FirstCloseCreatesTheFileThatTheNextStartReadsBack)
{
    TempDir dir;
    // An installed program's settings folder does not exist before its first close.
    const QString path = dir.file("config/veskor-reader/reader.ini");
    ReaderSettings written;
    written.ComPortName = "sim";
    written.ComPortSpeed = 2;
    written.Bounds = QRect(30, 40, 900, 600);
    written.CarInfoPane = 180;
    written.UpdateMatrix = true;
    written.AutoConnect = false;
    written.CurrentSkin = "Dark";
    written.CurrentProfile = "flags.ini";
    written.TableContrast = 1000;
    written.CurrentAuto = 1;
    written.WorkshopName = "Мастерская \"Мотор\"; №1";
    written.WorkshopContacts = "ул. Заводская, 5 = тел. +7 900 000-00-00";
    ReaderIni::save(path, written);

    IniFile ini;
    ASSERT_TRUE(ReaderIni::load(ini, path));
    ReaderSettings read;
    ReaderIni::readAtCreation(ini, read);
    ReaderIni::readAtShow(ini, read);
    EXPECT_EQ(read.ComPortName, written.ComPortName);
    EXPECT_EQ(read.ComPortSpeed, 2);
    EXPECT_EQ(read.Bounds, written.Bounds);
    EXPECT_EQ(read.CarInfoPane, 180);
    EXPECT_TRUE(read.UpdateMatrix);
    EXPECT_FALSE(read.AutoConnect);
    EXPECT_EQ(read.CurrentSkin, "Dark");
    EXPECT_EQ(read.CurrentProfile, "flags.ini");
    EXPECT_EQ(read.TableContrast, 1000);
    EXPECT_EQ(read.CurrentAuto, 1);
    EXPECT_EQ(read.WorkshopName, written.WorkshopName);
    EXPECT_EQ(read.WorkshopContacts, written.WorkshopContacts);
    EXPECT_FALSE(ini.hasKey("Main", "MaxTestTime")); // never written
}
