// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Fuzz target: the fault report built from a report.htm of any bytes, with vehicle values
// and list entries of any text. The input is the template file, then the seven vehicle
// values, then the entries, separated by NUL bytes. A template without its code block is
// refused with VeskorError; otherwise every value goes in escaped, so a template without
// '<' gives a report without one, and the report's bytes are UTF-16 with their mark.
#include "FuzzSupport.h"
#include "common/Errors.h"
#include "common/TextFile.h"
#include "ui/model/FaultSheet.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// Codes whose texts hold markup and the report's own placeholders.
const FaultCodeDictionary& dictionary()
{
    static const FaultCodeDictionary codes = [] {
        FaultCodeDictionary d;
        d.parse({ QStringLiteral("112"), QStringLiteral("O <i>"), QStringLiteral("%CODE% & %NAME%"),
            QStringLiteral("<b>%DESCRIPTION%</b>"), QStringLiteral("%COMMENT%%END%"),
            QStringLiteral("1"), QStringLiteral("R"), QStringLiteral("one"), QStringLiteral("один"),
            QStringLiteral("'\"") });
        return d;
    }();
    return codes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QList<QByteArray> parts = fuzz::bytes(data, size).split('\0');
    const QStringList lines = decodeTextLines(parts.first());
    QStringList values;
    for (qsizetype i = 1; i < parts.size() && i <= 7; ++i)
        values << QString::fromUtf8(parts[i]);
    values.resize(7);
    const SheetVehicle vehicle { values[0], values[1], values[2], values[3], values[4], values[5],
        values[6] };
    QStringList entries { QStringLiteral("0") };
    for (qsizetype i = 8; i < parts.size(); ++i)
        entries << QString::fromUtf8(parts[i]);

    QString html;
    try {
        html = FaultSheet::reportHtml(lines, entries, vehicle, dictionary(), size % 2);
    } catch (const VeskorError&) {
        return 0;
    }
    bool markup = false;
    for (const QString& line : lines)
        markup = markup || line.contains(u'<');
    if (!markup && html.contains(u'<'))
        std::abort();
    const QByteArray bytes = FaultSheet::reportBytes(html);
    if (bytes.size() % 2 || !bytes.startsWith("\xFF\xFE"))
        std::abort();
    return 0;
}
