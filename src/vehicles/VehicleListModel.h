// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The vehicles list as an item model for the window's report view: one row per vehicle,
// the name and its six display texts as columns. It owns the register.
#pragma once

#include "VehicleRegister.h"

#include <QAbstractTableModel>

class VehicleListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Name, Model, Year, VIN, Plate, LastRead, Comment };
    static constexpr int ColumnCount = 7;

    explicit VehicleListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(
        int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;

    const VehicleRegister& vehicles() const { return m_vehicles; }
    const VehicleEntry& entry(int row) const { return m_vehicles.at(row); }

    // Replaces the whole register (after loading or importing it).
    void setVehicles(VehicleRegister vehicles);
    void append(VehicleEntry entry);
    void replace(int row, VehicleEntry entry);

private:
    VehicleRegister m_vehicles;
};
