#include "Handlers.h"
#include "link/LinkTypes.h"
#include "sim/SimDispatcher.h"
#include "sim/SimModule.h"

namespace SimHandlers {

namespace {

    // The identification frames come three times (12 words each), then the ECU is quiet:
    // the burst is over long before the handshake that asked for it ends, so the next
    // command's reply finds a quiet line.
    constexpr int IdentificationWords = 3 * 12;

    // Some value for every ECU slot that carries nothing of interest.
    uint16_t fillerValue(uint8_t slot)
    {
        return uint16_t((slot * 37 + 5) & 0x0FFF);
    }

} // namespace

void registerHandshake(SimDispatcher& dispatcher)
{
    // "z" stops any stream; in the handshake the reply's last byte '!' tells the module is there.
    dispatcher.addExact("z", [](SimModule& module, const QByteArray&) {
        module.stopStream();
        if (!module.ignoreSearch())
            module.reply("OK!");
    });
    dispatcher.addExact("v", [](SimModule& module, const QByteArray&) {
        const QByteArray version = module.config().VersionReply;
        module.reply(module.hasFault(SimFault::ShortVersion) ? version.left(3) : version);
    });
    dispatcher.addExact("m", [](SimModule& module, const QByteArray&) {
        module.reply(module.hasFault(SimFault::NoEcu) ? "e" : "c");
    });
    // The ECU's identification frames 10 and 11 (positions 0 to 5): the calibration code
    // in the low bytes of slots 0xA1 (low) and 0xB1 (high). Two short frames bring both
    // halves of the code within a few packets of each other. The module relays them a few
    // times and falls quiet, so that the replies of later commands come alone.
    dispatcher.addExact("cH", [](SimModule& module, const QByteArray&) {
        module.reply("H");
        const uint16_t high = module.calibrationByte(true);
        const uint16_t low = module.calibrationByte(false);
        module.startStream([high, low, sent = 0](uint8_t slot, uint16_t& value) mutable {
            const int frame = slot >> 4;
            if (sent >= IdentificationWords || (frame != 0x0A && frame != 0x0B)
                || (slot & 0x0F) > 5)
                return false;
            ++sent;
            value = slot == Link::SlotCalibrationHigh ? high
                : slot == Link::SlotCalibrationLow    ? low
                                                      : fillerValue(slot);
            return true;
        });
    });
}

} // namespace SimHandlers
