// What the simulated module is like: its replies, its pace, its clock and its faults.
#pragma once

#include "SimFaults.h"

#include <QByteArray>

namespace SimDefaults {
// The calibration code the simulated ECU reports; the sample calibration database has it.
inline constexpr const char* Calibration = "4BAA";
inline constexpr const char* VersionReply = "V123SIM01";
inline constexpr int Baud = 38400;
} // namespace SimDefaults

struct SimConfig {
    // Four hexadecimal digits: high byte then low byte.
    QByteArray Calibration = SimDefaults::Calibration;
    QByteArray VersionReply = SimDefaults::VersionReply;
    // Bytes are paced at this rate (10 bits a byte); 0 sends them unpaced.
    int Baud = SimDefaults::Baud;
    // Scales every delay of the module, like the link's clock.
    double TimeScale = 1.0;
    SimFaults Faults;
    // The module ignores this many "z" commands before it answers one.
    int IgnoredSearches = 0;
    // Under the refused-block fault, the boot loader's block (counted from 1) without CR.
    int RefusedBlock = 2;

    // True when the text is four hexadecimal digits.
    static bool validCalibration(const QByteArray& code);
};
