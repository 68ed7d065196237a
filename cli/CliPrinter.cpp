#include "CliPrinter.h"

#include "common/Texts.h"
#include "link/LinkMessage.h"
#include "link/LinkTypes.h"

#include <cstdio>

namespace {

QByteArray hexByte(uint16_t word)
{
    return QByteArray::number(word & 0xFF, 16).rightJustified(2, '0').toUpper();
}

// A port text without its placeholder: what the link's port error lines begin with,
// "Ошибка инициализации порта: " at the set-up and "Ошибка порта: " within an exchange.
QString prefixOf(const char* text)
{
    const QString whole = Texts::text(text);
    return whole.left(whole.indexOf(QLatin1String("%s")));
}

} // namespace

CliPrinter::CliPrinter()
{
    m_lastWord.start();
}

QByteArray CliPrinter::calibrationCode(uint16_t high, uint16_t low)
{
    return hexByte(high) + hexByte(low);
}

QByteArray CliPrinter::eventLine(uint8_t code, int32_t lParam)
{
    const char* name = Link::eventName(code);
    QByteArray line = QByteArray("event ") + (name ? name : "?") + ' ';
    if (code == Link::evFirmware)
        return line + QByteArray::number(lParam & 0xFFFF) + ' '
            + QByteArray::number(uint32_t(lParam) >> 16);
    return line + QByteArray::number(lParam);
}

void CliPrinter::print(const QByteArray& line)
{
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void CliPrinter::customEvent(QEvent* event)
{
    LinkEvents::takeOver(event);
    if (event->type() == TLinkLogEvent::eventType()) {
        onLog(static_cast<TLinkLogEvent*>(event)->Text);
    } else if (event->type() == TLinkCommandDone::eventType()) {
        if (m_awaited && static_cast<TLinkCommandDone*>(event)->Code == *m_awaited) {
            m_awaited.reset();
            emit commandDone();
        }
    } else if (event->type() == QEvent::Type(Link::WM_LINK_SLOT)) {
        const auto* message = static_cast<TLinkMessage*>(event);
        onWord(uint8_t(message->WParam), message->LParam);
    } else if (event->type() == QEvent::Type(Link::WM_LINK_EVENT)) {
        const auto* message = static_cast<TLinkMessage*>(event);
        onEvent(uint8_t(message->WParam), message->LParam);
    }
}

void CliPrinter::onLog(const QString& text)
{
    m_logLines.append(text);
    for (const char* line : { Texts::LogPortInitError, Texts::LogPortError }) {
        const QString prefix = prefixOf(line);
        // The first error is the cause; the clean-up after it may fail again.
        if (text.startsWith(prefix) && !m_portError)
            m_portError = text.mid(prefix.size());
    }
    print("log " + text.toUtf8());
}

void CliPrinter::onWord(uint8_t slot, int32_t lParam)
{
    if (!Link::slotHasWord(lParam)) {
        // The slots were cleared: a code seen before is no longer the ECU's answer.
        m_words.fill(std::nullopt);
        return;
    }
    m_lastWord.restart();
    const uint16_t word = Link::slotWord(lParam);
    m_words[slot] = word;
    if (m_wordListener)
        m_wordListener(slot, word, Link::slotIsLiveData(lParam));
}

void CliPrinter::onEvent(uint8_t code, int32_t lParam)
{
    if (!Link::eventName(code))
        return;
    m_events[code] = lParam;
    print(eventLine(code, lParam));
    // The log line names the error; the event is the link's word that an exchange failed.
    if (code == Link::evPortError && !m_portError)
        m_portError = Texts::text(Texts::PortLost);
    // Only both words make a code; the status reset posts evCalibration with none.
    const auto& high = m_words[Link::SlotCalibrationHigh];
    const auto& low = m_words[Link::SlotCalibrationLow];
    if (code == Link::evCalibration && high && low) {
        m_calibration = calibrationCode(*high, *low);
        print("calibration " + m_calibration);
    }
    // "progress 3/78 Прошивка...", as the options page's bar shows the update; "progress
    // end" when the bar is hidden.
    if (code == Link::evFirmware && m_firmware.apply(lParam))
        print(m_firmware.visible()
                ? QByteArray("progress ") + QByteArray::number(m_firmware.position()) + '/'
                    + QByteArray::number(m_firmware.maximum()) + ' ' + m_firmware.caption().toUtf8()
                : QByteArray("progress end"));
}
