// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "EcuInfo.h"

#include "CalibrationCode.h"
#include "common/Texts.h"

#include <QStringList>

EcuInfo ecuInfoFor(const EcuProfiles& profiles, const QString& calId)
{
    EcuInfo info;
    info.Fields = { {
        { Texts::EcuModel, {} },
        { Texts::EcuYears, {} },
        { Texts::EcuDisp, {} },
        { Texts::EcuHw, {} },
        { Texts::EcuStrategy, {} },
        { Texts::EcuProductCode, {} },
        { Texts::EcuFINIS, {} },
        { Texts::EcuCatchCode, {} },
        { Texts::EcuCalID, calId },
        { Texts::EcuPATS, {} },
    } };

    const int code = CalibrationCode::key(calId);
    if (code == 0)
        return info;
    const TEECProfile* p = profiles.at(code);
    if (!p) {
        info.Fields[EcuInfo::Model].Value = Texts::text(Texts::NoData);
        return info;
    }
    info.Found = true;
    info.Fields[EcuInfo::Model].Value = p->Model;
    info.Fields[EcuInfo::Years].Value = p->Years;
    info.Fields[EcuInfo::Disp].Value = p->Disp;
    info.Fields[EcuInfo::Hw].Value = p->Hw;
    info.Fields[EcuInfo::Strategy].Value = p->Strategy;
    info.Fields[EcuInfo::ProductCode].Value = p->ProductCode;
    info.Fields[EcuInfo::FINIS].Value = p->FINIS;
    info.Fields[EcuInfo::CatchCode].Value = p->CatchCode;
    info.Fields[EcuInfo::PATS].Value = Texts::text(p->PATS ? Texts::Yes : Texts::No);
    return info;
}

QString ecuSummary(const EcuInfo& info)
{
    if (!info.Found)
        return Texts::text(Texts::NoData);
    QStringList parts;
    for (const EcuInfo::Field field : { EcuInfo::Model, EcuInfo::Years, EcuInfo::Disp })
        if (!info.Fields[field].Value.isEmpty())
            parts.append(info.Fields[field].Value);
    return parts.join(QStringLiteral(", "));
}

QString formatCalibrationRecord(const EcuProfiles& profiles, const QString& code)
{
    const EcuInfo info = ecuInfoFor(profiles, code);
    if (!info.Found)
        return Texts::text(Texts::NoData);
    QStringList lines;
    for (const EcuInfoField& field : info.Fields)
        lines.append(Texts::text(field.Caption) + u' ' + field.Value);
    return lines.join(u'\n');
}
