// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "Handlers.h"
#include "sim/SimDispatcher.h"
#include "sim/SimModule.h"

#include <array>
#include <memory>

namespace SimHandlers {

namespace {

    // The two options as the module keeps them: ASCII digits, 127 until first written.
    struct StoredOptions {
        std::array<char, 2> Values { 127, 127 };
        // Speed 0 to 3, format 0 to 1: other digits are not options of the module.
        static constexpr std::array<char, 2> Highest { '3', '1' };
    };

} // namespace

void registerOptions(SimDispatcher& dispatcher)
{
    // Kept for the module's life, across restarts, like its EEPROM.
    auto options = std::make_shared<StoredOptions>();
    dispatcher.addExact("ooooooo", [options](SimModule& module, const QByteArray&) {
        module.reply(QByteArray(options->Values.data(), 2));
    });
    for (int option = 0; option < 2; ++option) {
        dispatcher.addPrefix("o" + QByteArray::number(option),
            [options, option](SimModule&, const QByteArray& line) {
                if (line.size() != 3)
                    return;
                const char digit = line[2];
                if (digit >= '0' && digit <= StoredOptions::Highest[size_t(option)])
                    options->Values[size_t(option)] = digit;
            });
    }
    // Resets the module's status; any byte but 0 acknowledges it.
    dispatcher.addExact("cA", [](SimModule& module, const QByteArray&) { module.reply("A"); });
}

} // namespace SimHandlers
