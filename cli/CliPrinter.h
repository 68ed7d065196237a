// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// What veskor-cli prints of a link session: its log lines and events on stdout, one per
// line; and what a command asks afterwards: the last report of each kind, when the last
// valid word came, and what went wrong (a port error, no module).
#pragma once

#include "link/LinkReport.h"

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

class FirmwareProgress;
class LinkSession;

class CliPrinter : public QObject {
    Q_OBJECT

public:
    explicit CliPrinter(LinkSession& session);

    // commandDone() is emitted when this command is over.
    void awaitCommand(uint8_t code) { m_awaited = code; }

    // Called for every valid word the link signals, with whether it came in the live data
    // stream rather than a handshake.
    void setWordListener(std::function<void(uint8_t slot, uint16_t word, bool live)> listener)
    {
        m_wordListener = std::move(listener);
    }

    // The last report of the link's event, if one came.
    const std::optional<LinkReport>& last(Link::Event event) const { return m_reports[event]; }
    // True when the last report of the event is of this kind.
    bool lastWas(Link::Event event, LinkReport::Kind kind) const
    {
        return m_reports[event] && m_reports[event]->Type == kind;
    }
    // Milliseconds since the last valid word (or since the printer was made).
    int64_t sinceLastWord() const { return m_lastWord.elapsed(); }
    // The system's words of the first port error the link logged.
    const std::optional<QString>& portError() const { return m_portError; }

    // The code of the last calibration report that came with both words ("4BAA"); empty
    // before.
    const QByteArray& calibration() const { return m_calibration; }
    // Every log line so far, in order.
    const QStringList& logLines() const { return m_logLines; }

    // Writes the line and a newline to stdout and flushes, so a pipe shows it at once.
    static void print(const QByteArray& line);

signals:
    void commandDone();

private:
    void onLog(const QString& text);
    void onPortFailure(const QString& detail);
    void onWords(const Link::WordBatch& batch);
    void onReport(const LinkReport& report);
    void onFirmware(const FirmwareProgress& progress);

    std::optional<uint8_t> m_awaited;
    std::function<void(uint8_t, uint16_t, bool)> m_wordListener;
    std::array<std::optional<LinkReport>, 256> m_reports {};
    QElapsedTimer m_lastWord;
    std::optional<QString> m_portError;
    QStringList m_logLines;
    QByteArray m_calibration;
};
