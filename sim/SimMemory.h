// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The simulated ECU's 64 KiB memory: RAM with the adaptive tables and their checksum at
// the sample car profile's addresses, and ROM with calibration-like data. The same image
// every run, so tests can compare a dump with it.
#pragma once

#include <QByteArray>
#include <cstdint>

namespace SimMemory {

inline constexpr int Size = 65536;
inline constexpr int RamSize = 0x2000;
// The sample car profile names these (data/CarProfiles.ini).
inline constexpr uint16_t AdaptiveAddress = 0x0B00;
inline constexpr uint16_t AdaptiveChecksumAddress = 0x0BAC;
// 8 rows of 10 load-speed cells, 6 idle cells, and the rest of the learnt values.
inline constexpr int AdaptiveSize = 172;
// 10 x 8 maps in ROM where the memory page's test tab looks first.
inline constexpr uint16_t MapAddresses[] = { 0xC112, 0xC200, 0xC304, 0xC69D, 0xC73E };

const QByteArray& image();

// The little-endian sum of the adaptive area's bytes, as the ECU keeps it.
uint16_t adaptiveChecksum(const QByteArray& image);

} // namespace SimMemory
