// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The window closed on a full disk: the settings and the register cannot be saved, the
// user is told which files, and both old files stay as they were.
#include "WindowTestSupport.h"
#include "common/ProgramDir.h"
#include "support/FullDisk.h"

#include <QFile>
#include <gtest/gtest.h>

TEST(FullDiskWindow, ClosingSaysWhichFilesFailedAndKeepsThemWhole)
{
    WindowHarness h;
    h.writeFile("reader.ini", "[Main]\nComPortName=sim\nComPortSpeed=2\n");
    h.writeFile("autos.ini", registerText({ { "Escort", "4BAA" } }));
    h.open();
    // The program directory moves onto the full disk after start-up, so that only the saves
    // of closing meet it.
    FullDisk disk;
    for (const char* name : { "reader.ini", "autos.ini" })
        ASSERT_TRUE(QFile::copy(h.path(name), disk.file(name)));
    setProgramDir(disk.path());
    ASSERT_TRUE(disk.fill());
    h.close();
    for (const char* name : { "reader.ini", "autos.ini" }) {
        EXPECT_EQ(disk.read(name), h.readFile(name)) << name;
        EXPECT_EQ(h.Prompts.Warnings.filter(disk.file(name)).size(), 1)
            << name << ": " << qPrintable(h.Prompts.Warnings.join("\n"));
    }
}
