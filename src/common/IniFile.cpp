// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "IniFile.h"

#include "AnsiCodec.h"
#include "AtomicFile.h"
#include "IntegerText.h"

#include <QFile>

#define SI_NO_CONVERSION
#include <SimpleIni.h>
#include <cctype>
#include <string>

struct IniFile::Impl {
    // case-insensitive names, repeated keys kept (the first one is read), no multi-line values
    CSimpleIniA ini { false, true, false };
};

namespace {

QByteArray stripQuotes(QByteArray value)
{
    if (value.size() >= 2) {
        const char first = value.front();
        if ((first == '"' || first == '\'') && value.back() == first)
            value = value.mid(1, value.size() - 2);
    }
    return value;
}

std::string key8(const QString& s)
{
    // Names are mostly short ASCII: copied as they are, they need no conversion buffer.
    std::string ascii;
    ascii.reserve(static_cast<size_t>(s.size()));
    for (const QChar c : s) {
        if (c.unicode() >= 0x80)
            return s.toStdString();
        ascii.push_back(static_cast<char>(c.unicode()));
    }
    return ascii;
}

// The 2047-byte cut may split a UTF-8 sequence: drop its incomplete tail rather than
// decode it as a replacement character.
QByteArray withoutBrokenUtf8Tail(QByteArray bytes)
{
    qsizetype lead = bytes.size();
    int continuation = 0;
    while (lead > 0 && continuation < 3 && (static_cast<uchar>(bytes[lead - 1]) & 0xC0) == 0x80) {
        --lead;
        ++continuation;
    }
    if (lead == 0)
        return bytes;
    const uchar first = static_cast<uchar>(bytes[lead - 1]);
    const int length = first >= 0xF0 ? 4 : first >= 0xE0 ? 3 : first >= 0xC0 ? 2 : 1;
    if (length > 1 && continuation + 1 < length)
        bytes.truncate(lead - 1);
    return bytes;
}

// Reading trims a value and drops one pair of enclosing quotes: a value that would lose
// its outer blanks or quotes that way is written inside quotes.
bool needsQuotes(const QByteArray& value)
{
    if (value.isEmpty())
        return false;
    const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    return blank(value.front()) || blank(value.back()) || stripQuotes(value).size() != value.size();
}

// A line that opens a section name without closing it is no section. The INI reader
// would still take the lines below it into a section named after them (a vehicle
// appearing in autos.ini from nowhere), so such a line is read as a comment.
QByteArray withUnclosedSectionsCommented(const QByteArray& data)
{
    const auto lineEnd = [](char c) { return c == '\n' || c == '\r'; };
    QByteArray out;
    out.reserve(data.size());
    qsizetype start = 0;
    while (start < data.size()) {
        qsizetype end = start;
        while (end < data.size() && !lineEnd(data[end]))
            ++end;
        qsizetype first = start;
        while (first < end && (data[first] == ' ' || data[first] == '\t'))
            ++first;
        const QByteArrayView line(data.constData() + first, end - first);
        if (line.startsWith('[') && !line.contains(']'))
            out += ';';
        while (end < data.size() && lineEnd(data[end]))
            ++end;
        out.append(data.constData() + start, end - start);
        start = end;
    }
    return out;
}

} // namespace

IniFile::IniFile()
    : d(std::make_unique<Impl>())
{
    d->ini.SetSpaces(false);
}

IniFile::~IniFile() = default;

bool IniFile::load(const QString& path)
{
    d->ini.Reset();
    QFile file(path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    loadData(file.readAll());
    return true;
}

void IniFile::loadData(const QByteArray& data)
{
    d->ini.Reset();
    const QByteArray text = withUnclosedSectionsCommented(data);
    d->ini.LoadData(text.constData(), static_cast<size_t>(text.size()));
}

QByteArray IniFile::data() const
{
    std::string out;
    d->ini.Save(out);
    return QByteArray::fromStdString(out);
}

void IniFile::save(const QString& path) const
{
    writeFileAtomically(path, data());
}

QStringList IniFile::sections() const
{
    CSimpleIniA::TNamesDepend names;
    d->ini.GetAllSections(names);
    names.sort(CSimpleIniA::Entry::LoadOrder());
    QStringList result;
    for (const auto& entry : names) {
        // Keys above the first section header belong to no section.
        if (*entry.pItem != '\0')
            result.append(QString::fromUtf8(entry.pItem));
    }
    return result;
}

bool IniFile::hasSection(const QString& section) const
{
    return d->ini.GetSection(key8(section).c_str()) != nullptr;
}

QStringList IniFile::keys(const QString& section) const
{
    CSimpleIniA::TNamesDepend names;
    d->ini.GetAllKeys(key8(section).c_str(), names);
    names.sort(CSimpleIniA::Entry::LoadOrder());
    QStringList result;
    for (const auto& entry : names)
        result.append(QString::fromUtf8(entry.pItem));
    return result;
}

bool IniFile::hasKey(const QString& section, const QString& key) const
{
    return readRaw(section, key).has_value();
}

std::optional<QByteArray> IniFile::readRaw(const QString& section, const QString& key) const
{
    const char* value = d->ini.GetValue(key8(section).c_str(), key8(key).c_str(), nullptr);
    if (!value)
        return std::nullopt;
    return QByteArray(value);
}

QByteArray IniFile::readBytes(
    const QString& section, const QString& key, const QByteArray& defaultValue) const
{
    const auto raw = readRaw(section, key);
    if (!raw)
        return defaultValue.left(MaxValueBytes);
    return stripQuotes(*raw).left(MaxValueBytes);
}

QString IniFile::readUtf8(
    const QString& section, const QString& key, const QString& defaultValue) const
{
    const auto raw = readRaw(section, key);
    if (!raw)
        return defaultValue;
    const QByteArray bytes = readBytes(section, key);
    return QString::fromUtf8(bytes.size() == MaxValueBytes ? withoutBrokenUtf8Tail(bytes) : bytes);
}

QString IniFile::readUtf8Whole(
    const QString& section, const QString& key, const QString& defaultValue) const
{
    const auto raw = readRaw(section, key);
    return raw ? QString::fromUtf8(stripQuotes(*raw)) : defaultValue;
}

QString IniFile::readAnsi(
    const QString& section, const QString& key, const QString& defaultValue) const
{
    const auto raw = readRaw(section, key);
    if (!raw)
        return defaultValue;
    return fromAnsi(readBytes(section, key));
}

int IniFile::readInteger(const QString& section, const QString& key, int defaultValue) const
{
    const auto raw = readRaw(section, key);
    if (!raw)
        return defaultValue;
    return parseInteger(stripQuotes(*raw)).value_or(defaultValue);
}

bool IniFile::readBool(const QString& section, const QString& key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void IniFile::writeBytes(const QString& section, const QString& key, const QByteArray& value)
{
    // A value is one line: a line break in it would start a key or section of its own.
    QByteArray line = value;
    line.replace('\r', ' ').replace('\n', ' ');
    if (needsQuotes(line))
        line = '"' + line + '"';
    d->ini.SetValue(key8(section).c_str(), key8(key).c_str(), line.constData(), nullptr, true);
}

void IniFile::writeUtf8(const QString& section, const QString& key, const QString& value)
{
    writeBytes(section, key, value.toUtf8());
}

void IniFile::writeInteger(const QString& section, const QString& key, int value)
{
    writeBytes(section, key, QByteArray::number(value));
}

void IniFile::writeBool(const QString& section, const QString& key, bool value)
{
    writeBytes(section, key, value ? "1" : "0");
}

void IniFile::eraseSection(const QString& section)
{
    d->ini.Delete(key8(section).c_str(), nullptr, true);
}
