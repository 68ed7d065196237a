#include "CarProfiles.h"

#include "common/IniFile.h"

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

bool LoadCarProfiles(CarProfiles& profiles, const QString& path)
{
    profiles.clear();
    if (!QFileInfo::exists(path))
        return false;
    IniFile ini;
    if (!ini.load(path))
        return false;
    loadCarProfiles(profiles, ini);
    return true;
}
