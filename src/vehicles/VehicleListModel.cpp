// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "VehicleListModel.h"

#include "common/Texts.h"

VehicleListModel::VehicleListModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

int VehicleListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_vehicles.size();
}

int VehicleListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant VehicleListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_vehicles.size() || role != Qt::DisplayRole)
        return {};
    const VehicleEntry& e = m_vehicles.at(index.row());
    if (index.column() == Name)
        return e.Caption;
    return e.SubItems.at(static_cast<size_t>(index.column() - 1));
}

QVariant VehicleListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static constexpr const char* headers[ColumnCount] = {
        Texts::ColumnName,
        Texts::ColumnModel,
        Texts::ColumnYear,
        Texts::ColumnVIN,
        Texts::ColumnPlate,
        Texts::ColumnLastRead,
        Texts::ColumnComment,
    };
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0
        || section >= ColumnCount)
        return {};
    return Texts::text(headers[section]);
}

bool VehicleListModel::removeRows(int row, int count, const QModelIndex& parent)
{
    if (parent.isValid() || row < 0 || count <= 0 || row + count > m_vehicles.size())
        return false;
    beginRemoveRows(QModelIndex(), row, row + count - 1);
    for (int i = 0; i < count; ++i)
        m_vehicles.removeAt(row);
    endRemoveRows();
    return true;
}

void VehicleListModel::setVehicles(VehicleRegister vehicles)
{
    beginResetModel();
    m_vehicles = std::move(vehicles);
    endResetModel();
}

void VehicleListModel::append(VehicleEntry entry)
{
    const int row = m_vehicles.size();
    beginInsertRows(QModelIndex(), row, row);
    m_vehicles.append(std::move(entry));
    endInsertRows();
}

void VehicleListModel::replace(int row, VehicleEntry entry)
{
    m_vehicles.at(row) = std::move(entry);
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}
