// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Calibration codes as text: four hexadecimal digits naming an ECU calibration.
#pragma once

#include <QStringView>
#include <cstdint>

namespace CalibrationCode {

inline constexpr int First = 1;
inline constexpr int Last = 65535;

// The code's number: the text read as hexadecimal digits, upper or lower case, without
// prefix; 0 when it is not such a number or does not fit 32 bits.
uint32_t value(QStringView text);

// The database key of a code: its number when it lies in 1 to 65535, else 0 (no key).
int key(QStringView text);

} // namespace CalibrationCode
