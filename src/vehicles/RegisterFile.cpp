// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "RegisterFile.h"

#include "FileLink.h"
#include "IniContent.h"
#include "common/AnsiCodec.h"
#include "common/AtomicFile.h"
#include "common/Errors.h"
#include "common/IniFile.h"
#include "common/SystemError.h"
#include "common/Texts.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace {

const char* const KnownKeys[]
    = { "Name", "Model", "Year", "VIN", "Plate", "LastRead", "Comment", "CarProfile", "CalID" };

bool isKnownKey(QByteArrayView key)
{
    for (const char* known : KnownKeys) {
        if (key.compare(known, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// The lines of autos.ini that the program doesn't read: those above the first section,
// and per section (named in lower case, as the INI reader merges sections of the same
// name regardless of case) every line but the known keys and blank lines.
struct UnknownLines {
    QByteArrayList preamble;
    QHash<QByteArray, QByteArrayList> sections;
};

UnknownLines unknownLines(const QByteArray& data)
{
    UnknownLines result;
    QByteArrayList* current = &result.preamble;
    visitIniLines(data, [&](QByteArrayView line) {
        const QByteArrayView trimmed = line.trimmed();
        if (const auto section = iniSectionName(trimmed))
            current = &result.sections[section->toLower()];
        else if (!trimmed.isEmpty() && !isKnownKey(iniKeyName(trimmed)))
            current->append(line.toByteArray());
        return true;
    });
    return result;
}

// The reason the register's file can't be read, or an empty text when it can (or when
// it doesn't exist).
QString unreadableReason(const QString& path, QByteArray* data = nullptr)
{
    const QString link = brokenLinkReason(path);
    if (!link.isEmpty())
        return link;
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        return fileErrorText(file);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fileErrorText(file);
    if (data)
        *data = bytes;
    return iniContentProblem(bytes);
}

TAuto readVehicle(
    const IniFile& ini, const QString& section, const DateTimeText& dates, double loadTime)
{
    TAuto a;
    // What the user typed is read whole: a long note must not lose its end at the next start.
    a.Name = ini.readUtf8Whole(section, QStringLiteral("Name"));
    a.Model = ini.readUtf8Whole(section, QStringLiteral("Model"));
    a.Year = ini.readInteger(section, QStringLiteral("Year"), 0);
    a.VIN = ini.readUtf8Whole(section, QStringLiteral("VIN"));
    a.Plate = ini.readUtf8Whole(section, QStringLiteral("Plate"));
    const QString lastRead = ini.readAnsi(section, QStringLiteral("LastRead"));
    if (const auto date = dates.parse(lastRead))
        a.LastRead = *date;
    else if (lastRead.trimmed().isEmpty())
        a.LastRead = loadTime; // no date at all: the time of loading, as ever
    else
        a.LastReadKept
            = ini.readRaw(section, QStringLiteral("LastRead")).value_or(QByteArray()); // as written
    a.Comment = ini.readUtf8Whole(section, QStringLiteral("Comment"));
    a.CarProfile = ini.readInteger(section, QStringLiteral("CarProfile"), 0);
    a.CalID = ini.readAnsi(section, QStringLiteral("CalID"));
    return a;
}

QByteArray joinedLines(const QByteArrayList& lines)
{
    QByteArray text;
    for (const QByteArray& line : lines)
        text += line + '\n';
    return text;
}

// The lines above the first section as they can be written without a section below
// them: text that is no comment would make the file unreadable then, so it becomes one.
QByteArrayList preambleWithoutSections(const QByteArrayList& lines)
{
    QByteArrayList result;
    for (const QByteArray& line : lines)
        result.append(isIniBlankOrComment(line.trimmed()) ? line : "; " + line);
    return result;
}

QString freeAsideName(const QString& path)
{
    QString aside = path + QStringLiteral(".unreadable");
    for (int n = 2; QFileInfo::exists(aside) || QFileInfo(aside).isSymLink(); ++n)
        aside = path + QStringLiteral(".unreadable") + QString::number(n);
    return aside;
}

// Keeps a register file that was never read from being replaced; returns the log message.
QString keepUnreadableFile(const VehicleRegister& vehicles, const QString& path)
{
    QString reason = unreadableReason(path);
    const bool present = QFileInfo::exists(path) || QFileInfo(path).isSymLink();
    if (!present || (reason.isEmpty() && !vehicles.fileUnreadable()))
        return {};
    if (reason.isEmpty())
        reason = Texts::text(Texts::RegisterNotLoaded);
    if (vehicles.isEmpty())
        throw VeskorError(Texts::text(Texts::RegisterNotOverwritten).arg(path, reason));
    const QString aside = freeAsideName(path);
    if (!QFile::rename(path, aside))
        throw VeskorError(Texts::text(Texts::RegisterNotMovedAside).arg(path, aside));
    return Texts::text(Texts::RegisterMovedAside).arg(path, aside);
}

} // namespace

bool LoadRegister(VehicleRegister& vehicles, const QString& path, const DateTimeText& dates)
{
    QByteArray data;
    const QString reason = unreadableReason(path, &data);
    if (!reason.isEmpty()) {
        vehicles.setFileUnreadable(true);
        throw VeskorError(Texts::text(Texts::RegisterReadError).arg(path, reason));
    }
    if (!QFileInfo::exists(path))
        return false;

    IniFile ini;
    ini.loadData(data);
    const UnknownLines unknown = unknownLines(data);
    vehicles.setPreamble(unknown.preamble);
    const double loadTime = DateTimeText::now();
    const QStringList sections = ini.sections();
    vehicles.reserve(vehicles.size() + sections.size());
    for (const QString& section : sections) {
        TAuto a = readVehicle(ini, section, dates, loadTime);
        a.KeptLines = unknown.sections.value(section.toUtf8().toLower());
        vehicles.append(VehicleEntry::fromRecord(a, dates));
    }
    return true;
}

QString SaveRegister(
    const VehicleRegister& vehicles, const QString& path, const DateTimeText& dates)
{
    const QString message = keepUnreadableFile(vehicles, path);
    // A fresh file rather than the old one edited: it then holds exactly the vehicles of
    // the list, its sections in list order, so the next load gives the same order back.
    QByteArray text = joinedLines(
        vehicles.isEmpty() ? preambleWithoutSections(vehicles.preamble()) : vehicles.preamble());
    int index = 0;
    for (const VehicleEntry& entry : vehicles) {
        const TAuto& a = entry.Record;
        const QString section = QString::number(index++);
        IniFile ini;
        ini.writeUtf8(section, "Name", a.Name);
        ini.writeUtf8(section, "Model", a.Model);
        ini.writeInteger(section, "Year", a.Year);
        ini.writeUtf8(section, "VIN", a.VIN);
        ini.writeUtf8(section, "Plate", a.Plate);
        ini.writeBytes(section, "LastRead", lastReadBytes(a, dates));
        ini.writeUtf8(section, "Comment", a.Comment);
        ini.writeInteger(section, "CarProfile", a.CarProfile);
        ini.writeBytes(section, "CalID", toAnsi(a.CalID));
        text += ini.data() + joinedLines(a.KeptLines);
    }
    // A kept first line that begins with the bytes of an encoding mark would be read as that
    // mark: as UTF-16, which the program refuses, or as UTF-8 without those bytes. An empty
    // line before it keeps the file as it was meant.
    if (text.startsWith("\xFF\xFE") || text.startsWith("\xFE\xFF")
        || text.startsWith("\xEF\xBB\xBF"))
        text.prepend('\n');
    try {
        writeFileAtomically(path, text);
    } catch (const VeskorError& e) {
        throw VeskorError(Texts::text(Texts::RegisterSaveError).arg(path, e.message()));
    }
    return message;
}
