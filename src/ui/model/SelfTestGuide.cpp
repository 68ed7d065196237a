// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "SelfTestGuide.h"

#include "common/Texts.h"
#include "link/FaultCodeList.h"

#include <algorithm>

namespace SelfTestGuide {

namespace {

    QStringList texts(std::initializer_list<const char*> list)
    {
        QStringList out;
        for (const char* t : list)
            out.append(Texts::text(t));
        return out;
    }

} // namespace

QString name(SelfTestKind kind)
{
    return kind == SelfTestKind::Koer ? QStringLiteral("KOER") : QStringLiteral("KOEO");
}

QString caption(SelfTestKind kind)
{
    return Texts::text(kind == SelfTestKind::Koer ? Texts::SelfTestKoer : Texts::SelfTestKoeo);
}

QStringList preparation(SelfTestKind kind)
{
    QStringList list = texts({ Texts::SelfTestWarm, Texts::SelfTestGear, Texts::SelfTestAccessories,
        Texts::SelfTestAirCon });
    list.append(
        Texts::text(kind == SelfTestKind::Koer ? Texts::SelfTestEngineRuns : Texts::SelfTestKeyOn));
    return list;
}

QStringList duringTest(SelfTestKind kind)
{
    if (kind == SelfTestKind::Koeo)
        return texts({ Texts::SelfTestHandsOff });
    return texts({ Texts::SelfTestBrake, Texts::SelfTestSteering, Texts::SelfTestOverdrive,
        Texts::SelfTestThrottle });
}

QString htmlList(const QString& title, const QStringList& items)
{
    QString html = QStringLiteral("<p><b>%1</b></p><ul>").arg(title.toHtmlEscaped());
    for (const QString& item : items)
        html += QStringLiteral("<li>%1</li>").arg(item.toHtmlEscaped());
    return html + QStringLiteral("</ul>");
}

bool isPassCode(const QString& entry)
{
    bool ok = false;
    const int code = entry.toInt(&ok, 10);
    return ok && (code == 111 || code == 11);
}

QString foundText(int codes)
{
    return Texts::countText(
        codes, Texts::VerdictFoundOne, Texts::VerdictFoundFew, Texts::VerdictFoundMany);
}

SelfTestVerdict verdict(Link::FaultTestOutcome outcome, const QStringList& entries)
{
    switch (outcome) {
    case Link::ftoAnswered: {
        if (entries == QStringList { QLatin1String(FaultCodeList::NoResultEntry) })
            return { VerdictKind::NoList, Texts::text(Texts::VerdictNoList) };
        const auto faults = int(std::count_if(entries.begin(), entries.end(),
            [](const QString& entry) { return !isPassCode(entry); }));
        if (faults == 0)
            return { VerdictKind::Pass, Texts::text(Texts::VerdictPass) };
        return { VerdictKind::Found, foundText(faults) };
    }
    case Link::ftoCancelled:
        return { VerdictKind::Cancelled, Texts::text(Texts::VerdictCancelled) };
    case Link::ftoPortLost:
        return { VerdictKind::PortLost, Texts::text(Texts::VerdictPortLost) };
    case Link::ftoSilent:
    case Link::ftoNotTaken:
    case Link::ftoNone:
        break;
    }
    return { VerdictKind::NoAnswer, Texts::text(Texts::VerdictNoAnswer) };
}

} // namespace SelfTestGuide
