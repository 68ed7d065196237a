// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "RecordingCodec.h"

#include "common/WordPacket.h"

#include <QtEndian>
#include <array>
#include <cstring>
#include <zlib.h>

namespace RecordingCodec {

namespace {

    enum Tag : uint16_t {
        TagStarted = 1, // i64 milliseconds since the epoch, i32 seconds ahead of UTC
        TagTable = 2, // 1 byte
        TagPidMap = 3, // 64 bytes
        TagCalibration = 4, // UTF-8
        TagModuleVersion = 5, // UTF-8
        TagVehicle = 6, // UTF-8
    };

    template <typename T> void put(QByteArray& out, T value)
    {
        char bytes[sizeof(T)];
        qToLittleEndian(value, bytes);
        out.append(bytes, sizeof(T));
    }

    template <typename T> T get(const QByteArray& data, qsizetype at)
    {
        return qFromLittleEndian<T>(data.constData() + at);
    }

    void putField(QByteArray& out, uint16_t tag, const QByteArray& value)
    {
        put<uint16_t>(out, tag);
        put<uint32_t>(out, uint32_t(value.size()));
        out += value;
    }

    uint32_t crcOf(const char* data, qsizetype size, uint32_t crc = 0)
    {
        return uint32_t(::crc32(uLong(crc), reinterpret_cast<const Bytef*>(data), uInt(size)));
    }

    void putVarint(QByteArray& out, uint32_t value)
    {
        while (value >= 0x80) {
            out += char(value | 0x80);
            value >>= 7;
        }
        out += char(value);
    }

    // Frames unpacked bytes as a block of the kind: header, CRC and the zlib-packed bytes.
    QByteArray packBlock(uint16_t kind, uint32_t count, uint32_t base, const QByteArray& raw)
    {
        uLongf packedBytes = compressBound(uLong(raw.size()));
        QByteArray block(BlockHeaderBytes + qsizetype(packedBytes), Qt::Uninitialized);
        auto* packed = reinterpret_cast<Bytef*>(block.data() + BlockHeaderBytes);
        compress2(packed, &packedBytes, reinterpret_cast<const Bytef*>(raw.constData()),
            uLong(raw.size()), Z_DEFAULT_COMPRESSION);
        block.resize(BlockHeaderBytes + qsizetype(packedBytes));

        char* head = block.data();
        qToLittleEndian<uint32_t>(BlockMarker, head);
        qToLittleEndian<uint16_t>(kind, head + 4);
        qToLittleEndian<uint16_t>(0, head + 6);
        qToLittleEndian<uint32_t>(count, head + 8);
        qToLittleEndian<uint32_t>(base, head + 12);
        qToLittleEndian<uint32_t>(uint32_t(raw.size()), head + 16);
        qToLittleEndian<uint32_t>(uint32_t(packedBytes), head + 20);
        uint32_t crc = crcOf(head + 4, 20);
        crc = crcOf(block.constData() + BlockHeaderBytes, qsizetype(packedBytes), crc);
        qToLittleEndian<uint32_t>(crc, head + 24);
        return block;
    }

    // Adds the varint at raw[at] to time; false when it is cut short, too long or takes the
    // time past its range.
    bool addVarint(const QByteArray& raw, qsizetype& at, uint64_t& time)
    {
        uint32_t step = 0;
        for (int shift = 0;; shift += 7) {
            if (at >= raw.size() || shift > 28)
                return false;
            const auto byte = uint8_t(raw[at++]);
            step |= uint32_t(byte & 0x7F) << shift;
            if (!(byte & 0x80))
                break;
        }
        time += step;
        return time <= UINT32_MAX;
    }

    // The word's value as a change from the slot's last value, and its check nibble as a
    // change from the one the value implies: a slowly moving, valid stream packs to little.
    uint16_t deltaWord(uint16_t word, uint16_t previous)
    {
        const uint16_t value = word & 0x0FFF;
        const uint16_t check = uint16_t((word >> 12) ^ WordPacket::checkNibble(value));
        return uint16_t(((value - (previous & 0x0FFF)) & 0x0FFF) | (check << 12));
    }

    uint16_t undeltaWord(uint16_t stored, uint16_t previous)
    {
        const uint16_t value = uint16_t((previous + stored) & 0x0FFF);
        return uint16_t(value | ((WordPacket::checkNibble(value) ^ (stored >> 12)) << 12));
    }

    void applyField(RecordingHeader& header, uint16_t tag, const QByteArray& value)
    {
        switch (tag) {
        case TagStarted:
            if (value.size() == 12)
                header.Started = QDateTime::fromMSecsSinceEpoch(
                    get<qint64>(value, 0), Qt::OffsetFromUTC, get<qint32>(value, 8));
            break;
        case TagTable:
            if (value.size() == 1)
                header.Table = value[0];
            break;
        case TagPidMap:
            if (value.size() == qsizetype(header.PidMap.size()))
                std::memcpy(header.PidMap.data(), value.constData(), header.PidMap.size());
            break;
        case TagCalibration:
            header.Calibration = QString::fromUtf8(value);
            break;
        case TagModuleVersion:
            header.ModuleVersion = QString::fromUtf8(value);
            break;
        case TagVehicle:
            header.Vehicle = QString::fromUtf8(value);
            break;
        default: // a field of a later version
            break;
        }
    }

} // namespace

QByteArray encodeHeader(const RecordingHeader& header)
{
    QByteArray fields;
    if (header.Started.isValid()) {
        QByteArray started;
        put<qint64>(started, header.Started.toMSecsSinceEpoch());
        put<qint32>(started, header.Started.offsetFromUtc());
        putField(fields, TagStarted, started);
    }
    putField(fields, TagTable, QByteArray(1, header.Table));
    putField(fields, TagPidMap,
        QByteArray(reinterpret_cast<const char*>(header.PidMap.data()), header.PidMap.size()));
    putField(fields, TagCalibration, header.Calibration.toUtf8());
    putField(fields, TagModuleVersion, header.ModuleVersion.toUtf8());
    putField(fields, TagVehicle, header.Vehicle.toUtf8());

    QByteArray out(Magic, sizeof Magic);
    put<uint16_t>(out, Version);
    put<uint16_t>(out, ReadableFrom);
    put<uint32_t>(out, uint32_t(fields.size()));
    out += fields;
    put<uint32_t>(out, crcOf(out.constData(), out.size()));
    return out;
}

HeaderResult decodeHeader(const QByteArray& data, RecordingHeader& header, qsizetype& headerBytes)
{
    const qsizetype magicBytes = qMin<qsizetype>(data.size(), sizeof Magic);
    if (std::memcmp(data.constData(), Magic, size_t(magicBytes)) != 0)
        return HeaderResult::NotARecording;
    if (data.size() < HeaderFixedBytes)
        return HeaderResult::Short;
    if (get<uint16_t>(data, 10) > Version)
        return HeaderResult::Newer;
    const uint32_t fieldBytes = get<uint32_t>(data, 12);
    if (fieldBytes > MaxFieldBytes)
        return HeaderResult::Damaged;
    const qsizetype end = HeaderFixedBytes + qsizetype(fieldBytes);
    if (data.size() < end + 4)
        return HeaderResult::Short;
    if (crcOf(data.constData(), end) != get<uint32_t>(data, end))
        return HeaderResult::Damaged;

    RecordingHeader read;
    for (qsizetype at = HeaderFixedBytes; at < end;) {
        if (end - at < 6)
            return HeaderResult::Damaged;
        const uint16_t tag = get<uint16_t>(data, at);
        const uint32_t length = get<uint32_t>(data, at + 2);
        at += 6;
        if (length > uint32_t(end - at))
            return HeaderResult::Damaged;
        applyField(read, tag, data.mid(at, qsizetype(length)));
        at += qsizetype(length);
    }
    header = read;
    headerBytes = end + 4;
    return HeaderResult::Ok;
}

QByteArray encodeBlock(std::span<const RecordedWord> words)
{
    // Columns pack better than records: time steps, slots, then the low and the high
    // bytes of the words as changes from their slot's last word.
    const auto count = qsizetype(words.size());
    QByteArray raw;
    raw.reserve(count * 5);
    uint32_t time = words.front().TimeMs;
    for (const RecordedWord& w : words) {
        putVarint(raw, w.TimeMs - time);
        time = w.TimeMs;
    }
    const qsizetype columns = raw.size();
    raw.resize(columns + 3 * count);
    char* out = raw.data() + columns;
    std::array<uint16_t, 256> last {};
    for (qsizetype i = 0; i < count; ++i) {
        const RecordedWord& w = words[size_t(i)];
        const uint16_t stored = deltaWord(w.Word, last[w.Slot]);
        last[w.Slot] = w.Word;
        out[i] = char(w.Slot);
        out[count + i] = char(stored & 0xFF);
        out[2 * count + i] = char(stored >> 8);
    }

    return packBlock(KindWords, uint32_t(count), words.front().TimeMs, raw);
}

QByteArray encodeMarks(std::span<const RecordedMark> marks)
{
    // A record per mark: the time step, the PID, the level and the value as a float.
    QByteArray raw;
    raw.reserve(qsizetype(marks.size()) * 8);
    uint32_t time = marks.front().TimeMs;
    for (const RecordedMark& m : marks) {
        putVarint(raw, m.TimeMs - time);
        time = m.TimeMs;
        raw += char(m.Pid);
        raw += char(m.Level);
        put<float>(raw, m.Value);
    }
    return packBlock(KindMarks, uint32_t(marks.size()), marks.front().TimeMs, raw);
}

namespace {

    // The words of a block's unpacked columns; false when they do not add up.
    bool unpackWords(
        const QByteArray& raw, uint32_t count, uint32_t base, std::vector<RecordedWord>& words)
    {
        words.resize(count);
        qsizetype at = 0;
        uint64_t time = base;
        for (uint32_t i = 0; i < count; ++i) {
            if (!addVarint(raw, at, time))
                return false;
            words[i].TimeMs = uint32_t(time);
        }
        if (raw.size() - at != 3 * qsizetype(count))
            return false;
        const char* in = raw.constData() + at;
        std::array<uint16_t, 256> last {};
        for (uint32_t i = 0; i < count; ++i) {
            const auto slot = uint8_t(in[i]);
            const auto stored = uint16_t(uint8_t(in[count + i]) | uint8_t(in[2 * count + i]) << 8);
            words[i].Slot = slot;
            words[i].Word = last[slot] = undeltaWord(stored, last[slot]);
        }
        return true;
    }

    // The marks of a block's unpacked records; false when they do not add up. A level this
    // reader does not know is damage: the writer makes only the two.
    bool unpackMarks(
        const QByteArray& raw, uint32_t count, uint32_t base, std::vector<RecordedMark>& marks)
    {
        marks.resize(count);
        qsizetype at = 0;
        uint64_t time = base;
        for (RecordedMark& m : marks) {
            if (!addVarint(raw, at, time) || raw.size() - at < 6)
                return false;
            m.TimeMs = uint32_t(time);
            m.Pid = uint8_t(raw[at]);
            m.Level = uint8_t(raw[at + 1]);
            m.Value = get<float>(raw, at + 2);
            at += 6;
            if (m.Level != RecordedMark::Warning && m.Level != RecordedMark::Alarm)
                return false;
        }
        return at == raw.size();
    }

} // namespace

std::optional<Block> decodeBlock(const QByteArray& data, qsizetype at)
{
    if (data.size() - at < BlockHeaderBytes || get<uint32_t>(data, at) != BlockMarker)
        return std::nullopt;
    const auto kind = get<uint16_t>(data, at + 4);
    const auto count = get<uint32_t>(data, at + 8);
    const auto base = get<uint32_t>(data, at + 12);
    const auto rawBytes = get<uint32_t>(data, at + 16);
    const auto packedBytes = get<uint32_t>(data, at + 20);
    if (packedBytes > MaxBlockBytes || rawBytes > MaxBlockBytes || count > MaxBlockWords
        || data.size() - at - BlockHeaderBytes < qsizetype(packedBytes))
        return std::nullopt;
    const char* packed = data.constData() + at + BlockHeaderBytes;
    uint32_t crc = crcOf(data.constData() + at + 4, 20);
    crc = crcOf(packed, qsizetype(packedBytes), crc);
    if (crc != get<uint32_t>(data, at + 24))
        return std::nullopt;

    Block block;
    block.Bytes = BlockHeaderBytes + qsizetype(packedBytes);
    if (kind != KindWords && kind != KindMarks)
        return block;
    // Every word takes at least four bytes unpacked, every mark seven: a count beyond that
    // is damage.
    if (count == 0 || rawBytes / (kind == KindWords ? 4 : 7) < count)
        return std::nullopt;
    QByteArray raw(qsizetype(rawBytes), Qt::Uninitialized);
    uLongf rawLength = rawBytes;
    if (uncompress(reinterpret_cast<Bytef*>(raw.data()), &rawLength,
            reinterpret_cast<const Bytef*>(packed), uLong(packedBytes))
            != Z_OK
        || rawLength != rawBytes)
        return std::nullopt;
    if (kind == KindWords ? !unpackWords(raw, count, base, block.Words)
                          : !unpackMarks(raw, count, base, block.Marks))
        return std::nullopt;
    block.Known = true;
    return block;
}

} // namespace RecordingCodec
