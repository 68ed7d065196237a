#include "VehicleEntry.h"

#include "DateTimeText.h"

VehicleEntry VehicleEntry::fromRecord(const TAuto& record, const DateTimeText& dates)
{
    VehicleEntry entry;
    entry.Record = record;
    entry.Caption = record.Name;
    entry.SubItems[Model] = record.Model;
    entry.SubItems[Year] = QString::number(record.Year);
    entry.SubItems[VIN] = record.VIN;
    entry.SubItems[Plate] = record.Plate;
    entry.SubItems[LastRead] = dates.format(record.LastRead);
    entry.SubItems[Comment] = record.Comment;
    return entry;
}
