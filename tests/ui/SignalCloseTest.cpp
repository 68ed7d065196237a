// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// SIGTERM ends the real program in order whatever waits at that moment: a box of creation,
// a box of the first show, the box of a save that failed at close, or a live stream.
#include "WindowTestSupport.h"
#include "common/IniFile.h"
#include "common/Texts.h"
#include "recording/RecordingFile.h"
#include "support/FullDisk.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

namespace {

// The closing work of the window and the end of its link (some 50 ms), with room for a busy
// machine.
constexpr int EndWithinMs = 2000;

QStringList recordingsUnder(const QString& home)
{
    QStringList found;
    QDirIterator it(QDir(home).filePath("Recordings"),
        { QStringLiteral("*.") + QLatin1String(RecordingFile::Extension) }, QDir::Files,
        QDirIterator::Subdirectories);
    while (it.hasNext())
        found.append(it.next());
    return found;
}

struct Case {
    const char* Name;
    QStringList Arguments;
    // Prepares the program directory; the harness's home unless it gives another.
    std::function<QString(WindowHarness&, FullDisk&)> Prepare;
    // True once the program waits where the signal is to reach it.
    std::function<bool(QProcess&, const QString& home)> Waiting;
    int ExitCode;
    std::function<void(const QString& home, const QByteArray& err)> Check;
};

bool startedAWhileAgo(QProcess&, const QString&)
{
    // Creation and first show take far less; a box of either then waits.
    QThread::msleep(1500);
    return true;
}

void savedSettings(const QString& home)
{
    IniFile ini;
    ini.load(QDir(home).filePath("reader.ini"));
    EXPECT_TRUE(ini.hasKey("Main", "MainWindowWidth"));
    EXPECT_TRUE(ini.hasKey("Main", "TableContrast"));
}

} // namespace

TEST(SignalClose, EveryWaitEndsInOrderAndInTime)
{
    const Case cases[] = {
        { "codes.txt box while the window is created", {},
            [](WindowHarness& h, FullDisk&) {
                QFile::remove(h.path("codes.txt"));
                return h.path("");
            },
            startedAWhileAgo, 0,
            [](const QString& home, const QByteArray& err) {
                EXPECT_TRUE(err.contains(Texts::text(Texts::FaultCodesMissing).toUtf8()));
                // Nothing was read yet that closing would write over.
                EXPECT_FALSE(QFileInfo::exists(QDir(home).filePath("reader.ini")));
            } },
        { "no Profiles folder at first show", {},
            [](WindowHarness& h, FullDisk&) {
                QDir(h.path("Profiles")).removeRecursively();
                h.writeFile("reader.ini", "[Main]\nAutoConnect=0\n");
                h.writeFile("autos.ini", registerText({ { "First", "" } }));
                return h.path("");
            },
            startedAWhileAgo, 0,
            [](const QString& home, const QByteArray& err) {
                EXPECT_TRUE(err.contains("Profiles/")) << err.constData();
                savedSettings(home);
            } },
        { "unreadable autos.ini at first show", {},
            [](WindowHarness& h, FullDisk&) {
                QDir().mkpath(h.path("autos.ini"));
                h.writeFile("reader.ini", "[Main]\nAutoConnect=0\n");
                return h.path("");
            },
            startedAWhileAgo, 0,
            [](const QString& home, const QByteArray& err) {
                EXPECT_TRUE(err.contains("autos.ini")) << err.constData();
                savedSettings(home);
                EXPECT_TRUE(QFileInfo(QDir(home).filePath("autos.ini")).isDir());
            } },
        { "box of a failed save at close", { "--quit-when-shown" },
            [](WindowHarness& h, FullDisk& disk) {
                h.writeFile("reader.ini", "[Main]\nAutoConnect=0\nMainWindowWidth=1000\n");
                h.writeFile("autos.ini", registerText({ { "Escort", "4BAA" } }));
                copyTree(h.path(""), disk.path());
                // Filled now: the child writes nothing before its close either way.
                EXPECT_TRUE(disk.fill());
                return disk.path();
            },
            [](QProcess& reader, const QString&) {
                if (!reader.canReadLine())
                    return false;
                // The window closes right after saying so, and its box opens.
                QThread::msleep(500);
                return true;
            },
            1,
            [](const QString& home, const QByteArray& err) {
                for (const char* name : { "reader.ini", "autos.ini" })
                    EXPECT_TRUE(err.contains(QDir(home).filePath(name).toUtf8()))
                        << name << ": " << err.constData();
                IniFile ini;
                ini.load(QDir(home).filePath("reader.ini"));
                EXPECT_EQ(ini.readInteger("Main", "MainWindowWidth", 0), 1000);
            } },
        { "live stream from the simulator", { "--simulator", "--live" },
            [](WindowHarness& h, FullDisk&) {
                h.writeFile("reader.ini", "[Main]\nCurrentProfile=main.ini\n");
                h.writeFile("autos.ini", registerText({ { "Escort", "4BAA" } }));
                return h.path("");
            },
            [](QProcess&, const QString& home) {
                if (recordingsUnder(home).isEmpty())
                    return false;
                QThread::msleep(1000);
                return true;
            },
            0,
            [](const QString& home, const QByteArray&) {
                const QStringList recordings = recordingsUnder(home);
                ASSERT_EQ(recordings.size(), 1) << qPrintable(recordings.join("\n"));
                const Recording read = RecordingFile::read(recordings.first());
                ASSERT_GT(read.Words.size(), 10u);
                EXPECT_GT(read.durationMs(), 500u);
            } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        WindowHarness h;
        FullDisk disk;
        const QString home = c.Prepare(h, disk);
        QProcess reader;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        reader.setProcessEnvironment(env);
        reader.start(qEnvironmentVariable("VESKOR_BIN") + "/veskor-reader",
            QStringList { "--home", home } + c.Arguments);
        ASSERT_TRUE(reader.waitForStarted());
        EXPECT_TRUE(waitUntil([&] { return c.Waiting(reader, home); }, 20000));
        QElapsedTimer ending;
        ending.start();
        reader.terminate();
        if (!reader.waitForFinished(10000)) {
            ADD_FAILURE() << "still running after the signal";
            reader.kill();
            reader.waitForFinished();
            continue;
        }
        EXPECT_LT(ending.elapsed(), EndWithinMs);
        const QByteArray err = reader.readAllStandardError();
        EXPECT_EQ(reader.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(reader.exitCode(), c.ExitCode) << err.constData();
        c.Check(home, err);
    }
}
