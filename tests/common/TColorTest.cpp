// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "common/TColor.h"

#include "common/TFont.h"

#include <QMetaProperty>
#include <gtest/gtest.h>

TEST(TColor, IdentifiersAndNumbersAreReadAndWritten)
{
    EXPECT_EQ(TColor::fromText("clRed"), clRed);
    EXPECT_EQ(TColor::fromText("CLRED"), clRed);
    EXPECT_EQ(TColor::fromText("$0000FF"), clRed);
    EXPECT_EQ(TColor::fromText("0xFF"), clRed);
    EXPECT_EQ(TColor::fromText("255"), clRed);
    EXPECT_EQ(TColor::fromText("clBtnFace"), clBtnFace);
    EXPECT_EQ(TColor::fromText("$FF00000F"), clBtnFace);
    EXPECT_EQ(TColor::fromText("-16777201"), clBtnFace);
    EXPECT_EQ(TColor::fromText("clNone"), clNone);
    EXPECT_EQ(TColor::fromText("clMenuBar"), systemColor(30));
    EXPECT_FALSE(TColor::fromText("black"));
    EXPECT_FALSE(TColor::fromText(""));
    EXPECT_FALSE(TColor::fromText("$"));
    EXPECT_FALSE(TColor::fromText("4294967295")); // decimal must fit a signed 32-bit number

    EXPECT_EQ(clBtnFace.toText(), "clBtnFace");
    EXPECT_EQ(clMoneyGreen.toText(), "clMoneyGreen");
    EXPECT_EQ(clDefault.toText(), "clDefault");
    EXPECT_EQ(TColor(0x123456).toText(), "$00123456");
    EXPECT_EQ(systemColor(25).toText(), "$FF000019");
    for (const char* name :
        { "clBlack", "clSkyBlue", "clCream", "clMedGray", "cl3DDkShadow", "clHotLight" })
        EXPECT_EQ(TColor::fromText(name)->toText(), name);
}

TEST(TColor, RgbIsRedInTheLowestByte)
{
    EXPECT_EQ(TColor(0x00FF8040).toQColor(), QColor(0x40, 0x80, 0xFF));
    EXPECT_EQ(clGray.toQColor(), QColor(128, 128, 128));
    EXPECT_EQ(TColor::fromRgb(1, 2, 3), TColor(0x030201));
    EXPECT_EQ(clNone.toQColor().alpha(), 0);
    EXPECT_FALSE(clDefault.toQColor().isValid());
    EXPECT_EQ(clDefault.toQColor(Qt::green), QColor(Qt::green));
    EXPECT_EQ(clRed.toQColor(Qt::green), QColor(Qt::red));
}

TEST(TFont, SizeAndHeightFollowEachOtherAt96Dpi)
{
    TFont font;
    font.setSize(9);
    EXPECT_EQ(font.Height(), -12);
    font.setHeight(-16);
    EXPECT_EQ(font.Size(), 12);
    EXPECT_EQ(font.toQFont(2).pixelSize(), 32);
    font.setSize(2000000000);
    EXPECT_GT(font.toQFont(7).pixelSize(), 0);
    font.setSize(-2000000000);
    EXPECT_GT(font.toQFont(7).pixelSize(), 0);
    font.setSize(0);
    EXPECT_EQ(font.toQFont(2).pixelSize(), 1);
}

TEST(TFont, ChangesAreSignalledAndAssignCopiesEverything)
{
    TFont a, b;
    int changes = 0;
    QObject::connect(&b, &TFont::changed, [&] { ++changes; });
    a.setName("DejaVu Serif");
    a.setSize(14);
    a.setColor(clRed);
    a.setStyle(TFont::fsBold | TFont::fsItalic);
    b.assign(a);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(b.sameAs(a));
    b.assign(a);
    EXPECT_EQ(changes, 1);
    b.setColor(clRed);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(b.toQFont().bold());
    EXPECT_TRUE(b.toQFont().italic());
}

TEST(TFont, PublishesColourAndStyleAsTheirOwnKinds)
{
    TFont font;
    const QMetaObject* meta = font.metaObject();
    const QMetaProperty color = meta->property(meta->indexOfProperty("Color"));
    EXPECT_EQ(color.metaType(), QMetaType::fromType<TColor>());
    const QMetaProperty style = meta->property(meta->indexOfProperty("Style"));
    EXPECT_TRUE(style.isFlagType());
    EXPECT_EQ(style.enumerator().keyToValue("fsUnderline"), TFont::fsUnderline);
    EXPECT_TRUE(font.setProperty("Color", QVariant::fromValue(clLime)));
    EXPECT_EQ(font.Color(), clLime);
    EXPECT_TRUE(font.setProperty("Style", int(TFont::fsStrikeOut)));
    EXPECT_EQ(font.Style(), TFont::fsStrikeOut);
}
