// The event sink of veskor-cli: prints the link's log lines and events on stdout, one per
// line, and tells when the command it waits for is over, when the last valid word came,
// and what went wrong (a port error, no module).
#pragma once

#include "link/FirmwareProgress.h"

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

class CliPrinter : public QObject {
    Q_OBJECT

public:
    CliPrinter();

    // commandDone() is emitted when this command is over.
    void awaitCommand(uint8_t code) { m_awaited = code; }

    // Called for every valid word the link signals, with the word the event carries (the
    // slot table may already hold a later word, or a rejected one) and whether it came in
    // the live data stream rather than a handshake.
    void setWordListener(std::function<void(uint8_t slot, uint16_t word, bool live)> listener)
    {
        m_wordListener = std::move(listener);
    }

    // The last lParam of an event code, if the event came.
    std::optional<int32_t> lastEvent(uint8_t code) const { return m_events[code]; }
    // Milliseconds since the last valid word (or since the printer was made).
    int64_t sinceLastWord() const { return m_lastWord.elapsed(); }
    // The last valid word of the slot since the link last cleared the slots; 0 when none
    // came. Unlike the link's slot table, it never holds a rejected word.
    uint16_t validWord(uint8_t slot) const { return m_words[slot].value_or(0); }
    // The message of the last port error the link logged.
    const std::optional<QString>& portError() const { return m_portError; }

    // "calibration 4BAA": the code from the low bytes of the words of slots 0xB1 and 0xA1.
    static QByteArray calibrationCode(uint16_t high, uint16_t low);
    // "event evFirmware 2 5": the step and its argument instead of the packed number.
    static QByteArray eventLine(uint8_t code, int32_t lParam);
    // The code of the last evCalibration that came with both words ("4BAA"); empty before.
    const QByteArray& calibration() const { return m_calibration; }
    // Every log line so far, in order.
    const QStringList& logLines() const { return m_logLines; }

    // Writes the line and a newline to stdout and flushes, so a pipe shows it at once.
    static void print(const QByteArray& line);

signals:
    void commandDone();

protected:
    void customEvent(QEvent* event) override;

private:
    void onLog(const QString& text);
    void onWord(uint8_t slot, int32_t lParam);
    void onEvent(uint8_t code, int32_t lParam);

    std::optional<uint8_t> m_awaited;
    std::function<void(uint8_t, uint16_t, bool)> m_wordListener;
    std::array<std::optional<int32_t>, 256> m_events {};
    QElapsedTimer m_lastWord;
    std::optional<QString> m_portError;
    // The last valid word of each slot since the slots were last cleared.
    std::array<std::optional<uint16_t>, 256> m_words {};
    QStringList m_logLines;
    QByteArray m_calibration;
    FirmwareProgress m_firmware;
};
