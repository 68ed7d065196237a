// The vehicle register in memory: the vehicles list's entries in register order.
#pragma once

#include "VehicleEntry.h"

#include <QStringList>
#include <vector>

class VehicleRegister {
public:
    int size() const { return static_cast<int>(m_entries.size()); }
    bool isEmpty() const { return m_entries.empty(); }
    const VehicleEntry& at(int row) const { return m_entries.at(static_cast<size_t>(row)); }
    VehicleEntry& at(int row) { return m_entries.at(static_cast<size_t>(row)); }

    void append(VehicleEntry entry) { m_entries.push_back(std::move(entry)); }
    void removeAt(int row) { m_entries.erase(m_entries.begin() + row); }
    void clear() { m_entries.clear(); }

    // The captions in list order, for the current-vehicle list.
    QStringList captions() const;

    auto begin() const { return m_entries.begin(); }
    auto end() const { return m_entries.end(); }

private:
    std::vector<VehicleEntry> m_entries;
};
