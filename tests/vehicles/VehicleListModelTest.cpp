// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "vehicles/VehicleListModel.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

VehicleEntry entry(const QString& name)
{
    VehicleEntry e;
    e.Caption = name;
    for (int i = 0; i < VehicleEntry::SubItemCount; ++i)
        e.SubItems[i] = name + QString::number(i);
    e.Record.Name = name;
    return e;
}

} // namespace

TEST(VehicleListModel, ColumnsAreTheNameAndTheSixDisplayTexts)
{
    VehicleListModel model;
    EXPECT_EQ(model.columnCount(), 7);
    QStringList headers;
    for (int c = 0; c < model.columnCount(); ++c)
        headers.append(model.headerData(c, Qt::Horizontal).toString());
    EXPECT_EQ(headers.join(u'|'),
        QString::fromUtf8("Название|Модель|Год выпуска|VIN|Номер|Дата диагностики|Примечания"));

    model.append(entry("A"));
    ASSERT_EQ(model.rowCount(), 1);
    EXPECT_EQ(model.data(model.index(0, 0)).toString(), "A");
    EXPECT_EQ(model.data(model.index(0, VehicleListModel::LastRead)).toString(), "A4");
    EXPECT_EQ(model.data(model.index(0, VehicleListModel::Comment)).toString(), "A5");
    EXPECT_FALSE(model.data(model.index(0, 0), Qt::EditRole).isValid());
}

TEST(VehicleListModel, ChangesAreAnnouncedToTheView)
{
    VehicleListModel model;
    VehicleRegister three;
    for (const char* name : { "A", "B", "C" })
        three.append(entry(name));
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    model.setVehicles(three);
    EXPECT_EQ(reset.count(), 1);

    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    EXPECT_TRUE(model.removeRow(1));
    EXPECT_FALSE(model.removeRow(5));
    EXPECT_EQ(removed.count(), 1);
    EXPECT_EQ(model.vehicles().captions(), (QStringList { "A", "C" }));

    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.replace(1, entry("D"));
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed[0][0].toModelIndex().row(), 1);
    EXPECT_EQ(model.entry(1).Record.Name, "D");

    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    model.append(entry("E"));
    EXPECT_EQ(inserted.count(), 1);
    EXPECT_EQ(model.vehicles().captions(), (QStringList { "A", "D", "E" }));
}
