// The exchanges of the link with the module, one source file each. The run* procedures
// are the entries of the command table (CommandTable.cpp) and run on the link thread.
// A port error (SerialError) that an exchange lets escape ends it with Connect's error
// line; clean-up steps that must always run belong in the exchange itself.
#pragma once

#include <QByteArray>

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

} // namespace Exchanges
