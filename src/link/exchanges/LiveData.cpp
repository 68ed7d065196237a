// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "Exchanges.h"
#include "common/Placeholders.h"
#include "common/Texts.h"
#include "link/TLinkContext.h"

namespace Exchanges {

bool StopData(TLinkContext& link, bool close)
{
    if (!link.prepareExchange())
        return false;
    link.LogLine(Texts::text(Texts::LogDataStop));
    // From here the receive routine ignores input.
    link.setLinkMode(Link::lmConnected);
    TLinkPort& port = link.port();
    if (!port.isOpen())
        port.open();
    port.write("z\r");
    link.sleepBluetooth(1000, 500);
    port.purge();
    if (close) {
        port.close();
        port.setEvents(false);
    }
    link.ClearSlots();
    return true;
}

void StartData(TLinkContext& link)
{
    if (!link.prepareExchange())
        return;
    // Exactly one handshake happens between here and the table selection: in the
    // preparation above when a closed port existed, otherwise inside StopData.
    StopData(link, false);
    // An aborted handshake in StopData still leaves its port; a port error leaves none.
    TLinkPort& port = link.port();
    if (!port.exists() || link.terminating())
        return;
    if (!port.isOpen())
        port.open();
    port.purge();

    const char table = link.Table();
    const QString letter = QString(QLatin1Char(table));
    link.LogLine(fillPlaceholders(Texts::text(Texts::LogDataCommand), { letter }));
    port.write(QByteArray("l") + table + '\r');
    const QByteArray selected = port.read(1);
    if (selected.size() != 1 || selected[0] != table)
        return;

    link.LogLine(fillPlaceholders(Texts::text(Texts::LogPidMapInit), { letter }));
    const QByteArray prepared = prepareStream(link, "cE");
    if (prepared.size() < 2 || prepared[0] != 'E')
        return;
    openForStream(link, Link::lmLiveData);
    // The stream runs on without the link thread until the next command's Connect.
    port.write("cG\r");
}

void runStartData(TLinkContext& link, const TQueuedMessage&)
{
    StartData(link);
}

void runStopData(TLinkContext& link, const TQueuedMessage&)
{
    StopData(link, true);
}

} // namespace Exchanges
