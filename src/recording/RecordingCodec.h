// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The bytes of a recording file: its header and its blocks. A file is the header, then
// blocks of about a second of words each, every block with its length and a CRC, so that
// a reader finds where a torn or damaged block begins and keeps everything before it.
//
// Header: magic (8 bytes), version (u16), the oldest version able to read the file (u16),
// the length of the fields (u32), the fields, a CRC-32 of all of that (u32). A field is a
// tag (u16), a length (u32) and its bytes; a reader skips tags it does not know.
// Block: marker (u32), kind (u16), flags (u16), word count (u32), base time (u32), length
// unpacked (u32), length packed (u32), CRC-32 of the bytes from kind to the end of the
// packed data (u32), then the zlib-packed data. Kinds a reader does not know are skipped:
// kind 1 holds words, kind 2 (written since the first version, skipped by none) the
// moments a value went past a limit.
// All numbers are little-endian.
#pragma once

#include "Recording.h"

#include <QByteArray>
#include <cstdint>
#include <optional>
#include <span>

namespace RecordingCodec {

inline constexpr char Magic[8] = { 'V', 'S', 'K', 'R', 'E', 'C', '\x1A', '\n' };
// The format this program writes, and the oldest reader that can read what it writes.
inline constexpr uint16_t Version = 1;
inline constexpr uint16_t ReadableFrom = 1;
inline constexpr qsizetype HeaderFixedBytes = 16;
// A header larger than this is damage, not a header.
inline constexpr uint32_t MaxFieldBytes = 1 << 20;

inline constexpr uint32_t BlockMarker = 0x4B425256; // "VRBK"
inline constexpr qsizetype BlockHeaderBytes = 28;
inline constexpr uint16_t KindWords = 1;
inline constexpr uint16_t KindMarks = 2;
// Bounds that no block the writer makes comes near; beyond them a block is damage.
inline constexpr uint32_t MaxBlockWords = 1 << 22;
inline constexpr uint32_t MaxBlockBytes = 1 << 26;

enum class HeaderResult { Ok, NotARecording, Newer, Damaged, Short };

QByteArray encodeHeader(const RecordingHeader& header);
// Reads the header at the start of data; on Ok, headerBytes is its length in the file.
HeaderResult decodeHeader(const QByteArray& data, RecordingHeader& header, qsizetype& headerBytes);

// The block of these words (not empty, times never decreasing), packed.
QByteArray encodeBlock(std::span<const RecordedWord> words);
// The block of these limit marks (not empty, times never decreasing), packed.
QByteArray encodeMarks(std::span<const RecordedMark> marks);

struct Block {
    qsizetype Bytes = 0; // the block's length in the file
    bool Known = false; // a kind this reader knows: the words or marks below are its content
    std::vector<RecordedWord> Words;
    std::vector<RecordedMark> Marks;
};
// The whole, undamaged block at offset at, or nothing when none begins there.
std::optional<Block> decodeBlock(const QByteArray& data, qsizetype at);

} // namespace RecordingCodec
