// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "Exchanges.h"
#include "common/Texts.h"
#include "link/FaultCodeList.h"
#include "link/TLinkContext.h"

#include <algorithm>

namespace Exchanges {

namespace {

    constexpr uint32_t ReadWaitMs = 1000;
    constexpr uint32_t PollMs = 100;
    constexpr uint32_t SettleMs = 500;

    // The status word ends the wait once either bit is set.
    bool testDone(uint16_t status)
    {
        return (status & FaultCodeList::StatusCodesReady)
            || (status & FaultCodeList::StatusNoResult);
    }

    // The slots are cleared and the ECU's answer is awaited: the status word and the
    // codes land in the slot tables. Returns how the wait ended.
    Link::FaultTestOutcome awaitAnswer(TLinkContext& link, char letter)
    {
        TLinkPort& port = link.port();
        port.close();
        port.setEvents(true);
        link.ClearSlots();
        // With the port closed the receive routine is not running: the first packet of
        // the answer starts at its sync byte, whatever an earlier exchange left.
        link.decoder().awaitSync();
        if (link.bluetoothDelay())
            link.sleep(1000);
        // The receive routine runs from this opening on.
        port.open();
        port.purge();
        link.LogLine(Texts::text(Texts::LogPortOpen));

        const int seconds
            = std::clamp(link.MaxTestTime(), Link::MinMaxTestTime, Link::MaxMaxTestTime);
        const uint32_t limit = letter == 'D' ? uint32_t(seconds) * 1000u : ReadWaitMs;
        const QByteArray ack = port.request(QByteArray("c") + letter + '\r', 1);
        const uint32_t t0 = link.tick();
        Link::FaultTestOutcome outcome = Link::ftoNotTaken;
        if (ack.size() == 1 && ack[0] == letter) {
            outcome = Link::ftoSilent;
            while (link.sleep(PollMs)) {
                if (testDone(link.Slots(FaultCodeList::StatusSlot))) {
                    outcome = Link::ftoAnswered;
                    break;
                }
                if (link.tick() - t0 > limit)
                    break;
                // A self-test may wait a minute: Disconnect and the page's cancel must not
                // stay behind it.
                if (link.CancelConnect() || link.shared().CancelFaultTest.load()) {
                    outcome = Link::ftoCancelled;
                    break;
                }
                link.throwIfPortLost();
            }
        }
        // Words that come meanwhile still land in the slot table.
        link.sleep(SettleMs);
        // A status word that came during the settling still counts.
        if (outcome == Link::ftoSilent && testDone(link.Slots(FaultCodeList::StatusSlot)))
            outcome = Link::ftoAnswered;
        return outcome;
    }

    // Runs whatever happened: the page must never keep its "processing" panel up.
    void finish(TLinkContext& link, Link::FaultTestOutcome outcome)
    {
        link.shared().FaultTestOutcome.store(outcome);
        link.postEvent(Link::evFaultTest, 1);
        link.setLinkMode(Link::lmConnected);
    }

} // namespace

void FaultTest(TLinkContext& link, char letter)
{
    if (!link.prepareExchange())
        return;
    link.shared().CancelFaultTest.store(false);
    link.postEvent(Link::evFaultTest, 0);
    link.setLinkMode(Link::lmFaultTest);
    Link::FaultTestOutcome outcome = Link::ftoPortLost;
    try {
        outcome = awaitAnswer(link, letter);
    } catch (...) {
        finish(link, outcome);
        throw;
    }
    finish(link, outcome);
}

void runFaultTest(TLinkContext& link, const TQueuedMessage& command)
{
    FaultTest(link, char(command.LParam & 0xFF));
}

} // namespace Exchanges
