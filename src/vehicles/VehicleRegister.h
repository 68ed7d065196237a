// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The vehicle register in memory: the vehicles list's entries in register order.
#pragma once

#include "VehicleEntry.h"

#include <QByteArrayList>
#include <QStringList>
#include <vector>

class VehicleRegister {
public:
    int size() const { return static_cast<int>(m_entries.size()); }
    bool isEmpty() const { return m_entries.empty(); }
    const VehicleEntry& at(int row) const { return m_entries.at(static_cast<size_t>(row)); }
    VehicleEntry& at(int row) { return m_entries.at(static_cast<size_t>(row)); }

    void reserve(int count) { m_entries.reserve(static_cast<size_t>(count)); }
    void append(VehicleEntry entry) { m_entries.push_back(std::move(entry)); }
    void removeAt(int row) { m_entries.erase(m_entries.begin() + row); }
    void clear() { m_entries.clear(); }

    // The captions in list order, for the current-vehicle list.
    QStringList captions() const;

    // True when the register's file existed but could not be read; SaveRegister then
    // keeps that file rather than replacing it with this register.
    bool fileUnreadable() const { return m_fileUnreadable; }
    void setFileUnreadable(bool unreadable) { m_fileUnreadable = unreadable; }
    // The lines of autos.ini above its first section (comments), written back first.
    const QByteArrayList& preamble() const { return m_preamble; }
    void setPreamble(QByteArrayList lines) { m_preamble = std::move(lines); }

    auto begin() const { return m_entries.begin(); }
    auto end() const { return m_entries.end(); }

private:
    std::vector<VehicleEntry> m_entries;
    QByteArrayList m_preamble;
    bool m_fileUnreadable = false;
};
