// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "SimPty.h"

#include "common/Errors.h"

#include <QFileInfo>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {

[[noreturn]] void fail(const char* what)
{
    throw VeskorError(
        QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(strerror(errno))));
}

void makeRaw(int fd)
{
    termios tio {};
    if (tcgetattr(fd, &tio) != 0)
        fail("tcgetattr");
    // In cooked mode a CR would become LF and 0xFF bytes would stall.
    cfmakeraw(&tio);
    if (tcsetattr(fd, TCSANOW, &tio) != 0)
        fail("tcsetattr");
}

} // namespace

SimPty::SimPty()
{
    m_master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_master < 0)
        fail("posix_openpt");
    if (grantpt(m_master) != 0 || unlockpt(m_master) != 0)
        fail("unlockpt");
    char name[128];
    if (ptsname_r(m_master, name, sizeof name) != 0)
        fail("ptsname");
    m_slavePath = QString::fromLocal8Bit(name);
    m_slaveHold = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_slaveHold < 0)
        fail("open pty");
    makeRaw(m_slaveHold);
    makeRaw(m_master);
    const int flags = fcntl(m_master, F_GETFL);
    fcntl(m_master, F_SETFL, flags | O_NONBLOCK);
}

SimPty::~SimPty()
{
    removeLink();
    if (m_slaveHold >= 0)
        ::close(m_slaveHold);
    if (m_master >= 0)
        ::close(m_master);
}

void SimPty::createLink(const QString& link)
{
    const QByteArray path = link.toLocal8Bit();
    if (QFileInfo(link).isSymLink())
        ::unlink(path.constData());
    if (::symlink(m_slavePath.toLocal8Bit().constData(), path.constData()) != 0)
        fail("symlink");
    m_link = link;
}

void SimPty::removeLink()
{
    if (m_link.isEmpty())
        return;
    ::unlink(m_link.toLocal8Bit().constData());
    m_link.clear();
}
