// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "profiles/ProfileFile.h"

#include <gtest/gtest.h>

namespace {

QStringList keys(const TProfileSection* section)
{
    QStringList all;
    if (section)
        for (const TProfileLine& line : section->lines)
            all.append(QString::fromLatin1(line.key)
                + (line.hasEquals ? "=" + QString::fromLatin1(line.value) : ""));
    return all;
}

} // namespace

TEST(ProfileFile, TrimsLinesAndSkipsCommentsEmptyLinesAndTheTopOfTheFile)
{
    TProfileFile file;
    file.parse("Name=before any section\r\n"
               "  [ Main ]  \r\n"
               "\t Name  =  Dash \t\r\n"
               "; a comment\n"
               "   ;another\n"
               "\n"
               "Table=T=X\r"
               "no equals sign\n"
               "=empty key\n");
    EXPECT_EQ(keys(file.section("main")),
        (QStringList { "Name=Dash", "Table=T=X", "no equals sign", "=empty key" }));
    EXPECT_EQ(file.value("MAIN", "name"), QByteArray("Dash"));
    EXPECT_EQ(file.value("Main", "Table"), QByteArray("T=X"));
    EXPECT_FALSE(file.value("Main", "no equals sign"));
    EXPECT_FALSE(file.value("Main", "Missing"));
}

TEST(ProfileFile, FirstSectionOfANameWinsAndAnEmptySectionIsMissing)
{
    TProfileFile file;
    file.parse(
        "[A]\nk=1\nk=2\n[a]\nk=3\n[Empty]\n; only a comment\n[Empty]\nk=4\n[B\nx=1\n[]\ny=2\n");
    EXPECT_EQ(keys(file.section("A")), (QStringList { "k=1", "k=2" }));
    EXPECT_EQ(file.value("A", "K"), QByteArray("1"));
    EXPECT_EQ(file.section("Empty"), nullptr);
    // "[B" opens nothing: the line stays in the section before it.
    EXPECT_EQ(keys(file.section("")), (QStringList { "y=2" }));
}

TEST(ProfileFile, OverlongLinesAreLeftOutAndCounted)
{
    TProfileFile file;
    QByteArray text = "[Main]\nName=x\nCaption=";
    text += QByteArray(10 * 1024 * 1024, 'y');
    text += "\nTable=T\n";
    file.parse(text);
    EXPECT_EQ(file.overlongLines(), 1);
    EXPECT_EQ(keys(file.section("Main")), (QStringList { "Name=x", "Table=T" }));
}

TEST(ProfileFile, MissingFileCannotBeLoaded)
{
    TProfileFile file;
    EXPECT_FALSE(file.load("/nonexistent/dir/profile.ini"));
    EXPECT_EQ(file.section("Main"), nullptr);
}
