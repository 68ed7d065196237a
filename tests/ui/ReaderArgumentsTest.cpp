// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "ui/model/ReaderArguments.h"

#include <gtest/gtest.h>

TEST(ReaderArguments, WindowOptionsInAnyOrderAndTheWrongOnesRefused)
{
    const auto all = parseWindowArguments({ "--measure", "m.txt", "--live", "--profile", "Main.ini",
        "--simulator", "--screenshots", "shots", "--debug", "--quit-when-shown" });
    ASSERT_TRUE(all);
    EXPECT_TRUE(all->Simulator && all->Live && all->QuitWhenShown && all->Debug);
    EXPECT_EQ(all->Screenshots, "shots");
    EXPECT_EQ(all->Profile, "Main.ini");
    EXPECT_EQ(all->MeasureFile, "m.txt");

    const auto none = parseWindowArguments({});
    ASSERT_TRUE(none);
    EXPECT_FALSE(none->Simulator || none->Live || none->QuitWhenShown || none->Debug);
    EXPECT_TRUE(none->Screenshots.isEmpty() && none->Profile.isEmpty());

    for (const QStringList& wrong : QList<QStringList> { { "--measure" }, { "--profile", "a.ini" },
             { "--simulator", "stray" }, { "--colour" }, { "--live", "--screenshots" } })
        EXPECT_FALSE(parseWindowArguments(wrong)) << qPrintable(wrong.join(' '));
}
