// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "FaultSheet.h"

#include "common/Errors.h"
#include "common/Placeholders.h"
#include "common/StampedName.h"
#include "common/TextFile.h"
#include "common/Texts.h"
#include "vehicles/FaultCodeText.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QStringEncoder>
#include <QTextDocument>
#include <memory>
#include <utility>
#include <vector>

namespace FaultSheet {

QStringList entries(int currentVehicle, const FaultCodeList::SlotReader& slot)
{
    QStringList list { QString::number(currentVehicle) };
    list += FaultCodeList::entries(slot);
    return list;
}

std::optional<SheetVehicle> vehicleOf(const QStringList& entries, const VehicleRegister& vehicles)
{
    if (entries.isEmpty())
        return std::nullopt;
    bool ok = false;
    const int v = entries.first().toInt(&ok);
    if (!ok || v < 0 || v >= vehicles.size())
        return std::nullopt;
    return sheetVehicle(vehicles.at(v));
}

SheetVehicle sheetVehicle(const VehicleEntry& e)
{
    using S = VehicleEntry::SubItem;
    return SheetVehicle { e.Caption, e.SubItems[S::LastRead], e.SubItems[S::Plate],
        e.SubItems[S::Model], e.SubItems[S::Year], e.SubItems[S::VIN], e.SubItems[S::Comment] };
}

QStringList fields(const SheetVehicle& v)
{
    return { v.Name, v.Date, v.Plate, v.Model, v.Year, v.VIN, v.Notes };
}

std::optional<SheetVehicle> fromFields(const QStringList& f)
{
    if (f.size() != 7)
        return std::nullopt;
    return SheetVehicle { f[0], f[1], f[2], f[3], f[4], f[5], f[6] };
}

QString copyText(const QStringList& entries, const std::optional<SheetVehicle>& vehicle,
    const FaultCodeDictionary& codes, bool english)
{
    QString text;
    if (entries.isEmpty())
        return text;
    if (vehicle)
        text = fillPlaceholders(Texts::text(Texts::CopyVehicleBlock),
            { vehicle->Name, vehicle->Date, vehicle->Plate, vehicle->Model, vehicle->Year,
                vehicle->VIN, vehicle->Notes });
    for (qsizetype i = 1; i < entries.size(); ++i)
        text += faultCodeText(entries.at(i), codes, english);
    return text;
}

QString folderName(const QString& vehicleName)
{
    static const QString refused = QStringLiteral("\\/:*?\"<>|");
    // NAME_MAX of the common file systems, in bytes.
    constexpr qsizetype MaxBytes = 255;
    QString name = vehicleName;
    qsizetype bytes = 0, kept = 0;
    while (kept < name.size()) {
        const qsizetype n = name.at(kept).isHighSurrogate() && kept + 1 < name.size() ? 2 : 1;
        const qsizetype size = QStringView(name).mid(kept, n).toUtf8().size();
        if (bytes + size > MaxBytes)
            break;
        bytes += size;
        kept += n;
    }
    name.truncate(kept);
    for (QChar& c : name)
        if (refused.contains(c) || c.unicode() < 0x20)
            c = QLatin1Char('_');
    // "..", " " or "name. " would leave the folder or be cut by the file system.
    qsizetype end = name.size();
    while (
        end > 0 && (name.at(end - 1) == QLatin1Char('.') || name.at(end - 1) == QLatin1Char(' ')))
        --end;
    for (qsizetype i = end; i < name.size(); ++i)
        name[i] = QLatin1Char('_');
    if (name.isEmpty())
        name = QStringLiteral("_");
    return name;
}

QString reportFileName(const QDateTime& time)
{
    return StampedName::fileName(time, QStringLiteral("htm"));
}

namespace {

    using Replacements = std::vector<std::pair<QString, QString>>;

    QString escaped(const QString& value)
    {
        return value.toHtmlEscaped()
            .replace(QLatin1Char('\''), QStringLiteral("&#39;"))
            .replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    }

    // Replaces every placeholder of the list in one pass from left to right, so that a value
    // that contains a placeholder's name is never replaced again.
    QString replaceAll(const QString& text, const Replacements& replacements)
    {
        QString out;
        out.reserve(text.size());
        qsizetype i = 0;
        while (i < text.size()) {
            bool replaced = false;
            if (text.at(i) == QLatin1Char('%')) {
                for (const auto& [key, value] : replacements) {
                    if (QStringView(text).mid(i).startsWith(key)) {
                        out += escaped(value);
                        i += key.size();
                        replaced = true;
                        break;
                    }
                }
            }
            if (!replaced)
                out += text.at(i++);
        }
        return out;
    }

} // namespace

QString reportHtml(const QStringList& templateLines, const QStringList& entries,
    const SheetVehicle& vehicle, const FaultCodeDictionary& codes, bool english,
    const SheetReport& report, const QString& templateName)
{
    QString t;
    for (const QString& line : templateLines)
        t += line + QStringLiteral("\r\n");
    static const QString Begin = QStringLiteral("%BEGIN%"), End = QStringLiteral("%END%");
    const qsizetype b = t.indexOf(Begin);
    const qsizetype e = t.indexOf(End);
    if (b < 0 || e < b + Begin.size())
        throw VeskorError(Texts::text(Texts::ReportNoBlock).arg(templateName));
    const QString head = t.left(b);
    const QString block = t.mid(b + Begin.size(), e - b - Begin.size());
    const QString tail = t.mid(e + End.size());

    const Replacements vehicleFields {
        { QStringLiteral("%TITLE%"), Texts::text(Texts::ReportTitle) },
        { QStringLiteral("%NAME%"), vehicle.Name },
        { QStringLiteral("%DATE%"), vehicle.Date },
        { QStringLiteral("%PLATE%"), vehicle.Plate },
        { QStringLiteral("%MODEL%"), vehicle.Model },
        { QStringLiteral("%YEAR%"), vehicle.Year },
        { QStringLiteral("%VIN%"), vehicle.VIN },
        { QStringLiteral("%NOTICE%"), vehicle.Notes },
        { QStringLiteral("%WORKSHOP%"), report.Workshop },
        { QStringLiteral("%CONTACTS%"), report.Contacts },
        { QStringLiteral("%CALID%"), report.CalID },
        { QStringLiteral("%ECU%"), report.Ecu },
        { QStringLiteral("%FIRMWARE%"), report.Firmware },
        { QStringLiteral("%HISTORY%"), report.History },
    };
    QString body;
    for (qsizetype i = 1; i < entries.size(); ++i) {
        const int n = faultCodeNumber(entries.at(i));
        const FaultCodeShown shown = faultCodeShown(codes[n], english);
        body += replaceAll(block,
            { { QStringLiteral("%CODE%"), QString::number(n) },
                { QStringLiteral("%TYPE%"), shown.Mode },
                { QStringLiteral("%DESCRIPTION%"), shown.Description },
                { QStringLiteral("%COMMENT%"), shown.Comment } });
    }
    return replaceAll(head, vehicleFields) + body + replaceAll(tail, vehicleFields);
}

QByteArray reportBytes(const QString& html)
{
    QString text;
    for (const QString& line : decodeTextLines(html.toUtf8().prepend("\xEF\xBB\xBF")))
        text += line + QStringLiteral("\r\n");
    QStringEncoder encoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
    return encoder.encode(text);
}

namespace {

    std::unique_ptr<QTextDocument> reportDocument(const QString& html)
    {
        auto document = std::make_unique<QTextDocument>();
        document->setHtml(html);
        return document;
    }

} // namespace

void printReport(const QString& html, QPagedPaintDevice& device)
{
    reportDocument(html)->print(&device);
}

QByteArray reportPdf(const QString& html)
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        // The writer finishes the document when it goes.
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
        writer.setResolution(1200);
        writer.setCreator(QStringLiteral("VeskorReader"));
        const auto document = reportDocument(html);
        writer.setTitle(document->metaInformation(QTextDocument::DocumentTitle));
        document->print(&writer);
    }
    return pdf;
}

} // namespace FaultSheet
