// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "Exchanges.h"
#include "common/Texts.h"
#include "link/TLinkContext.h"

namespace Exchanges {

namespace {

    constexpr uint32_t BetweenOptionsMs = 200;
    constexpr size_t MaxReply = 20;

    void writeOption(TLinkContext& link, int option)
    {
        const int8_t value = link.OptionBytes(option);
        // A negative value means the option is not to be written.
        if (value >= 0)
            link.port().write("o" + QByteArray::number(option) + QByteArray::number(value) + "\r");
    }

} // namespace

void ModuleOptions(TLinkContext& link, bool write)
{
    TLinkPort& port = link.port();
    if (!port.exists() && !link.Connect(true))
        return;
    try {
        // Only later openings go without events; an open port keeps its receive routine.
        port.setEvents(false);
        if (!port.isOpen())
            port.open();
        port.purge();
        link.LogLine(Texts::text(Texts::LogPortOpen));
        if (write) {
            writeOption(link, 0);
            link.sleep(BetweenOptionsMs);
            writeOption(link, 1);
            link.postEvent(Link::evOptions, 1);
        } else {
            port.write("ooooooo\r");
            const QByteArray reply = port.read(MaxReply);
            for (qsizetype i = 0; i < reply.size(); ++i)
                link.setOptionBytes(int(i), int8_t(reply[i]));
            if (!reply.isEmpty())
                link.postEvent(Link::evOptions, 0);
        }
    } catch (const std::exception&) {
        link.LogLine(Texts::text(Texts::LogOptionsError));
        link.postEvent(Link::evPortError, Link::cmdModuleOptions);
        link.dropFailedPort();
    }
}

void runModuleOptions(TLinkContext& link, const TQueuedMessage& command)
{
    ModuleOptions(link, command.LParam != 0);
}

} // namespace Exchanges
