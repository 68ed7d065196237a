// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "vehicles/RegisterImport.h"

#include "common/AnsiCodec.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

const DateTimeText Dates(QLocale(QLocale::Russian, QLocale::Russia));

QString u8(const char* s)
{
    return QString::fromUtf8(s);
}

VehicleRegister imported(const QStringList& lines)
{
    VehicleRegister r;
    importRegisterLines(r, lines, Dates);
    return r;
}

} // namespace

TEST(RegisterImport, NumberLineThenSevenTextLinesMakeAVehicle)
{
    const VehicleRegister r = imported({
        "; old register",
        "text before any vehicle",
        "1",
        u8("  Мой Ford  "),
        "",
        "Escort",
        "1995",
        "WF0AXXGCAALA12345",
        u8("А123ВС"),
        "05.03.2024 14:07:09",
        u8("замена ремня"),
        "eighth line, not used",
        "ninth line, ignored",
        "tenth line, ignored",
    });
    ASSERT_EQ(r.size(), 1);
    const VehicleEntry& v = r.at(0);
    EXPECT_EQ(v.Caption, u8("Мой Ford"));
    EXPECT_EQ(v.SubItems,
        (std::array<QString, 6> { "Escort", "1995", "WF0AXXGCAALA12345", u8("А123ВС"),
            "05.03.2024 14:07:09", u8("замена ремня") }));
    EXPECT_EQ(v.Record.Name, u8("Мой Ford"));
    EXPECT_EQ(v.Record.Model, "Escort");
    EXPECT_EQ(v.Record.Year, 1995);
    EXPECT_EQ(v.Record.VIN, "WF0AXXGCAALA12345");
    EXPECT_EQ(v.Record.Plate, u8("А123ВС"));
    EXPECT_EQ(v.Record.LastRead, DateTimeText::fromDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)));
    EXPECT_EQ(v.Record.Comment, u8("замена ремня"));
    EXPECT_TRUE(v.Record.CalID.isEmpty());
    EXPECT_EQ(v.Record.CarProfile, 0);
}

TEST(RegisterImport, ANumberLineOfZeroOrBelowAddsAnEmptyVehicle)
{
    const VehicleRegister r = imported({ "0", "ignored name", "ignored model", "-5", "ignored",
        "999", "Third", "$10", "Fourth", "1000" });
    ASSERT_EQ(r.size(), 4);
    for (int i : { 0, 1 }) {
        EXPECT_TRUE(r.at(i).Caption.isEmpty());
        EXPECT_TRUE(r.at(i).Record.Name.isEmpty());
        EXPECT_EQ(r.at(i).Record.LastRead, 0.0);
        for (const QString& text : r.at(i).SubItems)
            EXPECT_TRUE(text.isEmpty());
    }
    EXPECT_EQ(r.at(2).Caption, "Third");
    EXPECT_EQ(r.at(3).Caption, "Fourth");
    // 1000 is no number line: it is Fourth's model.
    EXPECT_EQ(r.at(3).Record.Model, "1000");
}

TEST(RegisterImport, UnreadableYearAndDateTakeTheirDefaults)
{
    const double before = DateTimeText::now();
    const VehicleRegister r = imported({ "1", "Car", "Model", "nineteen", "VIN", "Plate", "---" });
    ASSERT_EQ(r.size(), 1);
    EXPECT_EQ(r.at(0).Record.Year, 0);
    EXPECT_EQ(r.at(0).SubItems[VehicleEntry::Year], "nineteen");
    EXPECT_EQ(r.at(0).SubItems[VehicleEntry::LastRead], "---");
    EXPECT_GE(r.at(0).Record.LastRead, before - 1e-6);
}

TEST(RegisterImport, TheFileIsReadByTheTextFileRule)
{
    TempDir dir;
    VehicleRegister r;
    EXPECT_FALSE(ImportRegister(r, dir.file("autos.txt"), Dates));
    EXPECT_TRUE(r.isEmpty());

    dir.write("autos.txt", "1\r\n" + toAnsi(u8("Мой Ford")) + "\r\nEscort\r\n");
    EXPECT_TRUE(ImportRegister(r, dir.file("autos.txt"), Dates));
    ASSERT_EQ(r.size(), 1);
    EXPECT_EQ(r.at(0).Caption, u8("Мой Ford"));
    EXPECT_EQ(r.at(0).Record.Model, "Escort");
}
