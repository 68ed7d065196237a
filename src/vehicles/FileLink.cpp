// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "FileLink.h"

#include "common/Texts.h"

#include <QFileInfo>
#include <filesystem>
#include <system_error>

QString brokenLinkReason(const QString& path)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path p = path.toStdString();
    if (!fs::is_symlink(fs::symlink_status(p, error)))
        return {};
    if (fs::exists(p, error))
        return {};
    if (error == std::errc::too_many_symbolic_link_levels)
        return Texts::text(Texts::FileLinkLoop);
    if (error)
        return QString::fromStdString(error.message());
    return Texts::text(Texts::FileLinkDangling).arg(QFileInfo(path).symLinkTarget());
}
