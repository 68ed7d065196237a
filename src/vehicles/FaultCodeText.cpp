// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "FaultCodeText.h"

#include "common/Placeholders.h"
#include "common/Texts.h"

int faultCodeNumber(const QString& entry)
{
    bool ok = false;
    const int number = entry.toInt(&ok, 10);
    return ok ? number : 1;
}

QString faultCodeText(const QString& entry, const FaultCodeDictionary& codes, bool english)
{
    const FaultCodeShown shown = faultCodeShown(codes[faultCodeNumber(entry)], english);
    return fillPlaceholders(
        Texts::text(Texts::FaultCodeText), { entry, shown.Mode, shown.Description, shown.Comment });
}
