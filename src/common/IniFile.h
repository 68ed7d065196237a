// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// INI access with the platform's profile-string rules: sections and keys match
// regardless of case, the first of repeated keys wins, values are trimmed and lose
// one pair of enclosing quotes, strings are cut at 2047 bytes (UTF-8 texts at the last
// whole character), integers accept decimal and hexadecimal ("$1A0", "0x1A0") and fall
// back to the default silently. Keys above the first section belong to no section, and a
// written value stays on one line (line breaks become blanks).
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class IniFile {
public:
    IniFile();
    ~IniFile();
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;

    // Reads the file; a missing file gives an empty INI. Returns false if it exists
    // but cannot be read.
    bool load(const QString& path);
    void loadData(const QByteArray& data);
    // Writes the whole INI atomically. Throws VeskorError on failure (the old file stays).
    void save(const QString& path) const;
    QByteArray data() const;

    QStringList sections() const; // in file order
    bool hasSection(const QString& section) const;
    QStringList keys(const QString& section) const; // in file order
    bool hasKey(const QString& section, const QString& key) const;

    std::optional<QByteArray> readRaw(const QString& section, const QString& key) const;
    QByteArray readBytes(
        const QString& section, const QString& key, const QByteArray& defaultValue = {}) const;
    QString readUtf8(
        const QString& section, const QString& key, const QString& defaultValue = {}) const;
    // The same without the 2047-byte cut: for what the user typed, which must come back whole.
    QString readUtf8Whole(
        const QString& section, const QString& key, const QString& defaultValue = {}) const;
    QString readAnsi(
        const QString& section, const QString& key, const QString& defaultValue = {}) const;
    int readInteger(const QString& section, const QString& key, int defaultValue) const;
    bool readBool(const QString& section, const QString& key, bool defaultValue) const;

    void writeBytes(const QString& section, const QString& key, const QByteArray& value);
    void writeUtf8(const QString& section, const QString& key, const QString& value);
    void writeInteger(const QString& section, const QString& key, int value);
    void writeBool(const QString& section, const QString& key, bool value);
    void eraseSection(const QString& section);

    static constexpr int MaxValueBytes = 2047;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
