// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "common/ProgramDir.h"

#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>

namespace {

// An installed program's places, all in one temporary folder.
struct Places {
    TempDir root;
    ProgramDirPlaces places;

    Places()
    {
        QDir(root.path()).mkpath("bin");
        QDir(root.path()).mkpath("share/veskor-reader/Profiles");
        places.ExeDir = root.file("bin");
        places.UserDataDir = root.file("home/.local/share/veskor-reader");
        shipped("codes.txt", "10,codes\n");
        shipped("Profiles/main.ini", "[Main]\nName=shipped\n");
    }

    void shipped(const QString& name, const QByteArray& data) const
    {
        root.write("share/veskor-reader/" + name, data);
    }
    QString sharedDir() const { return root.file("share/veskor-reader"); }
    QString user(const QString& name) const { return places.UserDataDir + "/" + name; }
    QByteArray userFile(const QString& name) const
    {
        QFile f(user(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
    }
};

} // namespace

TEST(ProgramDir, PlacesFollowHomeThenPortableCopyThenInstalledProgram)
{
    Places p;
    p.places.ConfigDir = p.root.file("home/.config");
    p.places.DocumentsDir = p.root.file("home/Документы");
    const QString exe = p.places.ExeDir;
    const QString home = p.root.file("elsewhere");
    const QString user = p.places.UserDataDir;
    const QString installedIni = p.root.file("home/.config/veskor-reader/reader.ini");
    const QString documents = p.root.file("home/Документы/VeskorReader");
    struct Case {
        const char* name;
        QString Home;
        bool writable;
        bool shared;
        ProgramPlaces expected;
    };
    const Case cases[] = {
        // A writable folder with no installed data beside it: everything there.
        { "portable copy", {}, true, false, { exe, exe + "/reader.ini", exe, false } },
        { "installed, read-only bin", {}, false, false, { user, installedIni, documents, true } },
        // Installed data beside a writable bin/ (root, or a prefix in the home): still the
        // user's folders, since the data is not beside the executable.
        { "installed, writable bin", {}, true, true, { user, installedIni, documents, true } },
        // --home or VESKOR_HOME wins over all of them and keeps everything in its folder.
        { "home, writable bin", home, true, true, { home, home + "/reader.ini", home, false } },
        { "home, read-only bin", home, false, false, { home, home + "/reader.ini", home, false } },
    };
    for (const Case& c : cases) {
        ProgramDirPlaces places = p.places;
        places.Home = c.Home;
        places.ExeDirWritable = c.writable;
        places.SharedDataDir = c.shared ? p.sharedDir() : QString();
        const ProgramPlaces chosen = choosePlaces(places);
        EXPECT_EQ(chosen.Dir, c.expected.Dir) << c.name;
        EXPECT_EQ(chooseProgramDir(places), c.expected.Dir) << c.name;
        EXPECT_EQ(chosen.SettingsFile, c.expected.SettingsFile) << c.name;
        EXPECT_EQ(chosen.Documents, c.expected.Documents) << c.name;
        EXPECT_EQ(chosen.Installed, c.expected.Installed) << c.name;
    }
}

// The installed data is found beside the executable or in the XDG data folders, never in
// the user's own data folder, which also holds a codes.txt.
TEST(ProgramDir, InstalledDataIsFoundInTheDataFoldersButTheUsersOwn)
{
    TempDir root;
    for (const char* dir : { "home/.local/share/veskor-reader", "usr/share/veskor-reader",
             "opt/share/veskor-reader" }) {
        QDir(root.path()).mkpath(dir);
        root.write(QString(dir) + "/codes.txt", "10,codes\n");
    }
    QDir(root.path()).mkpath("usr/local/share/veskor-reader");
    const QString user = root.file("home/.local/share/veskor-reader");
    const struct {
        QStringList dataDirs;
        QString expected;
    } cases[] = {
        { { root.file("home/.local/share"), root.file("usr/local/share"), root.file("usr/share"),
              root.file("opt/share") },
            root.file("usr/share/veskor-reader") },
        { { root.file("home/.local/share/"), root.file("usr/local/share") }, QString() },
        { {}, QString() },
    };
    for (const auto& c : cases)
        EXPECT_EQ(locateSharedData(c.dataDirs, user), c.expected)
            << qPrintable(c.dataDirs.join(':'));
}

TEST(ProgramDir, SeedingCopiesShippedFilesAndKeepsTheUsersOwn)
{
    Places p;
    // The user's own dashboard of a shipped name exists before the first start.
    QDir().mkpath(p.user("Profiles"));
    QFile own(p.user("Profiles/main.ini"));
    ASSERT_TRUE(own.open(QIODevice::WriteOnly));
    own.write("[Main]\nName=mine\n");
    own.close();

    EXPECT_TRUE(seedUserData(p.sharedDir(), p.places.UserDataDir).isEmpty());
    EXPECT_EQ(p.userFile("codes.txt"), "10,codes\n");
    EXPECT_EQ(p.userFile("Profiles/main.ini"), "[Main]\nName=mine\n");

    // A shipped file the user deleted stays deleted; one a newer version ships arrives;
    // a file the user changed is kept.
    ASSERT_TRUE(QFile::remove(p.user("codes.txt")));
    p.shipped("Profiles/flags.ini", "[Main]\nName=flags\n");
    p.shipped("codes.txt", "10,newer codes\n");
    EXPECT_TRUE(seedUserData(p.sharedDir(), p.places.UserDataDir).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(p.user("codes.txt")));
    EXPECT_EQ(p.userFile("Profiles/flags.ini"), "[Main]\nName=flags\n");
    EXPECT_EQ(p.userFile("Profiles/main.ini"), "[Main]\nName=mine\n");

    // Installed into the user's own prefix, the shared and the user's folder are one.
    EXPECT_TRUE(seedUserData(p.sharedDir(), p.sharedDir()).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(p.sharedDir() + "/.seeded"));
}

// An upgrade from one shipped codes.txt to the next and the one after: a copy as shipped
// follows each version; an edit, a file of the user's own and a deletion are kept; a
// .seeded of an earlier version (paths without a hash) counts the file as shipped only
// where it equals the shipped version.
TEST(ProgramDir, UpgradeReplacesUneditedCopiesAndKeepsEverythingElse)
{
    const QByteArray v1 = "10,first\n", v2 = "10,second\n", v3 = "10,third\n";
    const QByteArray mine = "10,my own words\n", none = "<none>";
    const auto legacyList = [](const Places& p) {
        QFile list(p.user(".seeded"));
        ASSERT_TRUE(list.open(QIODevice::WriteOnly));
        list.write("Profiles/main.ini\ncodes.txt\n");
    };
    const auto put = [](const Places& p, const QByteArray& data) {
        QFile file(p.user("codes.txt"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
    };
    struct Case {
        const char* name;
        std::function<void(const Places&)> beforeFirst;
        std::function<void(const Places&)> afterFirst;
        QByteArray afterV2;
        QByteArray afterV3;
    };
    const Case cases[] = {
        { "unedited copy", {}, {}, v2, v3 },
        { "edited copy", {}, [&](const Places& p) { put(p, mine); }, mine, mine },
        { "edited back to the shipped text", {}, [&](const Places& p) { put(p, v1); }, v2, v3 },
        { "deleted", {}, [](const Places& p) { QFile::remove(p.user("codes.txt")); }, none, none },
        { "the user's own before the first start", [&](const Places& p) { put(p, mine); }, {}, mine,
            mine },
        { "the user's own as shipped before the first start", [&](const Places& p) { put(p, v1); },
            {}, v2, v3 },
        { "earlier list, copy of an older version", {}, [&](const Places& p) { legacyList(p); }, v1,
            v1 },
        { "earlier list, copy as shipped now", {},
            [&](const Places& p) {
                legacyList(p);
                put(p, v2);
            },
            v2, v3 },
        { "earlier list, deleted", {},
            [&](const Places& p) {
                legacyList(p);
                QFile::remove(p.user("codes.txt"));
            },
            none, none },
    };
    for (const Case& c : cases) {
        Places p;
        p.shipped("codes.txt", v1);
        QDir().mkpath(p.places.UserDataDir);
        if (c.beforeFirst)
            c.beforeFirst(p);
        EXPECT_TRUE(seedUserData(p.sharedDir(), p.places.UserDataDir).isEmpty()) << c.name;
        if (c.afterFirst)
            c.afterFirst(p);
        p.shipped("codes.txt", v2);
        EXPECT_TRUE(seedUserData(p.sharedDir(), p.places.UserDataDir).isEmpty()) << c.name;
        EXPECT_EQ(p.userFile("codes.txt"), c.afterV2) << c.name;
        // A start without a new version changes nothing.
        EXPECT_TRUE(seedUserData(p.sharedDir(), p.places.UserDataDir).isEmpty()) << c.name;
        EXPECT_EQ(p.userFile("codes.txt"), c.afterV2) << c.name;
        p.shipped("codes.txt", v3);
        EXPECT_TRUE(seedUserData(p.sharedDir(), p.places.UserDataDir).isEmpty()) << c.name;
        EXPECT_EQ(p.userFile("codes.txt"), c.afterV3) << c.name;
        // The other shipped file, untouched throughout, stays as shipped.
        EXPECT_EQ(p.userFile("Profiles/main.ini"), "[Main]\nName=shipped\n") << c.name;
    }
}

// The settings of an earlier version move from the data folder to the config folder once;
// an existing config is never overwritten, and a move that fails keeps the old file.
TEST(ProgramDir, SettingsMoveOnceAndNeverOverwriteAConfig)
{
    const QByteArray old = "[Main]\nComPortName=old\n", config = "[Main]\nComPortName=new\n";
    const struct {
        const char* name;
        bool oldExists;
        bool configExists;
        bool configBlocked; // the config folder's place is taken by a file
        QByteArray oldAfter;
        QByteArray configAfter;
        int problems;
    } cases[] = {
        { "first start of the new version", true, false, false, "<none>", old, 0 },
        { "both exist", true, true, false, old, config, 0 },
        { "already moved", false, true, false, "<none>", config, 0 },
        { "a first start ever", false, false, false, "<none>", "<none>", 0 },
        { "config folder cannot be made", true, false, true, old, "<none>", 1 },
    };
    for (const auto& c : cases) {
        TempDir dir;
        QDir(dir.path()).mkpath("data");
        QDir(dir.path()).mkpath(c.configBlocked ? "config" : "config/veskor-reader");
        if (c.configBlocked)
            dir.write("config/veskor-reader", "a file");
        if (c.oldExists)
            dir.write("data/reader.ini", old);
        if (c.configExists)
            dir.write("config/veskor-reader/reader.ini", config);
        const QStringList problems = moveSettingsOnce(
            dir.file("data/reader.ini"), dir.file("config/veskor-reader/reader.ini"));
        EXPECT_EQ(problems.size(), c.problems) << c.name << qPrintable(problems.join('\n'));
        const auto contents = [&](const char* name) {
            return QFileInfo(dir.file(name)).isFile() ? dir.read(name) : QByteArray("<none>");
        };
        EXPECT_EQ(contents("data/reader.ini"), c.oldAfter) << c.name;
        EXPECT_EQ(contents("config/veskor-reader/reader.ini"), c.configAfter) << c.name;
    }
}

// Reports, recordings and dumps an earlier version wrote into the data folder move whole to
// the documents folder once; a folder already there keeps its files and the old one stays.
TEST(ProgramDir, DocumentsOfAnEarlierVersionMoveOnceAndNeverMerge)
{
    TempDir dir;
    const QString data = dir.file("data"), docs = dir.file("Documents/VeskorReader");
    QDir().mkpath(data + "/Reports/Escort");
    dir.write("data/Reports/Escort/visits.txt", "old visits\n");
    QDir().mkpath(data + "/Recordings");
    dir.write("data/Recordings/a.vrec", "old recording");
    QDir().mkpath(docs + "/Recordings");
    dir.write("Documents/VeskorReader/Recordings/b.vrec", "new recording");
    dir.write("data/Dumps", "a file, not a folder");
    EXPECT_TRUE(moveDocumentsOnce(data, docs).isEmpty());
    EXPECT_TRUE(moveDocumentsOnce(data, docs).isEmpty()) << "the second start moves nothing";
    const struct {
        const char* file;
        QByteArray expected;
    } cases[] = {
        { "Documents/VeskorReader/Reports/Escort/visits.txt", "old visits\n" },
        { "data/Reports", "<none>" },
        { "data/Recordings/a.vrec", "old recording" },
        { "Documents/VeskorReader/Recordings/a.vrec", "<none>" },
        { "Documents/VeskorReader/Recordings/b.vrec", "new recording" },
        { "data/Dumps", "a file, not a folder" },
        { "Documents/VeskorReader/Dumps", "<none>" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(QFileInfo::exists(dir.file(c.file))
                ? (QFileInfo(dir.file(c.file)).isDir() ? QByteArray("<folder>") : dir.read(c.file))
                : QByteArray("<none>"),
            c.expected)
            << c.file;
}

TEST(ProgramDir, HomeAndEnvironmentNameTheProgramDirectory)
{
    TempDir home;
    TempDir env;
    const QString exeDir = programDir();
    qputenv("VESKOR_HOME", env.path().toLocal8Bit());
    EXPECT_EQ(programDir(), QDir(env.path()).absolutePath());
    setProgramDir(home.path());
    EXPECT_EQ(programDir(), QDir(home.path()).absolutePath());
    EXPECT_EQ(programFile("Profiles/main.ini"), QDir(home.path()).filePath("Profiles/main.ini"));
    // A home keeps its settings and documents in itself, unless reader.ini names a folder.
    EXPECT_EQ(settingsFile(), QDir(home.path()).filePath("reader.ini"));
    EXPECT_EQ(documentsDir(), QDir(home.path()).absolutePath());
    setDocumentsDir(home.file("Отчёты"));
    EXPECT_EQ(documentsDir(), home.file("Отчёты"));
    setDocumentsDir("Docs");
    EXPECT_EQ(documentsDir(), QDir(home.path()).filePath("Docs"));
    setDocumentsDir({});
    EXPECT_EQ(documentsDir(), QDir(home.path()).absolutePath());
    setProgramDir({});
    qunsetenv("VESKOR_HOME");
    EXPECT_EQ(programDir(), exeDir);
}
