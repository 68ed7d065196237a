// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// What the memory page shows, decided without widgets: the decoding of the adaptive tables
// and of a byte map from the memory image, the cell colours, the dump folder and the
// arguments of the read commands.
#pragma once

#include <QColor>
#include <QDateTime>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

namespace MemoryView {

// One byte of the memory image at an address.
using ImageReader = std::function<uint8_t(uint16_t address)>;

inline constexpr int Rows = 8;
inline constexpr int Columns = 10;
inline constexpr int IdleRows = 6;
inline constexpr int AdaptiveBytes = 172;
// Bytes read by "Прочитать из EEC-IV" from the table's address on.
inline constexpr int AdaptiveReadBytes = 192;
inline constexpr int BlockBytes = 16;
inline constexpr int ImageBytes = 65536;
inline constexpr int FullLastBlock = 4095; // RAM and ROM, 65536 bytes
inline constexpr int RamLastBlock = 511; // RAM, 8192 bytes
// The request tag of the adaptive tables' range read.
inline constexpr int AdaptiveTag = 1;
// The table contrast of the options page at its default.
inline constexpr int DefaultContrast = 500;

// Column headings (engine speed) and row headings (load, one decimal).
const std::array<int, Columns>& rpmHeadings();
QString loadHeading(int row); // row 0 to 7

using Cells = std::array<std::array<QString, Columns>, Rows>;
using IdleCells = std::array<QString, IdleRows>;

struct AdaptTables {
    MemoryView::Cells Cells;
    IdleCells Idle;
    QString Checksum; // the sum of the area, at least four upper-case hex digits
    bool ChecksumMatches = false;

    bool operator==(const AdaptTables&) const = default;
};

// Addresses near the top wrap to 0, so nothing is read outside the image.
AdaptTables decodeAdaptTables(const ImageReader& image, uint16_t address, uint16_t checksumAddress);
Cells decodeByteMap(const ImageReader& image, uint16_t base);
// True when every byte the adaptive tables are decoded from, their area and the stored
// checksum, is marked as read (marks: the link's received marks, wrapping like the decode).
bool adaptiveAreaRead(const ImageReader& marks, uint16_t address, uint16_t checksumAddress);

// A correction factor: byte / 256 + 0.5 with three decimals.
QString factorText(uint8_t value);
// The base address typed by the user; 0 when the text is no hexadecimal number.
uint16_t baseAddress(const QString& text);

// The fill of an adaptive cell for its text; none for the factor 1 (the grid's own colour)
// and for an empty cell. Channels that the contrast drives below 0 stay at 0.
std::optional<QColor> factorColour(const QString& text, int contrast);
// The same for a factor as a number.
std::optional<QColor> factorTint(float factor, int contrast);
// The glow of the checksum: green when it matches the stored one, red when not.
QColor checksumGlow(bool matches);
// The fill of a byte map cell: the stronger the red, the larger the byte.
std::optional<QColor> byteColour(const QString& text);

// Dumps/<vehicle> under the documents folder, the vehicle's name made safe as a folder.
QString dumpFolder(const QString& documents, const QString& vehicleText);

// The name proposed for a new dump: the kind ("FullRAM", "DumpRAMROM") and the time, so
// that the dumps of later visits do not replace earlier ones.
QString dumpFileName(const QString& kind, const QDateTime& time);

// The log line for a dump file of this size that does not fit the image exactly (how much
// of it was taken); empty for a file of the image's size.
QString loadNote(const QString& file, qint64 size);

// The blocks of a memory read, both included.
struct BlockRange {
    uint16_t First = 0;
    uint16_t Last = 0;
};
// The read of the adaptive tables: their first block to 12 blocks later.
BlockRange adaptiveRange(uint16_t address);
// The end of that range, for the progress bar.
int adaptiveRangeEnd(uint16_t address);

} // namespace MemoryView
