// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "ModelNames.h"

#include "common/TextFile.h"

#include <QFileInfo>

std::optional<QStringList> loadModelNames(const QString& path)
{
    if (!QFileInfo::exists(path))
        return std::nullopt;
    return readTextFile(path);
}
