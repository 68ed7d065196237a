// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "CommandTable.h"

#include "Exchanges.h"
#include "link/LinkTypes.h"

#include <array>
#include <utility>

namespace Exchanges {

namespace {

    // One line per command; a code that is not listed does nothing.
    constexpr std::pair<uint8_t, Procedure> Table[] = {
        { Link::cmdConnect, runConnect },
        { Link::cmdDisconnect, runDisconnect },
        { Link::cmdToggleTestSignal, runToggleTestSignal },
        { Link::cmdResetModule, runResetModule },
        { Link::cmdModuleOptions, runModuleOptions },
        { Link::cmdReadCalibration, runReadCalibration },
        { Link::cmdFlashFirmware, runFlashFirmware },
        { Link::cmdStartData, runStartData },
        { Link::cmdStopData, runStopData },
        { Link::cmdFaultTest, runFaultTest },
        { Link::cmdDumpToFile, runDumpToFile },
        { Link::cmdDumpRange, runDumpRange },
    };

} // namespace

Procedure commandProcedure(uint8_t code)
{
    for (const auto& [tableCode, procedure] : Table)
        if (tableCode == code)
            return procedure;
    return nullptr;
}

} // namespace Exchanges
