// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "Handlers.h"
#include "sim/SimDispatcher.h"
#include "sim/SimModule.h"

namespace SimHandlers {

namespace {

    // After a restart the loader waits this long for its first command, then the
    // module's firmware starts. Longer than the link's pause after "r" (1000 ms), and
    // a front end that speaks to the module instead (Connect's "z") ends it at once.
    constexpr uint32_t EntryWindowMs = 3000;
    // A session nobody speaks to any more gives the module back.
    constexpr uint32_t IdleSessionMs = 10000;

    void handBack(SimModule& module)
    {
        module.bootLoader().leave();
        module.setRawInput(nullptr);
    }

    // Ends the loader's wait or session if nothing happened since the timer was set.
    void leaveWhenIdle(SimModule& module, uint32_t ms)
    {
        const uint64_t seen = module.bootLoader().activity();
        module.after(ms, [&module, seen] {
            const SimBootLoader& loader = module.bootLoader();
            if (loader.state() != SimBootLoader::State::Left && loader.activity() == seen)
                handBack(module);
        });
    }

    void feed(SimModule& module, QByteArray& input)
    {
        SimBootLoader& loader = module.bootLoader();
        QByteArray reply;
        loader.take(input, reply);
        if (!reply.isEmpty())
            module.reply(reply);
        if (loader.state() == SimBootLoader::State::Left)
            module.setRawInput(nullptr);
        else
            leaveWhenIdle(module,
                loader.state() == SimBootLoader::State::Session ? IdleSessionMs : EntryWindowMs);
    }

} // namespace

void registerBootLoader(SimDispatcher& dispatcher)
{
    // The module restarts: its stream stops and the boot loader takes the port's bytes.
    dispatcher.addExact("r", [](SimModule& module, const QByteArray&) {
        module.stopStream();
        module.bootLoader().restart();
        module.setRawInput([&module](QByteArray& input) { feed(module, input); });
        leaveWhenIdle(module, EntryWindowMs);
    });
}

} // namespace SimHandlers
