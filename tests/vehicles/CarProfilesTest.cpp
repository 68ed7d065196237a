// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "vehicles/CarProfiles.h"

#include "common/IniFile.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <gtest/gtest.h>

namespace {

CarProfiles fromText(const QByteArray& text)
{
    IniFile ini;
    ini.loadData(text);
    CarProfiles profiles;
    loadCarProfiles(profiles, ini);
    return profiles;
}

} // namespace

TEST(CarProfiles, OnlyTheFirst101SectionsCount)
{
    QByteArray text;
    for (int i = 0; i < 120; ++i)
        text += "[Car" + QByteArray::number(i) + "]\nName=Car " + QByteArray::number(i)
            + "\nAddrAdaptive=" + QByteArray::number(i) + "\n";
    const CarProfiles profiles = fromText(text);
    ASSERT_EQ(profiles.count(), 101);
    EXPECT_EQ(profiles.at(0)->Name, "Car 0");
    EXPECT_EQ(profiles.at(100)->Name, "Car 100");
    EXPECT_EQ(profiles.at(100)->AddrAdaptive, 100);
    EXPECT_EQ(profiles.at(101), nullptr);
    EXPECT_EQ(profiles.names().size(), 101);
}

TEST(CarProfiles, SectionsKeepFileOrderAndValuesTheirDefaults)
{
    const CarProfiles profiles = fromText("stray=1\n"
                                          "[zeta]\nAddrAdaptive=$1A0\nAddrAdaptiveChecksum=0x1A0\n"
                                          "[alpha]\nname=Second\naddradaptive=416\n"
                                          "[mid]\nAddrAdaptive=70000\nAddrAdaptiveChecksum=-1\n"
                                          "[bad]\nAddrAdaptive=12abc\nAddrAdaptiveChecksum=\n");
    ASSERT_EQ(profiles.count(), 4);
    EXPECT_EQ(profiles.names(),
        (QStringList {
            "Unknown Ford Model", "Second", "Unknown Ford Model", "Unknown Ford Model" }));
    EXPECT_EQ(profiles.at(0)->AddrAdaptive, 416);
    EXPECT_EQ(profiles.at(0)->AddrAdaptiveChecksum, 416);
    EXPECT_EQ(profiles.at(1)->AddrAdaptive, 416);
    EXPECT_EQ(profiles.at(2)->AddrAdaptive, 4464);
    EXPECT_EQ(profiles.at(2)->AddrAdaptiveChecksum, 0xFFFF);
    EXPECT_EQ(profiles.at(3)->AddrAdaptive, 0);
    EXPECT_EQ(profiles.at(3)->AddrAdaptiveChecksum, 0);
}

TEST(CarProfiles, APositionWithoutAProfileHasAddressZero)
{
    const CarProfiles profiles = fromText("[a]\nAddrAdaptive=1\nAddrAdaptiveChecksum=2\n");
    EXPECT_EQ(profiles.addrAdaptive(0), 1);
    EXPECT_EQ(profiles.addrAdaptiveChecksum(0), 2);
    for (int position : { -1, 1, 100, -100 }) {
        EXPECT_EQ(profiles.at(position), nullptr);
        EXPECT_EQ(profiles.addrAdaptive(position), 0);
        EXPECT_EQ(profiles.addrAdaptiveChecksum(position), 0);
    }
}

TEST(CarProfiles, NamesAreInTheAnsiCodePage)
{
    const CarProfiles profiles = fromText("[a]\nName=\"\xD1\xFC\xE5\xF0\xF0\xE0 2.0\"\n");
    EXPECT_EQ(profiles.at(0)->Name, QString::fromUtf8("Сьерра 2.0"));
}

TEST(CarProfiles, AMissingFileGivesNoProfiles)
{
    TempDir dir;
    CarProfiles profiles;
    profiles.append({ "old", 1, 2 });
    EXPECT_FALSE(LoadCarProfiles(profiles, dir.file("CarProfiles.ini")));
    EXPECT_EQ(profiles.count(), 0);

    QString problem = "unset";
    EXPECT_FALSE(LoadCarProfiles(profiles, dir.file("CarProfiles.ini"), &problem));
    EXPECT_TRUE(problem.isEmpty()) << problem.toStdString(); // running without them is allowed
}

TEST(CarProfiles, AFileThatYieldsNoProfileIsAFailureWithItsReason)
{
    TempDir dir;
    const QByteArray good = "[Sierra]\nName=Sierra\nAddrAdaptive=$B00\n";
    QStringEncoder utf16(QStringEncoder::Utf16LE);
    const struct {
        QByteArray bytes;
        const char* reason;
    } cases[] = {
        { QByteArray("\xFF\xFE") + QByteArray(utf16(QString::fromLatin1(good))), "UTF-16" },
        { QByteArray("; header\n") + '\0' + good, "NUL в строке 2" },
        { "; only a comment\n", "ни одного профиля" },
        { "Name=Sierra\nAddrAdaptive=1\n", "нет ни одного раздела" },
        { QByteArray(), "ни одного профиля" },
    };
    for (const auto& c : cases) {
        CarProfiles profiles;
        profiles.append({ "old", 1, 2 });
        QString problem;
        EXPECT_FALSE(LoadCarProfiles(profiles, dir.write("CarProfiles.ini", c.bytes), &problem));
        EXPECT_EQ(profiles.count(), 0);
        EXPECT_TRUE(problem.contains(QString::fromUtf8(c.reason))) << problem.toStdString();
        EXPECT_TRUE(problem.contains(dir.file("CarProfiles.ini"))) << problem.toStdString();
    }

    // A NUL after some sections keeps the profiles before it, and is told.
    CarProfiles profiles;
    QString problem;
    EXPECT_TRUE(LoadCarProfiles(profiles,
        dir.write("CarProfiles.ini", good + "[Escort]\n" + '\0' + "[Lost]\nName=Lost\n"),
        &problem));
    EXPECT_EQ(profiles.names(), (QStringList { "Sierra", "Unknown Ford Model" }));
    EXPECT_TRUE(problem.contains(QString::fromUtf8("NUL в строке 5"))) << problem.toStdString();

    EXPECT_TRUE(LoadCarProfiles(profiles, dir.write("CarProfiles.ini", good), &problem));
    EXPECT_TRUE(problem.isEmpty()) << problem.toStdString();

    const QString loop = dir.file("loop.ini");
    QFile::link(loop, loop);
    EXPECT_FALSE(LoadCarProfiles(profiles, loop, &problem));
    EXPECT_TRUE(problem.contains(QString::fromUtf8("цикл символических ссылок")))
        << problem.toStdString();
}

TEST(CarProfiles, APositionBeyondTheListIsToldWhereTheAddressesAreUsed)
{
    const CarProfiles profiles
        = fromText("[a]\nAddrAdaptive=$B00\nAddrAdaptiveChecksum=$BAC\n[b]\n");
    const CarProfiles::Addresses first = profiles.addresses(0);
    EXPECT_EQ(first.AddrAdaptive, 0xB00);
    EXPECT_EQ(first.AddrAdaptiveChecksum, 0xBAC);
    EXPECT_TRUE(first.problem.isEmpty());
    EXPECT_TRUE(profiles.addresses(1).problem.isEmpty());

    const CarProfiles::Addresses beyond = profiles.addresses(2);
    EXPECT_EQ(beyond.AddrAdaptive, 0);
    EXPECT_EQ(beyond.AddrAdaptiveChecksum, 0);
    EXPECT_EQ(beyond.problem,
        QString::fromUtf8(
            "Профиль автомобиля № 2 вне списка профилей (их 2): адреса адаптивных таблиц равны 0"));
    EXPECT_TRUE(profiles.addresses(-7).problem.contains(QString::fromUtf8("№ -7 вне списка")));
    const CarProfiles::Addresses none = profiles.addresses(-1);
    EXPECT_EQ(none.AddrAdaptive, 0);
    EXPECT_TRUE(none.problem.contains(QString::fromUtf8("не выбран")));
}

TEST(CarProfiles, TheShippedSampleHasTheSimulatorsAddresses)
{
    CarProfiles profiles;
    ASSERT_TRUE(LoadCarProfiles(profiles, QDir(VESKOR_DATA_SOURCE_DIR).filePath(CarProfilesFile)));
    ASSERT_GE(profiles.count(), 1);
    EXPECT_EQ(profiles.at(0)->AddrAdaptive, 0x0B00);
    EXPECT_EQ(profiles.at(0)->AddrAdaptiveChecksum, 0x0BAC);
}
