// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "LinkTypes.h"

namespace Link {

const char* eventName(int code)
{
    switch (code) {
    case evSearching:
        return "evSearching";
    case evConnected:
        return "evConnected";
    case evEcuLink:
        return "evEcuLink";
    case evFirmware:
        return "evFirmware";
    case evFaultTest:
        return "evFaultTest";
    case evDumpProgress:
        return "evDumpProgress";
    case evOptions:
        return "evOptions";
    case evDumpDone:
        return "evDumpDone";
    case evDisconnected:
        return "evDisconnected";
    case evCalibration:
        return "evCalibration";
    case evPortError:
        return "evPortError";
    default:
        return nullptr;
    }
}

} // namespace Link
