// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The fault codes page's data without widgets: the list's entries (a header naming the
// current vehicle, then the codes), its text for the clipboard and its HTML report.
#pragma once

#include "link/FaultCodeList.h"
#include "vehicles/FaultCodes.h"
#include "vehicles/VehicleRegister.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

class QPagedPaintDevice;

// The vehicle as the fault page shows it: the list entry's display texts.
struct SheetVehicle {
    QString Name, Date, Plate, Model, Year, VIN, Notes;
};

// What a report tells beyond the vehicle and its codes, each value for a placeholder of
// its own; a value in several lines keeps its lines.
struct SheetReport {
    QString Workshop; // %WORKSHOP%
    QString Contacts; // %CONTACTS%
    QString CalID; // %CALID%: the ECU's calibration code
    QString Ecu; // %ECU%: the calibration database's record of the code
    QString Firmware; // %FIRMWARE%: the module's version
    QString History; // %HISTORY%: the car's earlier visits
};

namespace FaultSheet {

// Header entry (the current vehicle's index, "-1" for none) and the codes of the slots.
QStringList entries(int currentVehicle, const FaultCodeList::SlotReader& slot);

// The vehicle the header entry names, or nothing when it names no entry of the register.
std::optional<SheetVehicle> vehicleOf(const QStringList& entries, const VehicleRegister& vehicles);
// The entry's display texts, kept with a result read for it.
SheetVehicle sheetVehicle(const VehicleEntry& entry);
// The texts in the order of SheetVehicle's fields, and back (nothing for another count).
QStringList fields(const SheetVehicle& vehicle);
std::optional<SheetVehicle> fromFields(const QStringList& fields);

// The clipboard text: the vehicle block (left out when the header names no vehicle), then
// one block per code with the entry as listed ("023").
QString copyText(const QStringList& entries, const std::optional<SheetVehicle>& vehicle,
    const FaultCodeDictionary& codes, bool english);

// A folder name for a vehicle that stays inside its parent folder: characters that file
// systems refuse become "_", and so do trailing dots and blanks and a name of only those.
// A name longer than a file system takes (255 bytes of UTF-8) is cut at a character.
QString folderName(const QString& vehicleName);
// "05.03.2012 14 07 33.htm".
QString reportFileName(const QDateTime& time);

// The report from the template's lines: head and tail get the vehicle's values and the
// report's, the block between %BEGIN% and %END% is repeated per code. Every value is
// HTML-escaped and put in once (a value is never searched for placeholders). A template
// that names none of the report's placeholders reads as it did before they existed.
// Throws VeskorError when the template has no %BEGIN% … %END% block.
QString reportHtml(const QStringList& templateLines, const QStringList& entries,
    const SheetVehicle& vehicle, const FaultCodeDictionary& codes, bool english,
    const SheetReport& report = {}, const QString& templateName = QStringLiteral("report.htm"));

// The report's bytes: UTF-16 little-endian with a byte order mark, lines ending in CR LF.
QByteArray reportBytes(const QString& html);

// The report laid out on the device's pages: a printer, or a PDF.
void printReport(const QString& html, QPagedPaintDevice& device);
// The report as a PDF document on A4 pages.
QByteArray reportPdf(const QString& html);

} // namespace FaultSheet
