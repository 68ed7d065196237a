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

private:
    std::vector<TCarProfile> m_profiles;
};

inline constexpr const char* CarProfilesFile = "CarProfiles.ini";
inline constexpr const char* UnknownCarProfileName = "Unknown Ford Model";

// Empties the table and reads the file. A missing file, or one without sections, gives
// no car profiles; returns false when the file is missing or cannot be read.
bool LoadCarProfiles(CarProfiles& profiles, const QString& path);
// The same from an INI already read.
void loadCarProfiles(CarProfiles& profiles, const IniFile& ini);
