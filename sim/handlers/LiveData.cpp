// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "Handlers.h"
#include "sim/SimDispatcher.h"
#include "sim/SimEngine.h"
#include "sim/SimFrames.h"
#include "sim/SimModule.h"
#include "sim/SimPidTables.h"
#include "sim/SimPidValues.h"

#include <array>
#include <chrono>
#include <memory>

namespace SimHandlers {

namespace {

    struct LiveState {
        SimModule::Clock::time_point PoweredOn = SimModule::Clock::now();
        char Table = 'P';
    };

    // Seconds of the module's clock since it powered up.
    double secondsSince(SimModule::Clock::time_point start, double timeScale)
    {
        const std::chrono::duration<double> real = SimModule::Clock::now() - start;
        return real.count() / timeScale;
    }

    // Frames 0 to 15, positions 0 to 5: the frame number, a status word (frames 10 and 11
    // carry the calibration code there, as in the identification frames), and the PIDs of
    // the table. The engine is sampled once a cycle of 16 frames.
    SimStreamer::Source liveFrames(const SimModule& module, const LiveState& state)
    {
        const SimPidTables::Table map
            = SimPidTables::table(state.Table).value_or(SimPidTables::Table {});
        const uint16_t high = module.calibrationByte(true);
        const uint16_t low = module.calibrationByte(false);
        const SimEngine engine(module.config().EngineRunning, module.config().HeldRpm);
        const double scale = module.config().TimeScale;
        const auto poweredOn = state.PoweredOn;
        return [=, now = SimEngineState {}, seconds = 0.0](uint8_t slot, uint16_t& value) mutable {
            const int frame = slot >> 4;
            const int position = slot & 0x0F;
            if (position > SimFrames::LastDataPosition)
                return false;
            if (slot == 0) {
                seconds = secondsSince(poweredOn, scale);
                now = engine.at(seconds);
            }
            if (position == 0)
                value = uint16_t(frame);
            else if (position == 1)
                value = slot == SimFrames::CalibrationHighSlot ? high
                    : slot == SimFrames::CalibrationLowSlot    ? low
                                                               : 0;
            else
                value = SimPidValues::value(
                    map[size_t(frame * 4 + position - SimFrames::FirstDataPosition)], now, seconds);
            return true;
        };
    }

} // namespace

void registerLiveData(SimDispatcher& dispatcher)
{
    auto state = std::make_shared<LiveState>();
    // "l" + letter selects a PID table; the memory read's "lD" has a handler of its own.
    dispatcher.addPrefix("l", [state](SimModule& module, const QByteArray& line) {
        if (line.size() != 2 || module.hasFault(SimFault::TableRefused)
            || !SimPidTables::table(line[1])) {
            module.reply("?");
            return;
        }
        state->Table = line[1];
        module.reply(line.mid(1));
    });
    dispatcher.addExact("cE", [state](SimModule& module, const QByteArray&) {
        if (module.hasFault(SimFault::NoAck))
            module.reply("?");
        else if (module.hasFault(SimFault::ShortAck))
            module.reply("E");
        else
            module.reply(QByteArray("E") + state->Table);
    });
    dispatcher.addExact("cG", [state](SimModule& module, const QByteArray&) {
        module.startStream(liveFrames(module, *state));
    });
}

} // namespace SimHandlers
