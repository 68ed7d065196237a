// The exchanges of the link with the module, one source file each. The run* procedures
// are the entries of the command table (CommandTable.cpp) and run on the link thread.
// A port error (SerialError) that an exchange lets escape ends it with Connect's error
// line; clean-up steps that must always run belong in the exchange itself.
#pragma once

#include "link/LinkTypes.h"

#include <QByteArray>
#include <cstdint>

class TCommThread;
struct TQueuedMessage;

namespace Exchanges {

// Port set-up and handshake (Connect.cpp). False when aborted or the port failed.
bool Connect(TCommThread& link, bool open);
void runConnect(TCommThread& link, const TQueuedMessage& command);

// Disconnect.cpp
void Disconnect(TCommThread& link);
void runDisconnect(TCommThread& link, const TQueuedMessage& command);

// TestSignal.cpp
void runToggleTestSignal(TCommThread& link, const TQueuedMessage& command);

// Module maintenance: ResetModule.cpp, ModuleOptions.cpp, ReadCalibration.cpp and
// FlashFirmware.cpp.
void ResetModule(TCommThread& link);
void runResetModule(TCommThread& link, const TQueuedMessage& command);
void ModuleOptions(TCommThread& link, bool write);
void runModuleOptions(TCommThread& link, const TQueuedMessage& command);
void ReadCalibration(TCommThread& link);
void runReadCalibration(TCommThread& link, const TQueuedMessage& command);
void FlashFirmware(TCommThread& link);
void runFlashFirmware(TCommThread& link, const TQueuedMessage& command);

// The steps that live data and memory reads share (Streaming.cpp). prepareStream sends
// the module's set-up command ("cE", "cI") and returns its reply; the decoder then waits
// for a sync byte. openForStream logs the start and opens the port again with events on,
// so that the receive routine runs in the mode.
QByteArray prepareStream(TCommThread& link, const QByteArray& command);
void openForStream(TCommThread& link, Link::LinkMode mode);

// Live data (LiveData.cpp). StopData returns false when its preparation failed.
bool StopData(TCommThread& link, bool close);
void StartData(TCommThread& link);
void runStartData(TCommThread& link, const TQueuedMessage& command);
void runStopData(TCommThread& link, const TQueuedMessage& command);

// Fault test with the letter 'B', 'C' or 'D' (FaultTest.cpp).
void FaultTest(TCommThread& link, char letter);
void runFaultTest(TCommThread& link, const TQueuedMessage& command);

// Memory read of the 16-byte rows first to end (exclusive), saved to DumpFile when save
// is set (ReadMemory.cpp). Rows above MaxRow are read as MaxRow.
using Row = uint16_t;
inline constexpr Row MaxRow = 0xFFF;
void ReadMemory(TCommThread& link, Row first, Row end, bool save, uint16_t tag);
void runDumpToFile(TCommThread& link, const TQueuedMessage& command);
void runDumpRange(TCommThread& link, const TQueuedMessage& command);

} // namespace Exchanges
