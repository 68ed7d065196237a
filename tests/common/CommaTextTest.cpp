// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "common/CommaText.h"

#include <gtest/gtest.h>

TEST(CommaText, BlanksAndCommasSeparateFields)
{
    EXPECT_EQ(splitCommaText(u"  a b,c ,  d\t,e  "), (QStringList { "a", "b", "c", "d", "e" }));
    EXPECT_EQ(splitCommaText(u"a,,b"), (QStringList { "a", "", "b" }));
    EXPECT_EQ(splitCommaText(u"a , , b"), (QStringList { "a", "", "b" }));
    EXPECT_EQ(splitCommaText(u",a"), (QStringList { "", "a" }));
    // A comma that ends the line adds an empty field; blanks after it don't.
    EXPECT_EQ(splitCommaText(u"a,b,"), (QStringList { "a", "b", "" }));
    EXPECT_EQ(splitCommaText(u"a,b, "), (QStringList { "a", "b" }));
    EXPECT_TRUE(splitCommaText(u"   ").isEmpty());
}

TEST(CommaText, QuotedFieldsKeepBlanksCommasAndDoubledQuotes)
{
    EXPECT_EQ(splitCommaText(u"1,\"Ford Sierra, 2.0\" ,x"),
        (QStringList { "1", "Ford Sierra, 2.0", "x" }));
    EXPECT_EQ(splitCommaText(u"\"say \"\"hi\"\"\",\"\""), (QStringList { "say \"hi\"", "" }));
    EXPECT_EQ(
        splitCommaText(u"\"open to the end, here"), (QStringList { "open to the end, here" }));
    EXPECT_EQ(splitCommaText(u"a\"b c"), (QStringList { "a\"b", "c" }));
    // A NUL ends the line.
    EXPECT_EQ(splitCommaText(QStringView(u"a,b\0c,d", 7)), (QStringList { "a", "b" }));
}
