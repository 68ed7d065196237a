// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "store/PidTable.h"

#include "common/LanguageData.h"
#include "common/SystemError.h"
#include "common/Texts.h"
#include "common/UiLanguage.h"
#include "common/Units.h"
#include "store/TFordData.h"

#include <QFile>
#include <QMutex>
#include <QStringDecoder>
#include <atomic>

namespace {

QMutex g_lock;
std::atomic<unsigned> g_generation { 0 };
// Until the user's pids.txt is read, the copy the program was built with.
PidTable& shared()
{
    static PidTable table = PidTable::load(QStringLiteral(":/veskor/pids.txt"));
    return table;
}

// "-" stands for an empty field, so that a line keeps its column count in any editor.
QString field(const QString& text)
{
    const QString t = text.trimmed();
    return t == QLatin1String("-") ? QString() : t;
}

bool english()
{
    return Languages::current() == UiLanguage::English;
}

// The English window takes the English name, and the Russian one where a user's line
// leaves the English out.
const QString& shownName(const PidMeaning& m)
{
    return english() && !m.NameEn.isEmpty() ? m.NameEn : m.Name;
}

// A unit written the same in both languages (°C, °, %) keeps its symbol in English; the
// English column spells it in ASCII for CSV headings.
const QString& shownUnit(const PidMeaning& m)
{
    return english() && LanguageData::isRussian(m.Unit) ? m.UnitEn : m.Unit;
}

} // namespace

// "0D" or "1A.7": the PID and the bit (-1 for the whole PID).
std::optional<std::pair<uint8_t, int>> PidTable::parseKey(const QString& text)
{
    const QStringList parts = text.trimmed().split(QLatin1Char('.'));
    if (parts.size() > 2)
        return std::nullopt;
    bool ok = false;
    const uint pid = parts[0].toUInt(&ok, 16);
    if (!ok || pid > 0xFF || parts[0].size() > 2)
        return std::nullopt;
    int bit = -1;
    if (parts.size() == 2) {
        bit = parts[1].toInt(&ok);
        if (!ok || bit < 0 || bit > 15)
            return std::nullopt;
    }
    return std::pair { uint8_t(pid), bit };
}

PidTable PidTable::parse(const QString& text, QStringList* problems)
{
    PidTable table;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const auto tell = [&](const char* why) {
            if (problems)
                problems->append(
                    Texts::text(Texts::PidTableBadLine).arg(i + 1).arg(Texts::text(why)));
        };
        const QStringList fields = lines[i].split(QLatin1Char('\t'));
        if (fields.size() < 5) {
            tell(Texts::PidTableTooFewFields);
            continue;
        }
        const auto where = parseKey(fields[0]);
        if (!where) {
            tell(Texts::PidTableBadNumber);
            continue;
        }
        PidMeaning meaning { field(fields[1]), field(fields[2]), field(fields[3]), field(fields[4]),
            fields.size() > 5 ? field(fields[5]) : QString() };
        if (meaning.Name.isEmpty()) {
            tell(Texts::PidTableNoName);
            continue;
        }
        if (where->second < 0)
            table.m_pids[where->first] = std::move(meaning);
        else
            table.m_bits[*where] = std::move(meaning);
    }
    return table;
}

PidTable PidTable::load(const QString& path, QStringList* problems)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (problems)
            problems->append(Texts::text(Texts::PidTableUnreadable).arg(path, fileErrorText(file)));
        return {};
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(file.readAll());
    return parse(text, problems);
}

const PidTable& PidTable::current()
{
    QMutexLocker lock(&g_lock);
    return shared();
}

void PidTable::setCurrent(PidTable table)
{
    QMutexLocker lock(&g_lock);
    shared() = std::move(table);
    g_generation.fetch_add(1, std::memory_order_release);
}

unsigned PidTable::generation()
{
    return g_generation.load(std::memory_order_acquire);
}

QStringList PidTable::useFile(const QString& path)
{
    QStringList problems;
    if (!QFile::exists(path))
        return problems;
    PidTable table = load(path, &problems);
    // A file that could not be opened at all leaves the shipped names in place.
    if (!table.empty() || problems.isEmpty())
        setCurrent(std::move(table));
    return problems;
}

const PidMeaning* PidTable::find(uint8_t pid) const
{
    const auto it = m_pids.find(pid);
    return it == m_pids.end() ? nullptr : &it->second;
}

const PidMeaning* PidTable::findBit(uint8_t pid, int bit) const
{
    const auto it = m_bits.find({ pid, bit });
    return it == m_bits.end() ? nullptr : &it->second;
}

QString PidTable::name(uint8_t pid) const
{
    const PidMeaning* m = find(pid);
    return m ? shownName(*m) : Texts::text(Texts::PidUnknown);
}

QString PidTable::unit(uint8_t pid) const
{
    const PidMeaning* m = find(pid);
    return m ? Units::convertText(shownUnit(*m), Units::current()) : QString();
}

QString PidTable::number(uint8_t pid)
{
    return QString::number(pid, 16).toUpper().rightJustified(2, QLatin1Char('0'))
        + QLatin1Char('h');
}

QString PidTable::label(uint8_t pid) const
{
    return number(pid) + QLatin1Char(' ') + name(pid);
}

QString PidTable::nameWithUnit(uint8_t pid) const
{
    const PidMeaning* m = find(pid);
    if (!m)
        return label(pid);
    const QString u = unit(pid);
    return u.isEmpty() ? shownName(*m) : shownName(*m) + QStringLiteral(", ") + u;
}

QString PidTable::nameOf(const QString& key) const
{
    const auto where = parseKey(key);
    if (!where)
        return {};
    return where->second < 0 ? nameWithUnit(where->first) : bitName(where->first, where->second);
}

QString PidTable::bitName(uint8_t pid, int bit) const
{
    const PidMeaning* m = findBit(pid, bit);
    return m ? shownName(*m) : Texts::text(Texts::PidBitUnnamed).arg(bit);
}

QString PidTable::slotText(uint8_t slot, uint16_t word, std::optional<uint8_t> pid) const
{
    const QString where = Texts::text(Texts::MatrixSlot).arg(slot >> 4).arg(slot & 0x0F);
    if (!pid)
        return where;
    return Texts::text(Texts::MatrixSlotPid)
        .arg(where, label(*pid), valueText(*pid, TFordData::ShownValue(*pid, word)));
}

QString PidTable::valueText(uint8_t pid, double value, int digits) const
{
    QString text = QString::number(value, 'g', digits);
    if (const QString u = unit(pid); !u.isEmpty())
        text += QLatin1Char(' ') + u;
    return text;
}
