// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "VehicleEdit.h"

#include "common/Texts.h"

namespace VehicleEdits {

namespace {

    void fillRecord(TAuto& record, const VehicleEdit& edit)
    {
        record.Name = edit.Name;
        record.Model = edit.Model;
        record.VIN = edit.VIN;
        record.Plate = edit.Plate;
        record.Comment = edit.Comment;
        bool ok = false;
        const int year = edit.YearText.trimmed().toInt(&ok, 10);
        record.Year = ok ? year : 0;
        record.CarProfile = edit.CarProfile;
    }

    void fillTexts(VehicleEntry& entry, const VehicleEdit& edit)
    {
        entry.Caption = edit.Name;
        entry.SubItems[VehicleEntry::Model] = edit.Model;
        entry.SubItems[VehicleEntry::Year] = edit.YearText;
        entry.SubItems[VehicleEntry::VIN] = edit.VIN;
        entry.SubItems[VehicleEntry::Plate] = edit.Plate;
        entry.SubItems[VehicleEntry::Comment] = edit.Comment;
    }

} // namespace

void apply(VehicleEntry& entry, const VehicleEdit& edit)
{
    fillTexts(entry, edit);
    if (!edit.CalIdEdit.isEmpty())
        entry.Record.CalID = edit.CalIdEdit;
    fillRecord(entry.Record, edit);
}

VehicleEntry newEntry(const VehicleEdit& edit)
{
    VehicleEntry entry;
    fillTexts(entry, edit);
    entry.SubItems[VehicleEntry::LastRead] = Texts::text(Texts::NoDiagnosis);
    fillRecord(entry.Record, edit);
    return entry;
}

} // namespace VehicleEdits
