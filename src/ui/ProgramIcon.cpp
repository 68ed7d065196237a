// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "ui/ProgramIcon.h"

#include <QDir>

QIcon programIcon()
{
    // The PNGs rather than the SVG: a system without Qt's SVG plugin draws no SVG icon.
    QIcon icon;
    const QDir icons(QStringLiteral(":/icons"));
    for (const QString& name :
        icons.entryList({ QStringLiteral("veskor-reader-*.png") }, QDir::Files))
        icon.addFile(icons.filePath(name));
    return icon;
}
