#include "common/ProgramDir.h"

#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

TEST(ProgramDir, ChoiceFollowsHomeThenPortableCopyThenUserData)
{
    Places p;
    ProgramDirPlaces places = p.places;
    // A portable copy: a writable folder with no installed data beside it.
    EXPECT_EQ(chooseProgramDir(places), places.ExeDir);
    // Installed where the executable's folder is read-only.
    places.ExeDirWritable = false;
    EXPECT_EQ(chooseProgramDir(places), places.UserDataDir);
    // Installed data beside a writable bin/ (root, or a prefix in the home): still the
    // user's folder, since the data is not beside the executable.
    places.ExeDirWritable = true;
    places.SharedDataDir = p.sharedDir();
    EXPECT_EQ(chooseProgramDir(places), places.UserDataDir);
    // --home wins over all of them.
    for (const bool writable : { true, false }) {
        places.ExeDirWritable = writable;
        places.Home = p.root.file("elsewhere");
        EXPECT_EQ(chooseProgramDir(places), places.Home) << writable;
    }
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
    setProgramDir({});
    qunsetenv("VESKOR_HOME");
    EXPECT_EQ(programDir(), exeDir);
}
