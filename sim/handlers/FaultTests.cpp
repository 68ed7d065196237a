// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "Handlers.h"
#include "sim/SimDispatcher.h"
#include "sim/SimFrames.h"
#include "sim/SimModule.h"

#include <array>
#include <chrono>
#include <memory>
#include <optional>

namespace SimHandlers {

namespace {

    using Clock = SimModule::Clock;

    // The ECU repeats its answer this long (module clock) and then falls silent, so the
    // next command finds a quiet line.
    constexpr uint32_t AnswerMs = 500;
    constexpr uint16_t StatusBusy = 0;
    constexpr int MaxCodes = 13 * 16;

    struct FaultState {
        std::optional<QList<int>> Stored;

        QList<int>& stored(const SimModule& module)
        {
            if (!Stored)
                Stored = module.config().StoredCodes;
            return *Stored;
        }
    };

    // The code's decimal digits as the three nibbles of the 12-bit value: 112 is 0x112.
    uint16_t codeValue(int code)
    {
        return uint16_t(QString::number(code).toUInt(nullptr, 16) & 0x0FFF);
    }

    // After testMs the status word in slot 0x71 says the test is done and the codes stand
    // in positions 14 down to 2, frames 0 to 15 within each: the order the fault page
    // lists them in. Slots without a code are not sent, so they stay 0.
    void answer(SimModule& module, const QList<int>& codes, uint32_t testMs)
    {
        if (module.hasFault(SimFault::EcuSilent))
            return;
        std::array<uint16_t, 256> words {};
        for (int i = 0; i < std::min<int>(codes.size(), MaxCodes); ++i)
            words[size_t((i % 16) * 16 + 14 - i / 16)] = codeValue(codes[i]);
        const uint16_t done = module.hasFault(SimFault::NoResult) ? SimFrames::TestDoneNoResult
                                                                  : SimFrames::TestDoneWithCodes;
        const auto doneAt = Clock::now() + module.scaled(testMs);
        const auto silentAt = doneAt + module.scaled(AnswerMs);
        const bool listCodes = !module.hasFault(SimFault::NoResult);
        module.startStream([=](uint8_t slot, uint16_t& value) {
            const auto now = Clock::now();
            if (now >= silentAt)
                return false;
            const int position = slot & 0x0F;
            if (position == 0) {
                value = uint16_t(slot >> 4);
                return true;
            }
            if (position == 1) {
                value = slot == SimFrames::TestStatusSlot && now >= doneAt ? done : StatusBusy;
                return true;
            }
            if (position > 14 || now < doneAt || !listCodes || words[slot] == 0)
                return false;
            value = words[slot];
            return true;
        });
    }

} // namespace

void registerFaultTests(SimDispatcher& dispatcher)
{
    auto state = std::make_shared<FaultState>();
    dispatcher.addExact("cB", [state](SimModule& module, const QByteArray&) {
        module.reply("B");
        answer(module, state->stored(module), 0);
    });
    dispatcher.addExact("cC", [state](SimModule& module, const QByteArray&) {
        module.reply("C");
        state->stored(module).clear();
        answer(module, {}, 0);
    });
    // The self-test: with the engine running (KOER) only what the test finds; key on,
    // engine off (KOEO) the continuous-memory codes follow.
    dispatcher.addExact("cD", [state](SimModule& module, const QByteArray&) {
        module.reply("D");
        QList<int> codes = module.config().TestCodes;
        if (!module.config().EngineRunning)
            codes += state->stored(module);
        answer(module, codes, module.config().SelfTestMs);
    });
}

} // namespace SimHandlers
