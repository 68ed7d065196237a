// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The exchanges of the link with the module, one source file each. The run* procedures
// are the entries of the command table (CommandTable.cpp) and run on the link thread
// with its TLinkContext. A port error (SerialError) that an exchange lets escape ends it
// with the line "Ошибка порта: ..." and evPortError (command code); clean-up steps that
// must always run belong in the exchange itself.
#pragma once

#include "link/LinkTypes.h"

#include <QByteArray>
#include <cstdint>
#include <functional>
#include <vector>

class TLinkContext;
struct TQueuedMessage;

namespace Exchanges {

// Port set-up and handshake (Connect.cpp). False when aborted or the port failed.
bool Connect(TLinkContext& link, bool open);
void runConnect(TLinkContext& link, const TQueuedMessage& command);

// Disconnect.cpp
void Disconnect(TLinkContext& link);
void runDisconnect(TLinkContext& link, const TQueuedMessage& command);

// TestSignal.cpp
void runToggleTestSignal(TLinkContext& link, const TQueuedMessage& command);

// Module maintenance: ResetModule.cpp, ModuleOptions.cpp, ReadCalibration.cpp and
// FlashFirmware.cpp.
void ResetModule(TLinkContext& link);
void runResetModule(TLinkContext& link, const TQueuedMessage& command);
void ModuleOptions(TLinkContext& link, bool write);
void runModuleOptions(TLinkContext& link, const TQueuedMessage& command);
void ReadCalibration(TLinkContext& link);
void runReadCalibration(TLinkContext& link, const TQueuedMessage& command);
void FlashFirmware(TLinkContext& link);
void runFlashFirmware(TLinkContext& link, const TQueuedMessage& command);

// The steps that live data and memory reads share (Streaming.cpp). prepareStream sends
// the module's set-up command ("cE", "cI") and returns its reply; the decoder then waits
// for a sync byte. openForStream logs the start and opens the port again with events on,
// so that the receive routine runs in the mode.
QByteArray prepareStream(TLinkContext& link, const QByteArray& command);
void openForStream(TLinkContext& link, Link::LinkMode mode);

// Live data (LiveData.cpp). StopData returns false when its preparation failed.
bool StopData(TLinkContext& link, bool close);
void StartData(TLinkContext& link);
void runStartData(TLinkContext& link, const TQueuedMessage& command);
void runStopData(TLinkContext& link, const TQueuedMessage& command);

// Fault test with the letter 'B', 'C' or 'D' (FaultTest.cpp).
void FaultTest(TLinkContext& link, char letter);
void runFaultTest(TLinkContext& link, const TQueuedMessage& command);

// Memory read of the 16-byte rows first to end (exclusive), saved to DumpFile when save
// is set (ReadMemory.cpp). Rows above MaxRow are read as MaxRow.
using Row = uint16_t;
inline constexpr Row MaxRow = 0xFFF;
void ReadMemory(TLinkContext& link, Row first, Row end, bool save, uint16_t tag);
// The read ends after 2 s of silence, once its rows have stopped advancing while the
// module still sends words, on CancelConnect, "Стоп чтения" and on a lost port.
inline constexpr uint32_t MemoryReadSilenceMs = 2000;
// The module relays the ECU at the ECU link's own speed, whatever the port's: at the
// slowest, 2400 baud, a block of 16 full frames (256 words of four bytes, ten bits a byte)
// takes 4.3 s. Rows that have not advanced for half as long again, after the silence the
// first block may follow, have stopped.
inline constexpr uint32_t MemoryReadStallMs
    = 16 * 16 * 4 * 10 * 1000 / 2400 * 3 / 2 + MemoryReadSilenceMs;
// The image addresses from first * 16 to end * 16 (exclusive, rows above MaxRow read as
// MaxRow) that did not arrive, as runs in address order: what the check after a read names.
struct AddressRun {
    int First;
    int Last;
};
std::vector<AddressRun> missingRuns(
    Row first, Row end, const std::function<bool(uint16_t address)>& arrived);
void runDumpToFile(TLinkContext& link, const TQueuedMessage& command);
void runDumpRange(TLinkContext& link, const TQueuedMessage& command);

} // namespace Exchanges
