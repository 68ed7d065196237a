#include "vehicles/CarProfiles.h"

#include "common/IniFile.h"
#include "support/TempDir.h"

#include <QDir>
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

    dir.write("CarProfiles.ini", "; only a comment\n");
    EXPECT_TRUE(LoadCarProfiles(profiles, dir.file("CarProfiles.ini")));
    EXPECT_EQ(profiles.count(), 0);
}

TEST(CarProfiles, TheShippedSampleHasTheSimulatorsAddresses)
{
    CarProfiles profiles;
    ASSERT_TRUE(LoadCarProfiles(profiles, QDir(VESKOR_DATA_SOURCE_DIR).filePath(CarProfilesFile)));
    ASSERT_GE(profiles.count(), 1);
    EXPECT_EQ(profiles.at(0)->AddrAdaptive, 0x0B00);
    EXPECT_EQ(profiles.at(0)->AddrAdaptiveChecksum, 0x0BAC);
}
