// The event sink of veskor-cli: prints the link's log lines and events on stdout, one per
// line, and ends the event loop when the command it waits for is over.
#pragma once

#include "link/FirmwareProgress.h"

#include <QObject>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

class TCommThread;

class CliPrinter : public QObject {
    Q_OBJECT

public:
    void setLink(const TCommThread* link) { m_link = link; }
    // The event loop ends when this command is done.
    void awaitCommand(uint8_t code) { m_awaited = code; }

    // Called for every valid word the link signals (WM_LINK_SLOT carrying the word).
    void setSlotListener(std::function<void(uint8_t slot)> listener)
    {
        m_slotListener = std::move(listener);
    }

    // The last lParam of an event code, if the event came.
    std::optional<int32_t> lastEvent(uint8_t code) const { return m_events[code]; }

    // "calibration 4BAA": the code from the low bytes of slots 0xB1 and 0xA1.
    static QByteArray calibrationCode(uint16_t high, uint16_t low);
    // Every log line so far, in order.
    const QStringList& logLines() const { return m_logLines; }

protected:
    void customEvent(QEvent* event) override;

private:
    void print(const QByteArray& line);

    const TCommThread* m_link = nullptr;
    std::optional<uint8_t> m_awaited;
    std::function<void(uint8_t)> m_slotListener;
    std::array<std::optional<int32_t>, 256> m_events {};
    QStringList m_logLines;
    FirmwareProgress m_firmware;
};
