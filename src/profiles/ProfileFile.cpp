// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The dashboard profile file syntax.
#include "profiles/ProfileFile.h"

#include "common/AnsiCodec.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

bool isBlank(char c)
{
    return static_cast<unsigned char>(c) <= 0x20;
}

QByteArrayView trimmed(QByteArrayView text)
{
    qsizetype begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

QString folded(const QString& name)
{
    return name.toCaseFolded();
}

} // namespace

bool TProfileFile::load(const QString& path)
{
    m_sections.clear();
    m_first.clear();
    m_overlong = 0;
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly) || file.size() > MaxFileSize)
        return false;
    // The buffer is as large as the file (and a byte, to see one that grew past the limit
    // meanwhile), not as large as the limit: 64 MB for every dashboard opened is waste.
    const QByteArray bytes = file.read(std::min(file.size(), MaxFileSize) + 1);
    if (bytes.size() > MaxFileSize || file.error() != QFileDevice::NoError)
        return false;
    parse(bytes);
    return true;
}

void TProfileFile::parse(const QByteArray& bytes)
{
    m_sections.clear();
    m_first.clear();
    m_overlong = 0;
    m_firstOverlong = 0;
    m_size = bytes.size();
    m_utf16 = bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
    m_hasNul = bytes.contains('\0');
    TProfileSection* current = nullptr;
    const QByteArrayView all(bytes);
    qsizetype start = 0;
    int number = 0;
    while (start <= all.size()) {
        qsizetype end = start;
        while (end < all.size() && all[end] != '\n' && all[end] != '\r')
            ++end;
        const QByteArrayView raw = all.sliced(start, end - start);
        // CR LF ends one line, not two.
        const bool lfOfCrLf = start > 0 && all[start - 1] == '\r' && end == start
            && end < all.size() && all[end] == '\n';
        start = end + 1;
        if (lfOfCrLf)
            continue;
        ++number;
        if (raw.size() > MaxLineLength) {
            if (m_overlong++ == 0)
                m_firstOverlong = number;
            continue;
        }
        const QByteArrayView line = trimmed(raw);
        if (line.isEmpty() || line.front() == ';')
            continue;
        if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
            const QString name = fromAnsi(trimmed(line.sliced(1, line.size() - 2)));
            const QString key = folded(name);
            if (!m_first.contains(key))
                m_first.insert(key, m_sections.size());
            m_sections.append(TProfileSection { name, {} });
            current = &m_sections.last();
            continue;
        }
        if (!current)
            continue;
        TProfileLine entry;
        entry.number = number;
        const qsizetype equals = line.indexOf('=');
        if (equals < 0) {
            entry.key = line.toByteArray();
        } else {
            entry.hasEquals = true;
            entry.key = trimmed(line.first(equals)).toByteArray();
            entry.value = trimmed(line.sliced(equals + 1)).toByteArray();
        }
        current->lines.append(std::move(entry));
    }
}

const TProfileSection* TProfileFile::section(const QString& name) const
{
    const auto it = m_first.constFind(folded(name));
    if (it == m_first.constEnd())
        return nullptr;
    const TProfileSection& found = m_sections.at(*it);
    return found.lines.isEmpty() ? nullptr : &found;
}

std::optional<QByteArray> TProfileFile::value(const QString& sectionName, const QString& key) const
{
    const TProfileLine* found = line(sectionName, key);
    return found ? std::optional<QByteArray>(found->value) : std::nullopt;
}

const TProfileLine* TProfileFile::line(const QString& sectionName, const QString& key) const
{
    const TProfileSection* found = section(sectionName);
    if (!found)
        return nullptr;
    const QString wanted = folded(key);
    for (const TProfileLine& line : found->lines)
        if (line.hasEquals && folded(fromAnsi(line.key)) == wanted)
            return &line;
    return nullptr;
}
