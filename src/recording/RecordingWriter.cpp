// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "RecordingWriter.h"

#include "RecordingCodec.h"
#include "common/Errors.h"
#include "common/SystemError.h"
#include "common/Texts.h"

#include <algorithm>
#include <cerrno>
#include <unistd.h>

RecordingWriter::RecordingWriter(const QString& path, const RecordingHeader& header)
    : m_file(path)
{
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        fail(errno);
    write(RecordingCodec::encodeHeader(header));
}

RecordingWriter::~RecordingWriter()
{
    try {
        close();
    } catch (const VeskorError&) {
        // Whoever needed to know has called close() and seen it.
    }
}

void RecordingWriter::append(uint8_t slot, uint16_t word, uint32_t timeMs)
{
    timeMs = std::max(timeMs, m_lastTime);
    m_lastTime = timeMs;
    if (!m_block.empty()
        && (timeMs - m_block.front().TimeMs >= BlockMs || m_block.size() >= BlockWords))
        flush();
    m_block.push_back({ timeMs, slot, word });
    ++m_words;
}

void RecordingWriter::mark(RecordedMark mark)
{
    mark.TimeMs = std::max(mark.TimeMs, m_lastMark);
    m_lastMark = mark.TimeMs;
    m_marks.push_back(mark);
    ++m_markCount;
}

void RecordingWriter::flushIfOlder(uint32_t nowMs)
{
    const auto older = [nowMs](uint32_t first) { return nowMs >= first + BlockMs; };
    if ((!m_block.empty() && older(m_block.front().TimeMs))
        || (!m_marks.empty() && older(m_marks.front().TimeMs)))
        flush();
}

void RecordingWriter::flush()
{
    if ((m_block.empty() && m_marks.empty()) || !m_file.isOpen())
        return;
    // The words and the marks of the same second go out in one write and one sync.
    QByteArray blocks;
    if (!m_block.empty())
        blocks = RecordingCodec::encodeBlock(m_block);
    if (!m_marks.empty())
        blocks += RecordingCodec::encodeMarks(m_marks);
    m_block.clear();
    m_marks.clear();
    write(blocks);
    ++m_blocks;
}

void RecordingWriter::close()
{
    if (!m_file.isOpen())
        return;
    try {
        flush();
    } catch (const VeskorError&) {
        m_file.close();
        throw;
    }
    m_file.close();
}

void RecordingWriter::write(const QByteArray& bytes)
{
    // Written by the descriptor itself, so that the reason of a failure is the system's own
    // error code, told in the program's language.
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n
            = ::write(m_file.handle(), bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            // A partial block is dropped by the reader; the file stays usable up to it.
            m_bytes += done;
            fail(n < 0 ? errno : ENOSPC);
        }
        done += n;
    }
    m_bytes += done;
    // Out of the page cache too: a flat battery must not cost more than a second either.
    // Some file systems tell a full disk only here; one that cannot sync at all says EINVAL.
    if (::fdatasync(m_file.handle()) != 0 && errno != EINVAL)
        fail(errno);
}

void RecordingWriter::fail(int code)
{
    const QString path = m_file.fileName();
    // A file without a whole block holds no word: left behind, it would list as a session
    // that recorded nothing.
    if (m_blocks == 0 && m_file.isOpen()) {
        m_file.close();
        QFile::remove(path);
    }
    throw VeskorError(Texts::text(Texts::RecordingWriteFailed).arg(path, systemErrorText(code)));
}
