// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// What each PID of the live stream means: a short Russian and English name, the unit of the
// value TFordData::ConvertValue gives, and the names of the known bits of the flag words.
// Read from pids.txt, which the user may edit; a PID without a line keeps its number and
// is "unknown".
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <map>
#include <optional>

struct PidMeaning {
    QString Name; // Russian
    QString NameEn;
    QString Unit; // Russian; empty when the value has none
    QString UnitEn; // ASCII
    QString Conversion; // how the shown value comes from the 12-bit one, for reading
};

class PidTable {
public:
    // The lines of text that cannot be read are left out, each told in problems as
    // "line N: why".
    static PidTable parse(const QString& text, QStringList* problems = nullptr);
    // An unreadable or missing file gives an empty table and a problem.
    static PidTable load(const QString& path, QStringList* problems = nullptr);

    // The table every part of the program reads: the shipped one until another is set,
    // which happens at start, before the link's thread or any reader runs.
    static const PidTable& current();
    static void setCurrent(PidTable table);
    // A pids.txt at path becomes the current table; without one the shipped table stays.
    // Returns the problems of reading it.
    static QStringList useFile(const QString& path);
    // Changes with each setCurrent, so that what is derived from the table knows.
    static unsigned generation();

    const PidMeaning* find(uint8_t pid) const;
    const PidMeaning* findBit(uint8_t pid, int bit) const;
    bool empty() const { return m_pids.empty() && m_bits.empty(); }

    // The texts below are those of the current language: in English the English name and
    // unit of the line ("Engine speed", "rpm"; a unit such as °C keeps its symbol).
    // "Обороты двигателя", or "неизвестно" for a PID without a line.
    QString name(uint8_t pid) const;
    // "об/мин", in the unit the user chose ("°F" for "°C"); empty without a unit.
    QString unit(uint8_t pid) const;
    // "01h Обороты двигателя": the number as the matrix shows it, and the name.
    QString label(uint8_t pid) const;
    // "Обороты двигателя, об/мин", the name alone without a unit, and the label of a PID
    // without a line ("0Dh неизвестно").
    QString nameWithUnit(uint8_t pid) const;
    // The bit's name, or "бит N" when it has none.
    QString bitName(uint8_t pid, int bit) const;
    // "0D" or "1A.7" as pids.txt writes them: nameWithUnit of the PID, or bitName of the
    // bit; empty for text that names neither.
    QString nameOf(const QString& key) const;
    // The PID (and bit, -1 for none) of such a key.
    static std::optional<std::pair<uint8_t, int>> parseKey(const QString& key);

    // "800 об/мин": the value (already in the chosen unit) with digits significant digits,
    // and the PID's unit if any.
    QString valueText(uint8_t pid, double value, int digits = 6) const;
    // What a slot of the matrix carries: "Кадр 0, позиция 2: 01h Обороты двигателя = 800
    // об/мин" for a word of a PID, "Кадр 0, позиция 0" for a position without one (pid
    // nullopt).
    QString slotText(uint8_t slot, uint16_t word, std::optional<uint8_t> pid) const;

    // "01h": the PID's number as the matrix shows it.
    static QString number(uint8_t pid);

private:
    std::map<uint8_t, PidMeaning> m_pids;
    std::map<std::pair<uint8_t, int>, PidMeaning> m_bits;
};
