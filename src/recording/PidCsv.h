// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The one CSV form of live data, written alike by veskor-cli's live --csv and by the export
// of a recording: a line "# start" with the absolute time of time 0, a heading row time_s
// and one column per PID of the table ("Engine speed (rpm)", "PID 13" without a name), then
// a row per cycle of the ECU's 16 frames at the time of its last word, each cell the PID's
// last value (TFordData::ShownValue), empty until the PID has come.
#pragma once

#include "FrameCycle.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

// "," and "." by default; ";" and a decimal comma for a spreadsheet with Russian settings,
// which takes a comma for the decimal mark and would split the numbers.
struct CsvDialect {
    char Separator = ',';
    char Decimal = '.';
};

class PidCsv {
public:
    using PidMap = std::array<uint8_t, 64>;

    using Dialect = CsvDialect;
    // The dialect of --csv-locale: "ru", or "en" for the default; nullopt for another name.
    static std::optional<Dialect> dialect(const QString& locale);

    explicit PidCsv(const PidMap& map, Dialect dialect = {});

    // "# start 2026-12-10T10:15:00+01:00": one cell in a spreadsheet, a comment line to plot
    // tools. Without a newline, as every line here.
    QByteArray startLine(const QDateTime& started) const;
    QByteArray heading() const;
    // A checked word of the slot, timeMs after the start: the row of the cycle it ended. A
    // cycle ends with the word of frame 15, position 5, or when the frame number goes back.
    std::optional<QByteArray> onWord(uint8_t slot, uint16_t word, uint32_t timeMs);
    // At the stop of the stream: the row of the cycle it cut short, if a word came since
    // the last row.
    std::optional<QByteArray> finish();

    // The PIDs of the table, each once, in map order.
    const QList<uint8_t>& pids() const { return m_pids; }
    // The column of each PID: its name and unit, made unique with the number where two
    // would read the same.
    static QStringList columnNames(const QList<uint8_t>& pids);

private:
    QByteArray row() const;
    QByteArray field(const QString& text) const;

    PidMap m_map;
    Dialect m_dialect;
    QList<uint8_t> m_pids;
    std::array<std::optional<float>, 256> m_values {};
    FrameCycle m_cycle;
    uint32_t m_lastTime = 0;
};
