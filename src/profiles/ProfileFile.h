// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// A dashboard profile file parsed into memory: 8-bit lines, trimmed; ";" comments and empty
// lines ignored; "[name]" opens a section; "key = value" lines with the blanks around the
// first "=" removed. Names match regardless of case, and of two sections with one name only
// the first is ever found.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <optional>

struct TProfileLine {
    QByteArray key; // the text before the first "="
    QByteArray value; // the text after it
    bool hasEquals = false; // a line without "=" stays in its section but sets nothing
    int number = 0; // the line's number in the file, from 1
};

struct TProfileSection {
    QString name;
    QList<TProfileLine> lines;
};

class TProfileFile {
public:
    // Lines longer than this are left out (and counted): no profile needs them, and a
    // runaway line must not cost the build minutes.
    static constexpr qsizetype MaxLineLength = 64 * 1024;
    // Larger files are not read at all.
    static constexpr qint64 MaxFileSize = 64LL * 1024 * 1024;

    // Reads and parses the file; false when it can't be read (or is too large).
    bool load(const QString& path);
    void parse(const QByteArray& bytes);

    // The first section of that name; nullptr when there is none or it has no lines.
    const TProfileSection* section(const QString& name) const;
    // The value of the first line with that key in the section.
    std::optional<QByteArray> value(const QString& section, const QString& key) const;
    // That line itself; nullptr when there is none.
    const TProfileLine* line(const QString& section, const QString& key) const;
    // Number of lines left out for their length, and the first of them.
    int overlongLines() const { return m_overlong; }
    int firstOverlongLine() const { return m_firstOverlong; }
    // What the bytes were, to tell why a file yields nothing: no bytes at all, a UTF-16
    // byte order mark, NUL bytes (UTF-16 without a mark, or not text at all).
    bool empty() const { return m_size == 0; }
    bool utf16() const { return m_utf16; }
    bool hasNul() const { return m_hasNul; }

private:
    QList<TProfileSection> m_sections;
    QHash<QString, qsizetype> m_first; // case-folded name → index of its first section
    int m_overlong = 0;
    int m_firstOverlong = 0;
    qsizetype m_size = 0;
    bool m_utf16 = false;
    bool m_hasNul = false;
};
