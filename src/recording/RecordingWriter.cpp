#include "RecordingWriter.h"

#include "RecordingCodec.h"
#include "common/Errors.h"
#include "common/Texts.h"

#include <algorithm>
#include <unistd.h>

RecordingWriter::RecordingWriter(const QString& path, const RecordingHeader& header)
    : m_file(path)
{
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        throw VeskorError(Texts::text(Texts::RecordingWriteFailed).arg(path, m_file.errorString()));
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

void RecordingWriter::flushIfOlder(uint32_t nowMs)
{
    if (!m_block.empty() && nowMs >= m_block.front().TimeMs + BlockMs)
        flush();
}

void RecordingWriter::flush()
{
    if (m_block.empty() || !m_file.isOpen())
        return;
    const QByteArray block = RecordingCodec::encodeBlock(m_block);
    m_block.clear();
    write(block);
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
    const qint64 written = m_file.write(bytes);
    if (written != bytes.size()) {
        // A partial block is dropped by the reader; the file stays usable up to it.
        if (written > 0)
            m_bytes += written;
        throw VeskorError(
            Texts::text(Texts::RecordingWriteFailed).arg(m_file.fileName(), m_file.errorString()));
    }
    m_bytes += written;
    // Out of the page cache too: a flat battery must not cost more than a second either.
    ::fdatasync(m_file.handle());
}
