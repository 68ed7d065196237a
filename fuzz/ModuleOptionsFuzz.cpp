// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Fuzz target: the module's reply to the options request of any bytes (the exchange keeps
// up to 20), each byte read as the options page and veskor-cli read their two options:
// the item it selects is one of the list's or none.
#include "link/ModuleOption.h"
#include "link/TLinkShared.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const size_t kept = std::min<size_t>(size, TLinkShared::OptionCount);
    for (size_t i = 0; i < kept; ++i) {
        for (int option = 0; option < ModuleOption::Count; ++option) {
            // The link keeps the reply's bytes as signed bytes; the readers take them back.
            const auto byte = uint8_t(int8_t(data[i]));
            const int item = ModuleOption::selectedItem(option, byte);
            const QStringList items = ModuleOption::items(option);
            if (item < -1 || item >= items.size())
                std::abort();
            if (item >= 0 && byte != ModuleOption::Unset && byte != uint8_t('0' + item))
                std::abort();
            ModuleOption::label(option);
        }
    }
    return 0;
}
