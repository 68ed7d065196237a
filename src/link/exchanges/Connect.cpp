// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "Exchanges.h"
#include "VersionReply.h"
#include "common/Texts.h"
#include "link/TLinkContext.h"

namespace Exchanges {

namespace {

    constexpr int SearchAttempts = 11;
    constexpr uint32_t CalibrationWaitMs = 1000;

    bool calibrationCodeArrived(const TLinkContext& link)
    {
        // A valid word is never 0: both halves have come since the slots were cleared.
        return link.Slots(Link::SlotCalibrationHigh) != 0
            && link.Slots(Link::SlotCalibrationLow) != 0;
    }

    // Asks the ECU for its identification frames and waits for the two words of the
    // calibration code. The module may send them in the same write as its 'H' or some
    // time later; evCalibration is posted only when both came in answer to this "cH".
    void awaitCalibrationCode(TLinkContext& link)
    {
        TLinkPort& port = link.port();
        // A code left by an earlier connection, perhaps to another car, must not end the
        // wait, and the first packet must not be taken for the tail of an earlier one.
        link.clearSlots({ Link::SlotCalibrationHigh, Link::SlotCalibrationLow });
        link.decoder().awaitSync();
        // From here the receive routine decodes the stream into the slot tables.
        link.setLinkMode(Link::lmCalibration);
        const QByteArray ack = port.request("cH\r", 1);
        const uint32_t t0 = link.tick();
        if (ack.size() == 1 && ack[0] == 'H') {
            while (!calibrationCodeArrived(link) && link.tick() - t0 <= CalibrationWaitMs) {
                if (!link.sleep(100))
                    break;
                link.throwIfPortLost();
            }
        }
        // Words still on their way land meanwhile.
        link.sleep(100);
        if (calibrationCodeArrived(link))
            link.postEvent(Link::evCalibration, 0);
        else if (!link.CancelConnect() && !link.terminating())
            link.LogLine(Texts::text(Texts::EcuNoCalibration));
    }

    // The search for the module, its version and its link to the ECU on the opened port;
    // false when aborted.
    bool handshake(TLinkContext& link)
    {
        TLinkPort& port = link.port();
        bool found = false;
        for (int attempt = 0; attempt < SearchAttempts; ++attempt) {
            link.postEvent(Link::evSearching, attempt);
            port.write("z\r");
            const QByteArray reply = port.read(100);
            if (link.CancelConnect() || link.terminating())
                return false;
            // The last byte decides: a module may send "OK!" or just "!".
            if (!reply.isEmpty() && reply.back() == '!') {
                found = true;
                break;
            }
        }
        link.sleep(200);
        port.purge();
        if (!found) {
            link.postEvent(Link::evConnected, 0);
            link.LogLine(Texts::text(Texts::ModuleSilent)
                             .arg(link.devicePath())
                             .arg(link.portConfig().Baud));
            return true;
        }

        port.write("v\r");
        const QByteArray version = port.read(9);
        if (version.size() < 4)
            return true;
        const VersionReply parsed = VersionReply::parse(version);
        link.setVersion(parsed.FirmwareVersion, parsed.ModuleId);
        link.postEvent(Link::evConnected, 1);

        link.sleep(100);
        port.purge();
        port.write("m\r");
        const QByteArray state = port.read(1);
        if (!state.isEmpty())
            link.postEvent(Link::evEcuLink, uint8_t(state[0]));
        link.sleep(100);
        port.purge();
        if (state.isEmpty() || state[0] != 'c') {
            link.LogLine(Texts::text(Texts::EcuSilent));
            return true;
        }

        awaitCalibrationCode(link);
        link.setLinkMode(Link::lmConnected);
        return true;
    }

} // namespace

bool Connect(TLinkContext& link, bool open)
{
    link.LogLine(Texts::text(Texts::LogPortInit));
    link.setLinkMode(Link::lmIdle);
    link.port().release();
    try {
        link.port().recreate(link.portConfig());
        link.shared().PortLost.store(false, std::memory_order_relaxed);
        link.sleepBluetooth(1000, 100);
        if (!open)
            return true;
        link.LogLine(Texts::text(Texts::LogPortOpening));
        link.port().open();
        return handshake(link);
    } catch (const std::exception& error) {
        link.setLinkMode(Link::lmIdle);
        link.postEvent(Link::evConnected, 0);
        link.logPortError(error);
        // The failed port object is not used again: the next exchange makes a fresh one.
        link.port().release();
        return false;
    }
}

void runConnect(TLinkContext& link, const TQueuedMessage& command)
{
    Connect(link, command.LParam > 0);
}

} // namespace Exchanges
