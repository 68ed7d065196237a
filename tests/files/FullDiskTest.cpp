// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Saving into a full file system: every writer fails whole, names the file, leaves the old
// file byte for byte and no half-written file behind.
#include "support/FullDisk.h"

#include "SavedVersions.h"
#include "common/AtomicFile.h"
#include "common/Errors.h"
#include "common/ProgramDir.h"
#include "store/TFordData.h"
#include "vehicles/RegisterFile.h"

#include <QDir>
#include <QDirIterator>
#include <QMap>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Every file under the folder with its bytes.
QMap<QString, QByteArray> filesUnder(const QString& folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        files.insert(QDir(folder).relativeFilePath(file.fileName()),
            file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("unreadable"));
    }
    return files;
}

} // namespace

TEST(FullDisk, EverySaveFailsWholeSaysWhichFileAndKeepsTheOldOne)
{
    FullDisk disk;
    std::printf("%s\n", disk.mounted() ? "a full 1 MB tmpfs" : "a file size limit of 0 bytes");
    SaveRegister(savedRegister(0), disk.file(RegisterFile));
    ReaderIni::save(disk.file(ReaderIniFile), savedSettings(0));
    // Reports and memory dumps are written by this call with the whole file at once.
    writeFileAtomically(disk.file("report.htm"), "<html>old report</html>\n");
    writeFileAtomically(disk.file("dump.bin"), QByteArray(256, '\x11'));
    TFordData store;
    uint32_t clock = 1000;
    store.setClock([&clock] { return clock; });
    store.PidLimits(1).RecordHistory = true;
    const auto record = [&](int samples) {
        for (int i = 0; i < samples; ++i, clock += 100)
            store.StoreValue(1, uint16_t(0x100 + i));
    };
    record(5);
    store.SaveHistory(1, disk.file("history.txt"));
    record(500);
    QDir().mkpath(disk.file("user"));
    TempDir shipped;
    shipped.write("codes.txt", QByteArray(3000, 'c'));
    QDir().mkpath(shipped.file("Profiles"));
    shipped.write("Profiles/main.ini", QByteArray(3000, 'p'));
    const QMap<QString, QByteArray> before = filesUnder(disk.path());
    ASSERT_TRUE(disk.fill());
    const QMap<QString, QByteArray> full = filesUnder(disk.path());

    const std::pair<const char*, std::function<void()>> saves[] = {
        { "autos.ini", [&] { SaveRegister(savedRegister(1), disk.file(RegisterFile)); } },
        { "reader.ini", [&] { ReaderIni::save(disk.file(ReaderIniFile), savedSettings(1)); } },
        { "report.htm",
            [&] { writeFileAtomically(disk.file("report.htm"), QByteArray(5000, 'r')); } },
        { "dump.bin", [&] { writeFileAtomically(disk.file("dump.bin"), QByteArray(65536, 'd')); } },
        { "history.txt", [&] { store.SaveHistory(1, disk.file("history.txt")); } },
    };
    for (const auto& [name, save] : saves) {
        QString message;
        try {
            save();
        } catch (const VeskorError& e) {
            message = e.message();
        }
        EXPECT_TRUE(message.contains(disk.file(name))) << name << ": " << qPrintable(message);
        EXPECT_EQ(disk.read(name), before.value(name)) << name;
    }
    // Seeding the user's folder: nothing half copied, each file it could not copy named.
    const QStringList problems = seedUserData(shipped.path(), disk.file("user"));
    EXPECT_EQ(problems.size(), 2) << qPrintable(problems.join("\n"));
    EXPECT_EQ(problems.filter("codes.txt").size(), 1) << qPrintable(problems.join("\n"));
    EXPECT_EQ(filesUnder(disk.path()), full) << "no file changed, none left behind";
}
