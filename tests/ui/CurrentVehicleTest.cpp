// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The vehicle that a reported calibration code makes current, the dialog's edits and the
// date stamp of a finished fault exchange.
#include "ui/model/CurrentVehicle.h"

#include "common/Texts.h"
#include "ui/model/VehicleEdit.h"
#include "vehicles/DateTimeText.h"

#include <gtest/gtest.h>

namespace {

VehicleRegister withCodes(std::initializer_list<const char*> codes)
{
    VehicleRegister r;
    for (const char* code : codes) {
        VehicleEntry e;
        e.Record.CalID = code;
        r.append(e);
    }
    return r;
}

} // namespace

TEST(MatchCalibration, FirstVehicleWithTheCodeBecomesCurrent)
{
    const VehicleRegister r = withCodes({ "1A2B", "4BAA", "4BAA" });
    const CalibrationMatch m = CurrentVehicle::matchCalibration(r, 0, "4BAA");
    EXPECT_EQ(m.Result, CalibrationMatch::Select);
    EXPECT_EQ(m.Row, 1);
    // Already current: nothing to do, even if an earlier one had it too.
    EXPECT_EQ(CurrentVehicle::matchCalibration(r, 2, "4BAA").Result, CalibrationMatch::Keep);
}

// A code no vehicle carries is a car new to the register, unless the current vehicle has
// no code yet: that one takes it. The comparison is exact: lower case doesn't match.
TEST(MatchCalibration, WithoutACurrentVehicleOrAMatch)
{
    struct Case {
        const char* name;
        int current;
        CalibrationMatch::Action result;
        int row;
    };
    const VehicleRegister r = withCodes({ "1A2B", "", "4baa" });
    for (const Case& c : {
             Case { "none current", -1, CalibrationMatch::NewVehicle, -1 },
             Case { "current beyond the list", 3, CalibrationMatch::NewVehicle, -1 },
             Case { "current has another code", 0, CalibrationMatch::NewVehicle, 0 },
             Case { "current without a code", 1, CalibrationMatch::Adopt, 1 },
             Case { "current has it in lower case", 2, CalibrationMatch::NewVehicle, 2 },
         }) {
        const CalibrationMatch m = CurrentVehicle::matchCalibration(r, c.current, "4BAA");
        EXPECT_EQ(m.Result, c.result) << c.name;
        EXPECT_EQ(m.Row, c.row) << c.name;
    }
    // With none current the user chose no vehicle: a car of the register leaves it so.
    EXPECT_EQ(CurrentVehicle::matchCalibration(r, -1, "1A2B").Result, CalibrationMatch::Keep);
}

TEST(VehicleEdits, NewAndEditedEntries)
{
    VehicleEdit edit { "Мой Ford", "Escort", "19x5", "VIN", "A1", "заметка", "ABCD", 2 };
    VehicleEntry added = VehicleEdits::newEntry(edit);
    EXPECT_EQ(added.Caption, "Мой Ford");
    EXPECT_EQ(added.SubItems[VehicleEntry::LastRead], Texts::text(Texts::NoDiagnosis));
    EXPECT_EQ(added.SubItems[VehicleEntry::Year], "19x5");
    EXPECT_EQ(added.Record.Year, 0);
    EXPECT_EQ(added.Record.CalID, ""); // a new record starts empty
    EXPECT_EQ(added.Record.LastRead, 0);
    EXPECT_EQ(added.Record.CarProfile, 2);

    added.Record.CalID = "4BAA";
    added.SubItems[VehicleEntry::LastRead] = "01.01.2020";
    edit.YearText = "1996";
    edit.CalIdEdit.clear();
    edit.CarProfile = -1;
    VehicleEdits::apply(added, edit);
    EXPECT_EQ(added.Record.CalID, "4BAA"); // an empty field keeps the code
    EXPECT_EQ(added.Record.Year, 1996);
    EXPECT_EQ(added.Record.CarProfile, -1);
    EXPECT_EQ(added.SubItems[VehicleEntry::LastRead], "01.01.2020");
    edit.CalIdEdit = "1a2B";
    VehicleEdits::apply(added, edit);
    EXPECT_EQ(added.Record.CalID, "1a2B");
}

TEST(CurrentVehicle, DiagnosisStampReachesTheRecord)
{
    VehicleEntry e;
    const QDateTime when(QDate(2026, 3, 5), QTime(14, 7));
    CurrentVehicle::stampDiagnosis(e, when);
    EXPECT_EQ(e.SubItems[VehicleEntry::LastRead], CurrentVehicle::diagnosisText(when));
    EXPECT_EQ(DateTimeText::datePart(e.Record.LastRead), QDate(2026, 3, 5));
    EXPECT_EQ(DateTimeText::timePart(e.Record.LastRead), QTime(14, 7));
    EXPECT_TRUE(CurrentVehicle::diagnosisText(when).startsWith("05 "));
    EXPECT_TRUE(CurrentVehicle::diagnosisText(when).endsWith(" 2026 14:07"));
    // The month in the window's language, whatever the system's.
    EXPECT_EQ(CurrentVehicle::diagnosisText(when), "05 мар. 2026 14:07");
}
