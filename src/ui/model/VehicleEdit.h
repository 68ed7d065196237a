// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// What the vehicle dialog hands back, and how it changes a list entry or makes a new one.
#pragma once

#include "vehicles/VehicleEntry.h"

#include <QString>

struct VehicleEdit {
    QString Name, Model, YearText, VIN, Plate, Comment;
    QString CalIdEdit; // empty keeps the stored code
    int CarProfile = -1;
};

namespace VehicleEdits {

// An edited entry: caption and display texts (the diagnosis date stays), the record's
// fields; the code only when one was typed.
void apply(VehicleEntry& entry, const VehicleEdit& edit);
// A new entry: "---" as its diagnosis date and an empty record filled from the dialog.
VehicleEntry newEntry(const VehicleEdit& edit);

} // namespace VehicleEdits
