// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The module's reply to "v": a first character, three digits of the firmware version
// times 100 and up to five characters of the module identifier.
#pragma once

#include <QByteArray>

struct VersionReply {
    float FirmwareVersion = 0;
    QByteArray ModuleId;

    // The reply is cut at its first zero byte and at 9 bytes. A version that is not a
    // decimal number is 0.
    static VersionReply parse(const QByteArray& reply);
};
