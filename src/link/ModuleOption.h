// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The module's two stored options as the options page offers them: the items of each list
// and the item that a byte of the module's reply selects.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

namespace ModuleOption {

// Option 0: the speed of the module's port towards the ECU; option 1: the data format.
enum Index { Speed = 0, Format = 1 };
inline constexpr int Count = 2;
// The byte of an option that was never written.
inline constexpr uint8_t Unset = 127;

// "Скорость порта EEC-IV:" and "Формат вывода данных:".
QString label(int option);
// "2400", "4800", "9600", "19200" and "BIN", "HEX": the item's index is the option's value.
QStringList items(int option);
// The item a reply byte selects: its ASCII digit's value, the default item for Unset
// ("9600", "BIN"), or -1 when the byte names no item of the list.
int selectedItem(int option, uint8_t replyByte);

} // namespace ModuleOption
