#include "CliPrinter.h"

#include "link/LinkMessage.h"
#include "link/LinkTypes.h"
#include "link/TCommThread.h"

#include <QCoreApplication>
#include <cstdio>

QByteArray CliPrinter::calibrationCode(uint16_t high, uint16_t low)
{
    return QByteArray::number(high & 0xFF, 16).rightJustified(2, '0').toUpper()
        + QByteArray::number(low & 0xFF, 16).rightJustified(2, '0').toUpper();
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
        m_logLines.append(static_cast<TLinkLogEvent*>(event)->Text);
        print("log " + m_logLines.last().toUtf8());
        return;
    }
    if (event->type() == TLinkCommandDone::eventType()) {
        if (m_awaited && static_cast<TLinkCommandDone*>(event)->Code == *m_awaited)
            QCoreApplication::exit(0);
        return;
    }
    if (event->type() == QEvent::Type(Link::WM_LINK_SLOT)) {
        const auto* slot = static_cast<TLinkMessage*>(event);
        if (Link::slotHasWord(slot->LParam) && m_slotListener)
            m_slotListener(uint8_t(slot->WParam));
        return;
    }
    if (event->type() != QEvent::Type(Link::WM_LINK_EVENT))
        return;
    const auto* message = static_cast<TLinkMessage*>(event);
    const char* name = Link::eventName(int(message->WParam));
    if (!name)
        return;
    m_events[message->WParam & 0xFF] = message->LParam;
    print(QByteArray("event ") + name + ' ' + QByteArray::number(message->LParam));
    // The status reset (cmdReadCalibration) also posts evCalibration, with the slots just
    // cleared: that is no code of the ECU.
    const uint16_t high = m_link ? m_link->Slots(Link::SlotCalibrationHigh) : 0;
    const uint16_t low = m_link ? m_link->Slots(Link::SlotCalibrationLow) : 0;
    if (message->WParam == Link::evCalibration && (high || low))
        print("calibration " + calibrationCode(high, low));
    // "progress 3/78 Прошивка...", as the options page's bar shows the update; "progress
    // end" when the bar is hidden.
    if (message->WParam == Link::evFirmware && m_firmware.apply(message->LParam))
        print(m_firmware.visible()
                ? QByteArray("progress ") + QByteArray::number(m_firmware.position()) + '/'
                    + QByteArray::number(m_firmware.maximum()) + ' ' + m_firmware.caption().toUtf8()
                : QByteArray("progress end"));
}
