// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "PortAccess.h"

#include "SerialPort.h"
#include "common/Placeholders.h"
#include "common/Texts.h"

#include <cerrno>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

QString deviceAccessGroup(const QString& path)
{
    struct stat info { };
    if (::stat(path.toLocal8Bit().constData(), &info) != 0)
        return {};
    const mode_t readWrite = S_IRGRP | S_IWGRP;
    if (info.st_gid == 0 || (info.st_mode & readWrite) != readWrite)
        return {};
    group entry {};
    group* found = nullptr;
    const long hint = sysconf(_SC_GETGR_R_SIZE_MAX);
    std::vector<char> buffer(hint > 0 ? size_t(hint) : 4096);
    while (getgrgid_r(info.st_gid, &entry, buffer.data(), buffer.size(), &found) == ERANGE)
        buffer.resize(buffer.size() * 2);
    // A group unknown to this system is still named by its number, which usermod takes.
    return found ? QString::fromLocal8Bit(found->gr_name) : QString::number(info.st_gid);
}

QString openDeniedText(const QString& path, int error, const QString& group)
{
    if (error != EACCES)
        return {};
    if (group.isEmpty())
        return Texts::text(Texts::PortAccessDeniedNoGroup).arg(path);
    return Texts::text(Texts::PortAccessDenied).arg(path, group);
}

QString portFailureText(const QString& path, const char* what, int error)
{
    const QByteArray stage(what);
    if (stage == "open") {
        switch (error) {
        case ENOENT:
        case ENODEV:
        case ENXIO:
            return Texts::text(Texts::PortNotFound).arg(path);
        case EACCES:
            return openDeniedText(path, error, deviceAccessGroup(path));
        case EBUSY:
            return Texts::text(Texts::PortBusy).arg(path);
        default:
            return Texts::text(Texts::PortFailed).arg(path);
        }
    }
    // A file or a device that is no terminal refuses the terminal settings.
    if ((stage == "tcgetattr" || stage == "tcsetattr") && (error == ENOTTY || error == EINVAL))
        return Texts::text(Texts::PortNotSerial).arg(path);
    switch (error) {
    case EIO:
    case ENXIO:
    case ENODEV:
    case EBADF:
        return Texts::text(Texts::PortGone).arg(path);
    default:
        return Texts::text(Texts::PortFailed).arg(path);
    }
}

namespace {

QString messageOf(const std::exception& error)
{
    const auto* own = dynamic_cast<const VeskorError*>(&error);
    return own ? own->message() : QString::fromUtf8(error.what());
}

} // namespace

QString portErrorLine(const std::exception& error, const char* fallback)
{
    const auto* port = dynamic_cast<const SerialError*>(&error);
    if (!port || port->detail().isEmpty())
        return fillPlaceholders(Texts::text(fallback), { messageOf(error) });
    QString advice = port->message();
    if (advice.endsWith(u'.'))
        advice.chop(1);
    return Texts::text(Texts::PortErrorDetail).arg(advice, port->detail());
}

QString portErrorDetail(const std::exception& error)
{
    const auto* port = dynamic_cast<const SerialError*>(&error);
    return port && !port->detail().isEmpty() ? port->detail() : messageOf(error);
}
