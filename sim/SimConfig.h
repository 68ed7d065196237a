// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// What the simulated module is like: its replies, its pace, its clock and its faults.
#pragma once

#include "SimFaults.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>
#include <optional>

namespace SimDefaults {
// The calibration code the simulated ECU reports; the sample calibration database has it.
inline constexpr const char* Calibration = "4BAA";
inline constexpr const char* VersionReply = "V123SIM01";
inline constexpr int Baud = 38400;
inline constexpr uint32_t SelfTestMs = 10000;
inline constexpr uint32_t StreamStopMs = 2000;
inline constexpr int PassCode = 111;
} // namespace SimDefaults

struct SimConfig {
    // Four hexadecimal digits: high byte then low byte.
    QByteArray Calibration = SimDefaults::Calibration;
    QByteArray VersionReply = SimDefaults::VersionReply;
    // Bytes are paced at this rate (10 bits a byte); 0 sends them unpaced.
    int Baud = SimDefaults::Baud;
    // The ECU's link to the module, in baud (the module's option 0 offers 2400 to 19200):
    // the module relays the ECU's words no faster than it carries them, four bytes of ten
    // bits a word, whatever the port's rate. 0: the ECU keeps pace with the port.
    int EcuBaud = 0;
    // Scales every delay of the module, like the link's clock.
    double TimeScale = 1.0;
    SimFaults Faults;
    // The module ignores this many "z" commands before it answers one.
    int IgnoredSearches = 0;
    // Under the refused-block fault, the boot loader's block (counted from 1) without CR.
    int RefusedBlock = 2;

    // Fault codes the ECU keeps in its memory (decimal, 1 to 999): "cB" reads them, "cC"
    // clears them.
    QList<int> StoredCodes;
    // The codes the self-test ("cD") finds; with the engine off (KOEO) the stored codes
    // follow them.
    QList<int> TestCodes = { SimDefaults::PassCode };
    // How long the self-test runs, on the module's clock.
    uint32_t SelfTestMs = SimDefaults::SelfTestMs;
    // The engine starts when the module powers up; off, it stays at rest (KOEO).
    bool EngineRunning = true;
    // Above 0, the running engine turns at exactly this speed from the start (rpm).
    double HeldRpm = 0;
    // How often the module relays the two calibration words right after its 'H'. A module
    // relays them once; more repeats make a forgiving peer.
    int CalibrationRepeats = 1;
    // Under the stream-stops fault every stream falls silent this long after it starts.
    uint32_t StreamStopMs = SimDefaults::StreamStopMs;

    // True when the text is four hexadecimal digits.
    static bool validCalibration(const QByteArray& code);
    // "112,335": decimal codes from 1 to 999, comma-separated; nothing for bad text.
    static std::optional<QList<int>> parseCodes(const QString& text);
};
