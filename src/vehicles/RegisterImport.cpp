// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "RegisterImport.h"

#include "common/IntegerText.h"
#include "common/TextFile.h"

#include <QFileInfo>

namespace {

std::optional<int> wholeNumber(const QString& text)
{
    return parseInteger(text);
}

// The text lines of a vehicle, in order: the name, then the six display texts; the
// eighth is read and not used.
enum TextLine { tlName, tlFirstSubItem, tlUnused = tlFirstSubItem + VehicleEntry::SubItemCount };

// The record takes each display text: the year as a number, the date as a date.
void fillRecord(TAuto& record, VehicleEntry::SubItem item, const QString& line,
    const DateTimeText& dates, double loadTime)
{
    switch (item) {
    case VehicleEntry::Model:
        record.Model = line;
        break;
    case VehicleEntry::Year:
        record.Year = wholeNumber(line).value_or(0);
        break;
    case VehicleEntry::VIN:
        record.VIN = line;
        break;
    case VehicleEntry::Plate:
        record.Plate = line;
        break;
    case VehicleEntry::LastRead:
        record.LastRead = dates.parse(line).value_or(loadTime);
        break;
    case VehicleEntry::Comment:
        record.Comment = line;
        break;
    }
}

} // namespace

void importRegisterLines(
    VehicleRegister& vehicles, const QStringList& lines, const DateTimeText& dates)
{
    const double loadTime = DateTimeText::now();
    VehicleEntry* vehicle = nullptr; // the vehicle that text lines fill, if any
    int textLine = tlName;

    for (const QString& raw : lines) {
        const QString line = trimBlanks(raw);
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (const auto number = wholeNumber(line); number && *number < 1000) {
            vehicles.append(VehicleEntry());
            vehicle = *number > 0 ? &vehicles.at(vehicles.size() - 1) : nullptr;
            textLine = tlName;
            continue;
        }
        if (!vehicle)
            continue;
        const int index = textLine++;
        if (index == tlName) {
            vehicle->Caption = line;
            vehicle->Record.Name = line;
        } else if (index < tlUnused) {
            const auto item = static_cast<VehicleEntry::SubItem>(index - tlFirstSubItem);
            vehicle->SubItems[item] = line;
            fillRecord(vehicle->Record, item, line, dates, loadTime);
        } else if (index > tlUnused) {
            vehicle = nullptr; // a ninth text line closes the vehicle
        }
    }
}

bool ImportRegister(VehicleRegister& vehicles, const QString& path, const DateTimeText& dates)
{
    if (!QFileInfo::exists(path))
        return false;
    importRegisterLines(vehicles, readTextFile(path), dates);
    return true;
}
