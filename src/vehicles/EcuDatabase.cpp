// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "EcuDatabase.h"

#include "CalibrationCode.h"
#include "CalibrationScramble.h"
#include "common/CommaText.h"
#include "common/TextFile.h"
#include "common/Texts.h"

#include <QFile>
#include <QRegularExpression>

namespace {

constexpr int FieldCount = 11;
constexpr int CodeField = 10;

// The sample records and bare numbers of litres get their words from the string table, so
// that they read in the window's language; a record's own text is shown as it stands.
QString modelText(const QString& label, const QString& model)
{
    return label == u"SAMPLE" ? Texts::text(Texts::EcuSampleModel).arg(model) : model;
}

QString displacementText(const QString& disp)
{
    static const QRegularExpression litres(QStringLiteral("^\\d+(\\.\\d+)?$"));
    return litres.match(disp).hasMatch() ? Texts::text(Texts::EcuDisplacement).arg(disp) : disp;
}

} // namespace

std::optional<EcuDatabaseLine> parseEcuDatabaseLine(QStringView line)
{
    const QStringList fields = splitCommaText(line);
    if (fields.size() < FieldCount)
        return std::nullopt;
    const int code = CalibrationCode::key(fields[CodeField]);
    if (code == 0)
        return std::nullopt;

    EcuDatabaseLine result;
    result.Code = code;
    TEECProfile& p = result.Profile;
    p.Model = modelText(fields[0], fields[1]);
    p.Hw = fields[2];
    p.Disp = displacementText(fields[3]);
    p.Years = fields[4];
    p.ProductCode = fields[5];
    p.FINIS = fields[6];
    p.CatchCode = fields[7];
    p.PATS = fields[8] == u"1";
    p.Strategy = fields[9];
    return result;
}

void addEcuDatabaseLines(EcuProfiles& profiles, const QStringList& lines)
{
    for (const QString& line : lines) {
        if (const auto parsed = parseEcuDatabaseLine(line))
            profiles.insert(parsed->Code, parsed->Profile);
    }
}

void loadEcuDatabaseScrambled(EcuProfiles& profiles, QByteArray scrambled)
{
    profiles.clear();
    xorWithOffset(reinterpret_cast<unsigned char*>(scrambled.data()),
        static_cast<std::size_t>(scrambled.size()));
    addEcuDatabaseLines(profiles, decodeTextLines(scrambled));
}

bool LoadEcuDatabase(EcuProfiles& profiles)
{
    profiles.clear();
    QFile resource(EcuDatabaseResource);
    if (!resource.open(QIODevice::ReadOnly))
        return false;
    loadEcuDatabaseScrambled(profiles, resource.readAll());
    return true;
}
