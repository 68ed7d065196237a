// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "RecordingFile.h"

#include "RecordingCodec.h"
#include "common/Errors.h"
#include "common/StampedName.h"
#include "common/SystemError.h"
#include "common/Texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <algorithm>

namespace RecordingFile {

namespace {

    QString headerError(RecordingCodec::HeaderResult result, const QString& name)
    {
        using R = RecordingCodec::HeaderResult;
        switch (result) {
        case R::Newer:
            return Texts::text(Texts::RecordingNewer).arg(name);
        case R::Damaged:
        case R::Short:
            return Texts::text(Texts::RecordingHeaderDamaged).arg(name);
        default:
            return Texts::text(Texts::RecordingNotOne).arg(name);
        }
    }

    // The next offset after from where a whole block begins; data.size() when none does.
    qsizetype nextBlock(const QByteArray& data, qsizetype from)
    {
        static const QByteArray marker = [] {
            QByteArray m(4, Qt::Uninitialized);
            qToLittleEndian<uint32_t>(RecordingCodec::BlockMarker, m.data());
            return m;
        }();
        for (qsizetype at = data.indexOf(marker, from); at >= 0; at = data.indexOf(marker, at + 1))
            if (RecordingCodec::decodeBlock(data, at))
                return at;
        return data.size();
    }

} // namespace

Recording fromBytes(const QByteArray& data, const QString& name)
{
    Recording read;
    qsizetype at = 0;
    const auto result = RecordingCodec::decodeHeader(data, read.Header, at);
    if (result != RecordingCodec::HeaderResult::Ok)
        throw VeskorError(headerError(result, name));

    std::vector<RecordedWord>& words = read.Words;
    while (at < data.size()) {
        const auto block = RecordingCodec::decodeBlock(data, at);
        // A block that would go back in time is no part of this recording.
        std::vector<RecordedMark>& marks = read.Marks;
        const bool fits = block
            && (block->Words.empty() || words.empty()
                || block->Words.front().TimeMs >= words.back().TimeMs)
            && (block->Marks.empty() || marks.empty()
                || block->Marks.front().TimeMs >= marks.back().TimeMs);
        if (!fits) {
            const qsizetype next = nextBlock(data, at + 1);
            read.LostBytes += next - at;
            at = next;
            continue;
        }
        words.insert(words.end(), block->Words.begin(), block->Words.end());
        marks.insert(marks.end(), block->Marks.begin(), block->Marks.end());
        at += block->Bytes;
    }
    if (read.LostBytes > 0)
        read.Note = Texts::text(Texts::RecordingPartLost)
                        .arg(name)
                        .arg(read.LostBytes)
                        .arg(double(read.durationMs()) / 1000.0, 0, 'f', 1);
    return read;
}

Recording read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw VeskorError(Texts::text(Texts::RecordingUnreadable).arg(path, fileErrorText(file)));
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw VeskorError(Texts::text(Texts::RecordingUnreadable).arg(path, fileErrorText(file)));
    return fromBytes(data, path);
}

std::vector<RecordingEntry> list(const QString& folder)
{
    std::vector<RecordingEntry> entries;
    const QFileInfoList files = QDir(folder).entryInfoList(
        { QStringLiteral("*.") + QLatin1String(Extension) }, QDir::Files | QDir::Readable);
    for (const QFileInfo& info : files) {
        QDateTime started = StampedName::timeOf(info.completeBaseName());
        if (!started.isValid())
            started = info.lastModified();
        entries.push_back({ info.absoluteFilePath(), started, info.size() });
    }
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return a.Started != b.Started ? a.Started > b.Started : a.Path > b.Path;
    });
    return entries;
}

} // namespace RecordingFile
