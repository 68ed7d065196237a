// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "CarProfiles.h"

#include "FileLink.h"
#include "IniContent.h"
#include "common/IniFile.h"
#include "common/SystemError.h"
#include "common/Texts.h"

#include <QFile>
#include <QFileInfo>

bool CarProfiles::append(const TCarProfile& profile)
{
    if (count() >= Capacity)
        return false;
    m_profiles.push_back(profile);
    return true;
}

const TCarProfile* CarProfiles::at(int position) const
{
    if (position < 0 || position >= count())
        return nullptr;
    return &m_profiles[static_cast<size_t>(position)];
}

uint16_t CarProfiles::addrAdaptive(int position) const
{
    const TCarProfile* p = at(position);
    return p ? p->AddrAdaptive : 0;
}

uint16_t CarProfiles::addrAdaptiveChecksum(int position) const
{
    const TCarProfile* p = at(position);
    return p ? p->AddrAdaptiveChecksum : 0;
}

CarProfiles::Addresses CarProfiles::addresses(int position) const
{
    if (const TCarProfile* p = at(position))
        return { p->AddrAdaptive, p->AddrAdaptiveChecksum, {} };
    if (position == -1)
        return { 0, 0, Texts::text(Texts::CarProfileNotChosen) };
    return { 0, 0, Texts::text(Texts::CarProfileBeyondList).arg(position).arg(count()) };
}

QStringList CarProfiles::names() const
{
    QStringList result;
    for (const TCarProfile& p : m_profiles)
        result.append(p.Name);
    return result;
}

void loadCarProfiles(CarProfiles& profiles, const IniFile& ini)
{
    profiles.clear();
    for (const QString& section : ini.sections()) {
        TCarProfile p;
        p.Name = ini.readAnsi(section, "Name", UnknownCarProfileName);
        // Addresses are 16-bit: larger numbers keep their low 16 bits (70000 gives 4464).
        p.AddrAdaptive = static_cast<uint16_t>(ini.readInteger(section, "AddrAdaptive", 0));
        p.AddrAdaptiveChecksum
            = static_cast<uint16_t>(ini.readInteger(section, "AddrAdaptiveChecksum", 0));
        if (!profiles.append(p))
            break;
    }
}

bool LoadCarProfiles(CarProfiles& profiles, const QString& path, QString* problem)
{
    profiles.clear();
    const auto fail = [&](const QString& reason) {
        if (problem)
            *problem = reason.isEmpty() ? QString()
                                        : Texts::text(Texts::CarProfilesProblem).arg(path, reason);
        return false;
    };
    const QString link = brokenLinkReason(path);
    if (!link.isEmpty())
        return fail(Texts::text(Texts::CarProfilesUnreadable).arg(link));
    QFile file(path);
    if (!file.exists())
        return fail({});
    if (!file.open(QIODevice::ReadOnly))
        return fail(Texts::text(Texts::CarProfilesUnreadable).arg(fileErrorText(file)));
    const QByteArray data = file.readAll();
    IniFile ini;
    ini.loadData(data);
    loadCarProfiles(profiles, ini);

    const QString content = iniContentProblem(data);
    if (profiles.count() == 0)
        return fail(content.isEmpty() ? Texts::text(Texts::CarProfilesNone) : content);
    if (problem)
        *problem = content.isEmpty() ? QString()
                                     : Texts::text(Texts::CarProfilesProblem).arg(path, content);
    return true;
}
