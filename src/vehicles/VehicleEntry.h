// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// One entry of the vehicles list: its caption, its six display texts and its register
// record. The texts shown may differ from the record (a new vehicle shows "---" as its
// diagnosis date), so both are kept.
#pragma once

#include "TAuto.h"

#include <QString>
#include <array>

class DateTimeText;

struct VehicleEntry {
    // The display texts, in the order of the list's columns after the name.
    enum SubItem { Model, Year, VIN, Plate, LastRead, Comment };
    static constexpr int SubItemCount = 6;

    QString Caption;
    std::array<QString, SubItemCount> SubItems;
    TAuto Record;

    // An entry showing a record as the register's loader does: the name as caption, the
    // year as decimal text and the date in the system's formats.
    static VehicleEntry fromRecord(const TAuto& record, const DateTimeText& dates);
};

// The record's date of the last diagnosis as autos.ini holds it: LastReadKept while the
// record keeps it (a date as found in the file that could not be read), else LastRead in
// the formats, in the ANSI code page. lastReadText() is the same as text to show.
QByteArray lastReadBytes(const TAuto& record, const DateTimeText& dates);
QString lastReadText(const TAuto& record, const DateTimeText& dates);
