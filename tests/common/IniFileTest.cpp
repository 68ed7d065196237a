// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "common/IniFile.h"

#include "common/Errors.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

TEST(IniFile, NamesMatchRegardlessOfCaseAndTheFirstKeyWins)
{
    IniFile ini;
    ini.loadData("[Main]\nName = first \nNAME=second\n[main]\nOther=1\n[Next]\n");
    EXPECT_EQ(ini.readBytes("MAIN", "name"), "first");
    EXPECT_EQ(ini.readInteger("Main", "other", 0), 1);
    EXPECT_EQ(ini.sections(), (QStringList { "Main", "Next" }));
    EXPECT_TRUE(ini.hasSection("next"));
    EXPECT_FALSE(ini.hasSection("Absent"));
}

TEST(IniFile, ValuesLoseEnclosingQuotesAndAreCutAt2047Bytes)
{
    IniFile ini;
    ini.loadData("[S]\nq=\"a b\"\nh='x'\nhalf=\"open\nlong=" + QByteArray(3000, 'z') + "\n");
    EXPECT_EQ(ini.readBytes("S", "q"), "a b");
    EXPECT_EQ(ini.readBytes("S", "h"), "x");
    EXPECT_EQ(ini.readBytes("S", "half"), "\"open");
    EXPECT_EQ(ini.readBytes("S", "long").size(), 2047);
    EXPECT_EQ(ini.readBytes("S", "absent", "dflt"), "dflt");
}

TEST(IniFile, IntegersAcceptDecimalAndHexAndFallBackSilently)
{
    IniFile ini;
    ini.loadData(
        "[S]\na=$1A0\nb=0x1A0\nc=416\nd=-5\ne=12abc\nf=\ng=99999999999\nh=$FFFFFFFF\nt=1\n");
    EXPECT_EQ(ini.readInteger("S", "a", 0), 416);
    EXPECT_EQ(ini.readInteger("S", "b", 0), 416);
    EXPECT_EQ(ini.readInteger("S", "c", 0), 416);
    EXPECT_EQ(ini.readInteger("S", "d", 0), -5);
    EXPECT_EQ(ini.readInteger("S", "e", 7), 7);
    EXPECT_EQ(ini.readInteger("S", "f", 7), 7);
    EXPECT_EQ(ini.readInteger("S", "g", 7), 7);
    EXPECT_EQ(ini.readInteger("S", "h", 7), -1);
    EXPECT_TRUE(ini.readBool("S", "t", false));
    EXPECT_TRUE(ini.readBool("S", "missing", true));
    EXPECT_FALSE(ini.readBool("S", "e", false));
}

TEST(IniFile, WrittenValuesSurviveSaveAndLoadInOrder)
{
    TempDir dir;
    IniFile ini;
    ini.writeUtf8("Auto0", "Name", QStringLiteral("Форд Сьерра"));
    ini.writeInteger("Auto0", "Year", 1989);
    ini.writeBool("Auto1", "Flag", true);
    ini.writeUtf8("Auto2", "Name", "x");
    ini.eraseSection("Auto1");
    ini.save(dir.file("autos.ini"));

    IniFile back;
    ASSERT_TRUE(back.load(dir.file("autos.ini")));
    EXPECT_EQ(back.sections(), (QStringList { "Auto0", "Auto2" }));
    EXPECT_EQ(back.readUtf8("Auto0", "Name"), QStringLiteral("Форд Сьерра"));
    EXPECT_EQ(back.readInteger("Auto0", "Year", 0), 1989);
    EXPECT_EQ(back.keys("Auto0"), (QStringList { "Name", "Year" }));
}

TEST(IniFile, AFailedSaveRaisesAndAMissingFileIsEmpty)
{
    IniFile ini;
    EXPECT_TRUE(ini.load("/nonexistent/reader.ini"));
    EXPECT_TRUE(ini.sections().isEmpty());
    ini.writeBool("S", "k", true);
    EXPECT_THROW(ini.save("/nonexistent/dir/reader.ini"), VeskorError);
}

TEST(IniFile, KeysAboveTheFirstSectionBelongToNone)
{
    IniFile ini;
    ini.loadData("stray=1\n[A]\nk=v\n");
    EXPECT_EQ(ini.sections(), (QStringList { "A" }));
}

TEST(IniFile, Utf8TextsAreCutAtTheLastWholeCharacter)
{
    IniFile ini;
    // 2046 bytes of ASCII and a two-byte letter: the cut at 2047 splits the letter.
    ini.loadData("[S]\nsplit=" + QByteArray(2046, 'a') + "\xD0\x96"
        + "\nwhole=" + QByteArray(2045, 'a') + "\xD0\x96" + "tail\nthree=" + QByteArray(2045, 'a')
        + "\xE2\x82\xAC\n");
    EXPECT_EQ(ini.readUtf8("S", "split"), QString(2046, u'a'));
    EXPECT_EQ(ini.readUtf8("S", "whole"), QString(2045, u'a') + QString::fromUtf8("Ж"));
    EXPECT_EQ(ini.readUtf8("S", "three"), QString(2045, u'a'));
    EXPECT_EQ(ini.readBytes("S", "split").size(), 2047);
}

TEST(IniFile, AWrittenValueStaysOnOneLine)
{
    IniFile ini;
    ini.writeBytes("S", "k", "one\r\n[Other]\nkey=two");
    IniFile back;
    back.loadData(ini.data());
    EXPECT_EQ(back.sections(), (QStringList { "S" }));
    EXPECT_EQ(back.readBytes("S", "k"), "one  [Other] key=two");
}

TEST(IniFile, WrittenValuesKeepTheirOuterBlanksAndQuotes)
{
    IniFile ini;
    const QStringList values { QStringLiteral("  padded  "), QStringLiteral("\"quoted\""),
        QStringLiteral("'single'"), QStringLiteral("\t"), QStringLiteral("\"half"),
        QStringLiteral("in \"side\" x"), QString() };
    for (int i = 0; i < values.size(); ++i)
        ini.writeUtf8("S", QString::number(i), values[i]);
    IniFile back;
    back.loadData(ini.data());
    for (int i = 0; i < values.size(); ++i)
        EXPECT_EQ(back.readUtf8("S", QString::number(i)), values[i]) << i;
    // Values that read back as they are stay unquoted for other readers of the file.
    EXPECT_TRUE(ini.data().contains("5=in \"side\" x"));
    EXPECT_EQ(back.readRaw("S", "4"), QByteArray("\"half"));
}

TEST(IniFile, AnUnclosedSectionLineIsNoSection)
{
    IniFile ini;
    ini.loadData("[A]\nk=1\n[broken\nj=2\n  [\r\nlost]\nm=3\n[B]\nn=4\n");
    EXPECT_EQ(ini.sections(), (QStringList { "A", "B" }));
    EXPECT_EQ(ini.readRaw("A", "j"), QByteArray("2"));
    EXPECT_EQ(ini.readRaw("A", "m"), QByteArray("3"));
    IniFile back;
    back.loadData(ini.data());
    EXPECT_EQ(back.sections(), (QStringList { "A", "B" }));
}
