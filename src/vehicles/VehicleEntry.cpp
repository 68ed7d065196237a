// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "VehicleEntry.h"

#include "DateTimeText.h"
#include "common/AnsiCodec.h"

VehicleEntry VehicleEntry::fromRecord(const TAuto& record, const DateTimeText& dates)
{
    VehicleEntry entry;
    entry.Record = record;
    entry.Caption = record.Name;
    entry.SubItems[Model] = record.Model;
    entry.SubItems[Year] = QString::number(record.Year);
    entry.SubItems[VIN] = record.VIN;
    entry.SubItems[Plate] = record.Plate;
    entry.SubItems[LastRead] = lastReadText(record, dates);
    entry.SubItems[Comment] = record.Comment;
    return entry;
}

QByteArray lastReadBytes(const TAuto& record, const DateTimeText& dates)
{
    if (record.LastRead == 0 && !record.LastReadKept.isEmpty())
        return record.LastReadKept;
    return toAnsi(dates.format(record.LastRead));
}

QString lastReadText(const TAuto& record, const DateTimeText& dates)
{
    return fromAnsi(lastReadBytes(record, dates));
}
