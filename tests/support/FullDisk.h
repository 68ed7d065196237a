// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// A folder on a file system with no room left: a tiny tmpfs filled to its last block when
// the process may mount one (root), else an ordinary folder under a file size limit, where
// writes fail the same way (EFBIG rather than ENOSPC).
#pragma once

#include "support/FileSizeLimit.h"
#include "support/TempDir.h"

#include <QFile>
#include <memory>
#include <sys/mount.h>
#include <unistd.h>

class FullDisk {
public:
    FullDisk()
    {
        m_mounted = geteuid() == 0
            && ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs",
                   MS_NOSUID | MS_NODEV, "size=1m")
                == 0;
    }
    ~FullDisk()
    {
        m_limit.reset();
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.file(name); }
    QByteArray read(const QString& name) const { return m_dir.read(name); }
    // True on a real full file system, false under the size limit.
    bool mounted() const { return m_mounted; }

    // From now on no write of a byte fits. Returns false when the disk could not be filled.
    bool fill()
    {
        if (!m_mounted) {
            m_limit = std::make_unique<FileSizeLimit>(0);
            return true;
        }
        QFile filler(m_dir.file(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size()) { }
        while (filler.write("f", 1) == 1) { }
        return true;
    }

private:
    TempDir m_dir;
    bool m_mounted = false;
    std::unique_ptr<FileSizeLimit> m_limit;
};
