// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The link's events as typed reports: what happened, its argument, and what the link held
// at the moment of the event (version, calibration code, fault test outcome, option
// bytes). Only the link reads its packed event arguments; front ends read these.
#pragma once

#include "LinkTypes.h"

#include <QByteArray>
#include <QMetaType>
#include <QString>
#include <cstdint>

struct LinkReport {
    enum Kind {
        Ignored,
        Searching, // Argument: the attempt
        Connected, // Text: the version label's text
        NotConnected,
        EcuLink, // Argument: the state byte of the "m" reply
        Firmware, // Step and Argument: the update's step and its number
        FaultTestBegun,
        FaultTestEnded, // Outcome: how it ended
        DumpProgress, // Argument: the image address
        OptionsRead, // Bytes: the option bytes the module sent
        OptionsWritten,
        DumpDone, // Argument: the request tag
        Disconnected, // Argument: 1 when an open port was closed
        Calibration, // Text: the code, four upper-case hexadecimal digits; HasCode: both
                     // of its words came since the slots were cleared
        PortError, // Argument: the command that met it, or Link::PortErrorStream
    };

    Kind Type = Ignored;
    int32_t Argument = 0;
    QString Text;
    bool HasCode = false;
    Link::FirmwareStep Step = Link::FirmwareStep(0);
    Link::FaultTestOutcome Outcome = Link::ftoNone;
    QByteArray Bytes;
    // The event as the link posted it, for the line veskor-cli prints.
    uint8_t Code = 0xFF;
    int32_t Raw = 0;
};
Q_DECLARE_METATYPE(LinkReport)

namespace LinkReports {

// The report of a link event (code, lParam); the texts are left for the caller to fill.
LinkReport fromEvent(int code, int32_t lParam);

// "event evFirmware 2 5": the event's name and its argument, a firmware step as step and
// number; empty for an event without a name.
QByteArray eventLine(const LinkReport& report);

// "1.23 (AB001)": the version / 100 with two decimals and a point, then the identifier.
QString versionText(float firmwareVersion, const QByteArray& moduleId);
// "4BAA": the low bytes of slots 0xB1 and 0xA1 as two upper-case hexadecimal digits each.
QString calibrationCode(uint16_t highSlot, uint16_t lowSlot);

} // namespace LinkReports
