// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "ProfileTestSupport.h"
#include "profiles/ProfileClasses.h"
#include "profiles/TProfileList.h"
#include "store/TFordData.h"
#include "support/TempDir.h"
#include "widgets/TFordPanel.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {

struct Folder {
    TempDir dir;
    QWidget window;
    TFordPanel* panel = new TFordPanel(&window);
    TFordData store;
    Folder()
    {
        registerProfileClasses();
        dir.write("Engine.ini",
            "[Main]\nName=Двигатель\nBackgroundColor=clBlack\n[Gauges]\nx=TLabel\n[x]\nVisible="
            "True\n");
        // Found whatever the case of ".ini".
        dir.write("Flags.INI",
            "[Main]\nName=Флаги\nBackgroundColor=clNavy\n[Gauges]\ny=TLabel\n[y]\nVisible=True\n");
        dir.write("notes.txt", "[Main]\nName=not a profile\n");
    }
};

} // namespace

TEST(ProfileList, SavedNameMustMatchExactlyToBeShownAtStart)
{
    Folder f;
    TProfileList list(&f.window);
    EXPECT_EQ(list.load(f.dir.path(), f.panel, &f.store, "engine.ini"), 2);
    EXPECT_EQ(list.selectedIndex(), -1);
    EXPECT_TRUE(list.at(0)->Widgets().isEmpty());
    EXPECT_TRUE(list.at(1)->Widgets().isEmpty());
    QStringList names = list.names();
    names.sort();
    EXPECT_EQ(names, (QStringList { "Двигатель", "Флаги" }));

    EXPECT_EQ(list.load(f.dir.path(), f.panel, &f.store, "Engine.ini"), 2);
    ASSERT_NE(list.selected(), nullptr);
    EXPECT_EQ(list.selected()->ProfileName(), "Двигатель");
    EXPECT_EQ(list.selectedFileName(), "Engine.ini");
    EXPECT_EQ(f.panel->Color(), clBlack);
}

TEST(ProfileList, PickingShowsOneAndHidesTheOthers)
{
    Folder f;
    TProfileList list(&f.window);
    list.load(f.dir.path(), f.panel, &f.store, QString());
    const int flags = list.names().indexOf("Флаги");
    const int engine = 1 - flags;
    list.select(flags);
    list.select(engine);
    EXPECT_EQ(list.selectedIndex(), engine);
    EXPECT_EQ(list.at(engine)->Widgets()[0]->parent(), f.panel);
    EXPECT_EQ(list.at(flags)->Widgets()[0]->parent(), nullptr);
    // Picking the shown one again keeps its widgets where they are.
    QObject* widget = list.at(engine)->Widgets()[0];
    list.select(engine);
    EXPECT_EQ(list.at(engine)->Widgets()[0], widget);
    EXPECT_EQ(widget->parent(), f.panel);
}

TEST(ProfileList, EmptyFolderGivesNoProfiles)
{
    TempDir empty;
    TFordPanel panel;
    TProfileList list;
    EXPECT_EQ(list.load(empty.path(), &panel, nullptr, "x.ini"), 0);
    EXPECT_EQ(list.selected(), nullptr);
    EXPECT_EQ(list.selectedFileName(), "");
    list.select(0);
    EXPECT_EQ(list.selectedIndex(), -1);
}
