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
        print("log " + static_cast<TLinkLogEvent*>(event)->Text.toUtf8());
        return;
    }
    if (event->type() == TLinkCommandDone::eventType()) {
        if (m_awaited && static_cast<TLinkCommandDone*>(event)->Code == *m_awaited)
            QCoreApplication::exit(0);
        return;
    }
    if (event->type() == QEvent::Type(Link::WM_LINK_SLOT)) {
        const auto* slot = static_cast<TLinkMessage*>(event);
        if (slot->LParam == 1 && m_slotListener)
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
    if (message->WParam == Link::evCalibration && m_link)
        print("calibration "
            + calibrationCode(
                m_link->Slots(Link::SlotCalibrationHigh), m_link->Slots(Link::SlotCalibrationLow)));
}
