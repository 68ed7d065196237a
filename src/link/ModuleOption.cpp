// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "ModuleOption.h"

#include "common/Texts.h"

namespace ModuleOption {

QString label(int option)
{
    return Texts::text(option == Speed ? Texts::OptionSpeedLabel : Texts::OptionFormatLabel);
}

QStringList items(int option)
{
    if (option == Speed)
        return { QStringLiteral("2400"), QStringLiteral("4800"), QStringLiteral("9600"),
            QStringLiteral("19200") };
    return { QStringLiteral("BIN"), QStringLiteral("HEX") };
}

int selectedItem(int option, uint8_t replyByte)
{
    if (replyByte == Unset)
        return option == Speed ? 2 : 0;
    const int item = int(replyByte) - '0';
    return item >= 0 && item < items(option).size() ? item : -1;
}

} // namespace ModuleOption
