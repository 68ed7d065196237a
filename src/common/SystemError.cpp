// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "SystemError.h"

#include "Texts.h"

#include <QFileDevice>
#include <QFileInfo>
#include <cerrno>

QString systemErrorText(int code)
{
    switch (code) {
    case ENOSPC:
        return Texts::text(Texts::SystemErrorNoSpace);
    case EDQUOT:
        return Texts::text(Texts::SystemErrorQuota);
    case EFBIG:
        return Texts::text(Texts::SystemErrorTooLarge);
    case EROFS:
        return Texts::text(Texts::SystemErrorReadOnly);
    case EACCES:
    case EPERM:
        return Texts::text(Texts::SystemErrorAccess);
    case ENOENT:
    case ENOTDIR:
        return Texts::text(Texts::SystemErrorNoFolder);
    case EIO:
        return Texts::text(Texts::SystemErrorIo);
    default:
        return Texts::text(Texts::SystemErrorOther).arg(code);
    }
}

QString fileErrorText(const QFileDevice& file, int code)
{
    // A failed read leaves no code of its own behind for certain, and Qt refuses a folder
    // without one: errno may still hold an older call's. What the path is tells first.
    if (file.error() == QFileDevice::ReadError)
        return Texts::text(Texts::SystemErrorIo);
    const QFileInfo info(file.fileName());
    if (!info.exists())
        return Texts::text(Texts::SystemErrorNoFile);
    if (info.isDir())
        return Texts::text(Texts::SystemErrorIsFolder);
    if (!info.isReadable() || file.error() == QFileDevice::PermissionsError)
        return Texts::text(Texts::SystemErrorAccess);
    return code != 0 ? systemErrorText(code)
                     : Texts::text(Texts::SystemErrorOther).arg(int(file.error()));
}
