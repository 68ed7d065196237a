// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// kill -9 at random moments while the program saves autos.ini and reader.ini: afterwards
// each file loads and is byte for byte the old or the new version, never a mix.
#include "SavedVersions.h"
#include "common/IniFile.h"
#include "support/TempDir.h"
#include "vehicles/RegisterFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>
#include <random>
#include <thread>

namespace {

// How many kills: VESKOR_KILLS, else 200 (about 20 s with the machine busy).
int killCount()
{
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("VESKOR_KILLS", &ok);
    return ok && n > 0 ? n : 200;
}

// The bytes the real save code writes for both versions, each saved over the other, as
// the loop does.
struct Versions {
    QByteArray Autos[2];
    QByteArray Reader[2];
};

Versions versionsAsSaved()
{
    TempDir dir;
    Versions v;
    for (int version : { 1, 0, 1 }) {
        SaveRegister(savedRegister(version), dir.file(RegisterFile));
        ReaderIni::save(dir.file(ReaderIniFile), savedSettings(version));
        v.Autos[version] = dir.read(RegisterFile);
        v.Reader[version] = dir.read(ReaderIniFile);
    }
    return v;
}

// Which version the bytes are (0 or 1), -1 for neither.
int versionOf(const QByteArray& bytes, const QByteArray (&versions)[2])
{
    return bytes == versions[0] ? 0 : bytes == versions[1] ? 1 : -1;
}

QString saveLoopProgram()
{
    return qEnvironmentVariable("VESKOR_BIN") + QStringLiteral("/../tests/bin/veskor-save-loop");
}

} // namespace

TEST(CrashSafeFiles, KillNineWhileSavingLeavesTheOldOrTheNewFile)
{
    const Versions saved = versionsAsSaved();
    ASSERT_NE(saved.Autos[0].size(), saved.Autos[1].size());
    ASSERT_NE(saved.Reader[0].size(), saved.Reader[1].size());
    // Each version writes the same bytes whatever the file held before.
    {
        TempDir fresh;
        ReaderIni::save(fresh.file(ReaderIniFile), savedSettings(0));
        ASSERT_EQ(fresh.read(ReaderIniFile), saved.Reader[0]);
    }

    TempDir dir;
    const int kills = killCount();
    // Fixed seed: a failure can be run again with the same moments.
    std::mt19937 random(20261209);
    // Several save pairs fit into the longest pause, so the moments fall all over a save.
    std::uniform_int_distribution<int> pauseUs(0, 15000);
    int found[2][2] = {};
    QElapsedTimer took;
    took.start();
    for (int kill = 0; kill < kills; ++kill) {
        QProcess loop;
        loop.start(saveLoopProgram(), { dir.path() });
        ASSERT_TRUE(loop.waitForReadyRead(10000))
            << qPrintable(saveLoopProgram()) << ": " << loop.readAllStandardError().constData();
        std::this_thread::sleep_for(std::chrono::microseconds(pauseUs(random)));
        ::kill(pid_t(loop.processId()), SIGKILL);
        ASSERT_TRUE(loop.waitForFinished(10000));
        ASSERT_EQ(loop.exitStatus(), QProcess::CrashExit)
            << "the loop ended by itself: " << loop.readAllStandardError().constData();

        const int autos = versionOf(dir.read(RegisterFile), saved.Autos);
        const int reader = versionOf(dir.read(ReaderIniFile), saved.Reader);
        ASSERT_GE(autos, 0) << "autos.ini is neither version after kill " << kill;
        ASSERT_GE(reader, 0) << "reader.ini is neither version after kill " << kill;
        ++found[0][autos];
        ++found[1][reader];

        VehicleRegister vehicles;
        ASSERT_TRUE(LoadRegister(vehicles, dir.file(RegisterFile)));
        ASSERT_EQ(vehicles.size(), savedRegister(autos).size());
        ASSERT_EQ(vehicles.at(0).Record.Name, savedRegister(autos).at(0).Record.Name);
        IniFile ini;
        ASSERT_TRUE(ReaderIni::load(ini, dir.file(ReaderIniFile)));
        ReaderSettings settings;
        ReaderIni::readAtCreation(ini, settings);
        ReaderIni::readAtShow(ini, settings);
        ASSERT_EQ(settings.ComPortName, savedSettings(reader).ComPortName);
        ASSERT_EQ(settings.Toolbars, savedSettings(reader).Toolbars);
    }
    // Both outcomes for both files: the kills fell before and after the renames.
    if (kills >= 100) {
        for (const auto& file : found) {
            EXPECT_GT(file[0], 0);
            EXPECT_GT(file[1], 0);
        }
    }
    const qsizetype leftovers = QDir(dir.path()).entryList(QDir::Files).size() - 2;
    std::printf("%d kills in %.1f s: autos.ini versions 0/1 %d/%d, reader.ini versions 0/1 %d/%d, "
                "%lld unfinished temporary files left\n",
        kills, double(took.elapsed()) / 1000.0, found[0][0], found[0][1], found[1][0], found[1][1],
        static_cast<long long>(leftovers));
}
