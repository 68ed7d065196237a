#include "RegisterImport.h"

#include "common/IniFile.h"
#include "common/TextFile.h"

#include <QFileInfo>

namespace {

// Lines lose characters at or below U+0020 at both ends (not other Unicode spaces).
QString trimBlanks(const QString& line)
{
    qsizetype start = 0;
    qsizetype end = line.size();
    while (start < end && line[start].unicode() <= 0x20)
        ++start;
    while (end > start && line[end - 1].unicode() <= 0x20)
        --end;
    return line.mid(start, end - start);
}

std::optional<int> wholeNumber(const QString& text)
{
    return parseIniInteger(text.toUtf8());
}

// The text lines of a vehicle, in order; the eighth is read and not used.
enum TextLine { tlName, tlModel, tlYear, tlVIN, tlPlate, tlLastRead, tlComment, tlUnused };

} // namespace

void importRegisterLines(VehicleRegister& vehicles, const QStringList& lines,
                         const DateTimeText& dates)
{
    const double loadTime = DateTimeText::now();
    VehicleEntry* vehicle = nullptr; // the vehicle that text lines fill, if any
    int textLine = 0;

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
        TAuto& record = vehicle->Record;
        switch (textLine++) {
        case tlName:
            vehicle->Caption = line;
            record.Name = line;
            break;
        case tlModel:
            vehicle->SubItems[VehicleEntry::Model] = line;
            record.Model = line;
            break;
        case tlYear:
            vehicle->SubItems[VehicleEntry::Year] = line;
            record.Year = wholeNumber(line).value_or(0);
            break;
        case tlVIN:
            vehicle->SubItems[VehicleEntry::VIN] = line;
            record.VIN = line;
            break;
        case tlPlate:
            vehicle->SubItems[VehicleEntry::Plate] = line;
            record.Plate = line;
            break;
        case tlLastRead:
            vehicle->SubItems[VehicleEntry::LastRead] = line;
            record.LastRead = dates.parse(line).value_or(loadTime);
            break;
        case tlComment:
            vehicle->SubItems[VehicleEntry::Comment] = line;
            record.Comment = line;
            break;
        case tlUnused:
            break;
        default:
            vehicle = nullptr; // a ninth text line closes the vehicle
            break;
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
