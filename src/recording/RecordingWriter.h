// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Writes a recording as the words come: the header at once, then a block of about a
// second of words at a time, each written and synced to the disk as it closes, so that a
// crash or a power cut costs at most the last second. The file grows while the session
// runs and a cut-short one must keep what it has: it is not written atomically
// (writeFileAtomically) on purpose; the blocks' CRCs let the reader drop a torn tail.
#pragma once

#include "Recording.h"

#include <QFile>
#include <QString>
#include <cstdint>
#include <vector>

class RecordingWriter {
public:
    // A block closes once its words span this long.
    static constexpr uint32_t BlockMs = 1000;
    // ... or holds this many words (many more than a second of any stream).
    static constexpr size_t BlockWords = 1 << 16;

    // Creates (or empties) the file and writes the header. Throws VeskorError, and then
    // leaves no file behind.
    RecordingWriter(const QString& path, const RecordingHeader& header);
    // Writes the open block; a failure then is lost with the object (call close() to see it).
    ~RecordingWriter();

    RecordingWriter(const RecordingWriter&) = delete;
    RecordingWriter& operator=(const RecordingWriter&) = delete;

    // A word timeMs after the start; a time before the last word's counts as the last's.
    // Throws VeskorError when a block that closes cannot be written.
    void append(uint8_t slot, uint16_t word, uint32_t timeMs);
    // The moment a value went past a limit; written with the words of its second. A time
    // before the last mark's counts as the last's.
    void mark(RecordedMark mark);
    // Writes the open block when its first word is at least BlockMs older than nowMs (the
    // time since the start): a stream that pauses loses no more than a second either.
    void flushIfOlder(uint32_t nowMs);
    // Writes the open block now and syncs it. Throws VeskorError; a file that holds no
    // whole block yet is removed then.
    void flush();
    // Writes the open block and closes the file. Throws VeskorError.
    void close();

    QString path() const { return m_file.fileName(); }
    uint64_t wordCount() const { return m_words; }
    uint64_t markCount() const { return m_markCount; }
    // The bytes in the file so far.
    qint64 bytesWritten() const { return m_bytes; }

private:
    void write(const QByteArray& bytes);
    // Throws the failure of the system error code; removes a file without a whole block.
    [[noreturn]] void fail(int code);

    QFile m_file;
    std::vector<RecordedWord> m_block;
    std::vector<RecordedMark> m_marks;
    uint32_t m_lastTime = 0;
    uint32_t m_lastMark = 0;
    uint64_t m_markCount = 0;
    uint64_t m_words = 0;
    uint64_t m_blocks = 0;
    qint64 m_bytes = 0;
};
