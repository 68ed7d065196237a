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
    // Number of lines left out for their length.
    int overlongLines() const { return m_overlong; }

private:
    QList<TProfileSection> m_sections;
    QHash<QString, qsizetype> m_first; // case-folded name → index of its first section
    int m_overlong = 0;
};
