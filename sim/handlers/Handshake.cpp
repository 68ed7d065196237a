// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "Handlers.h"
#include "sim/SimDispatcher.h"
#include "sim/SimFrames.h"
#include "sim/SimModule.h"

namespace SimHandlers {

void registerHandshake(SimDispatcher& dispatcher)
{
    // "z" stops any stream; in the handshake the reply's last byte '!' tells the module is there.
    dispatcher.addExact("z", [](SimModule& module, const QByteArray&) {
        module.stopStream();
        if (!module.ignoreSearch())
            module.replyToSearch("OK!");
    });
    dispatcher.addExact("v", [](SimModule& module, const QByteArray&) {
        const QByteArray version = module.config().VersionReply;
        module.reply(module.hasFault(SimFault::ShortVersion) ? version.left(3) : version);
    });
    dispatcher.addExact("m", [](SimModule& module, const QByteArray&) {
        module.reply(module.hasFault(SimFault::NoEcu) ? "e" : "c");
    });
    // 'H' and, in the same write, the ECU's calibration words: the code's high byte in
    // slot 0xB1, then its low byte in slot 0xA1. Then the line is quiet, so the replies
    // of later commands come alone.
    dispatcher.addExact("cH", [](SimModule& module, const QByteArray&) {
        QByteArray answer("H");
        for (int i = 0; i < module.config().CalibrationRepeats; ++i) {
            answer += module.packet(SimFrames::CalibrationHighSlot, module.calibrationByte(true));
            answer += module.packet(SimFrames::CalibrationLowSlot, module.calibrationByte(false));
        }
        module.reply(answer);
    });
}

} // namespace SimHandlers
