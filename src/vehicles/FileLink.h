// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// A path that names a symbolic link no file stands behind: a loop or a link to nothing.
// Such a file is not "missing", and the user is told what it is.
#pragma once

#include <QString>

// The reason a path cannot be reached through its symbolic links, or an empty string
// (also when the path is no link or doesn't exist at all).
QString brokenLinkReason(const QString& path);
