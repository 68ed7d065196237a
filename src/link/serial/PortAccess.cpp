#include "PortAccess.h"

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
