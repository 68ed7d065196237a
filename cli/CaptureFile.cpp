// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "CaptureFile.h"

#include "common/Errors.h"

#include <algorithm>
#include <unistd.h>

CaptureFile::CaptureFile(const QString& path)
    : m_file(path)
{
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        throw VeskorError(QStringLiteral("cannot write %1: %2").arg(path, m_file.errorString()));
}

CaptureFile::~CaptureFile()
{
    try {
        flush();
    } catch (const VeskorError&) {
        // The caller's last flush has reported it.
    }
}

void CaptureFile::append(const QByteArray& line)
{
    m_pending += line;
    m_pending += '\n';
}

void CaptureFile::flush()
{
    if (m_pending.isEmpty())
        return;
    const qint64 written = m_file.write(m_pending);
    // What went out stays out; the rest waits for the next try.
    m_pending.remove(0, std::max<qint64>(written, 0));
    if (!m_pending.isEmpty())
        throw VeskorError(
            QStringLiteral("cannot write %1: %2").arg(m_file.fileName(), m_file.errorString()));
    // Out of the page cache too: a flat battery must not cost more than a second either.
    ::fdatasync(m_file.handle());
}
