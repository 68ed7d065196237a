// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The table decoder must read every byte, and every string, as the code page's converter does.
#include "common/AnsiCodec.h"

#include <QStringDecoder>
#include <gtest/gtest.h>

TEST(AnsiCodec, DecodesAsTheConverterDoes)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    QStringDecoder decoder("windows-1251");
    const QString expected = decoder(all);
    ASSERT_EQ(expected.size(), 256);
    EXPECT_EQ(fromAnsi(all), expected);
    EXPECT_EQ(
        fromAnsi(QByteArray("\xCF\xF0\xE8\xE2\xE5\xF2, 1251!")), QStringLiteral("Привет, 1251!"));
    EXPECT_TRUE(fromAnsi(QByteArray()).isEmpty());
    EXPECT_EQ(toAnsi(fromAnsi(QByteArray("\xC0\xFF\x00z", 4))), QByteArray("\xC0\xFF\x00z", 4));
}
