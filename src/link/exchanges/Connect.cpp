#include "Exchanges.h"
#include "VersionReply.h"
#include "common/Texts.h"
#include "link/TCommThread.h"

namespace Exchanges {

namespace {

    constexpr int SearchAttempts = 11;
    constexpr uint32_t CalibrationWaitMs = 1000;

    // Steps 7 to 18 of the handshake on the opened port; false when aborted.
    bool handshake(TCommThread& link)
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
        if (state.isEmpty() || state[0] != 'c')
            return true;

        // From here the receive routine decodes the stream into the slot table.
        link.setLinkMode(Link::lmCalibration);
        const TLinkShared& shared = link.shared();
        port.write("cH\r");
        const uint32_t t0 = link.tick();
        // The receive routine may take the 'H' first; then the read times out empty and the
        // code is looked for only once, below.
        const QByteArray ack = port.read(1);
        if (ack.size() == 1 && ack[0] == 'H') {
            do {
                if (!link.sleep(100))
                    break;
            } while (!(link.tick() - t0 > CalibrationWaitMs)
                && shared.slot(Link::SlotCalibrationHigh) == 0
                && shared.slot(Link::SlotCalibrationLow) == 0);
        }
        link.sleep(100);
        if (shared.slot(Link::SlotCalibrationHigh) != 0
            || shared.slot(Link::SlotCalibrationLow) != 0)
            link.postEvent(Link::evCalibration, 0);
        link.setLinkMode(Link::lmConnected);
        return true;
    }

} // namespace

bool Connect(TCommThread& link, bool open)
{
    link.LogLine(Texts::text(Texts::LogPortInit));
    link.setLinkMode(Link::lmIdle);
    link.port().release();
    try {
        link.port().recreate(link.portConfig());
        link.sleepBluetooth(1000, 100);
        if (!open)
            return true;
        link.LogLine(Texts::text(Texts::LogPortOpening));
        link.port().open();
        return handshake(link);
    } catch (const std::exception& error) {
        link.postEvent(Link::evConnected, 0);
        link.logPortError(error);
        // The failed port object is not used again: the next exchange makes a fresh one.
        link.port().release();
        return false;
    }
}

void runConnect(TCommThread& link, const TQueuedMessage& command)
{
    Connect(link, command.LParam > 0);
}

} // namespace Exchanges
