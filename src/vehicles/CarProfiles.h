// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The car profiles of CarProfiles.ini, named by their position (0 to 100) in file order.
#pragma once

#include "TCarProfile.h"

#include <QString>
#include <QStringList>
#include <vector>

class IniFile;

class CarProfiles {
public:
    static constexpr int Capacity = 101;

    void clear() { m_profiles.clear(); }
    // Appends a profile; beyond the capacity it is ignored. Returns whether it was kept.
    bool append(const TCarProfile& profile);

    int count() const { return static_cast<int>(m_profiles.size()); }
    // The profile at a position, or null for -1 (none chosen) or any other position
    // outside 0 to count - 1.
    const TCarProfile* at(int position) const;
    // The adaptive-table addresses of a position; both 0 when it names no profile.
    uint16_t addrAdaptive(int position) const;
    uint16_t addrAdaptiveChecksum(int position) const;
    // The names in position order, for the vehicle dialog's list (index = position).
    QStringList names() const;

    // The adaptive-table addresses of a vehicle's position where they are used, with the
    // reason when the position names no profile (none chosen, or beyond the list): the
    // addresses are then 0 and problem says so for the log.
    struct Addresses {
        uint16_t AddrAdaptive = 0;
        uint16_t AddrAdaptiveChecksum = 0;
        QString problem;
    };
    Addresses addresses(int position) const;

private:
    std::vector<TCarProfile> m_profiles;
};

inline constexpr const char* CarProfilesFile = "CarProfiles.ini";
inline constexpr const char* UnknownCarProfileName = "Unknown Ford Model";

// Empties the table and reads the file. Returns false when it yields no car profile: the
// file is missing, cannot be read, is UTF-16, has a NUL character before its sections or
// has no section. problem (when given) then tells why, for the log; it also tells of a NUL
// after some sections, which ends the file early (the profiles before it are kept, true).
// A missing file leaves problem empty: running without car profiles is allowed.
bool LoadCarProfiles(CarProfiles& profiles, const QString& path, QString* problem = nullptr);
// The same from an INI already read.
void loadCarProfiles(CarProfiles& profiles, const IniFile& ini);
