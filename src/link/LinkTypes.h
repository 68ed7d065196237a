// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Types the link shares with its front ends: message numbers, command codes, event codes
// and link modes.
#pragma once

#include "common/Messages.h"

#include <cstdint>

namespace Link {

// Numbers of the link's own messages: commands in its queue, and what it posts to its
// session (the slots cleared, an event). The dashboard's numbers are in common/Messages.h.
enum Message : int {
    WM_LINK_COMMAND = 1090,
    WM_LINK_SLOT = 1091,
    WM_LINK_EVENT = 1092,
};

// WM_LINK_SLOT's lParam for a word that passed its check: bit 16 set, the word in the
// low 16 bits and the link mode it arrived in at bits 20 to 23, so that a reader never
// has to look at the slot table, which may already hold a later word. (0, 0) is the
// clearing of the slots.
constexpr int32_t slotLParam(uint16_t word, uint8_t mode = 0)
{
    return int32_t(0x10000u | uint32_t(mode & 0x0F) << 20 | word);
}
constexpr bool slotHasWord(int32_t lParam)
{
    return (lParam & 0x10000) != 0;
}
constexpr uint16_t slotWord(int32_t lParam)
{
    return uint16_t(lParam & 0xFFFF);
}
constexpr uint8_t slotMode(int32_t lParam)
{
    return uint8_t((uint32_t(lParam) >> 20) & 0x0F);
}

// Command codes of WM_LINK_COMMAND (low byte of wParam).
enum Command : uint8_t {
    cmdConnect = 0,
    cmdStartData = 1,
    cmdStopData = 2,
    cmdDumpToFile = 3,
    cmdFaultTest = 4,
    cmdFlashFirmware = 5,
    cmdResetModule = 6,
    cmdModuleOptions = 7,
    cmdDumpRange = 9,
    cmdDisconnect = 10,
    cmdReadCalibration = 11,
    cmdToggleTestSignal = 200,
};

// Event codes of WM_LINK_EVENT (wParam).
enum Event : uint8_t {
    evSearching = 0,
    evConnected = 1,
    evEcuLink = 3,
    evFirmware = 4,
    evFaultTest = 5,
    evDumpProgress = 6,
    evOptions = 7,
    evDumpDone = 9,
    evDisconnected = 10,
    evCalibration = 11,
    // A port error or the end of the device ended an exchange or the running stream:
    // lParam is the command code, or PortErrorStream when the receive routine met it.
    evPortError = 12,
};
inline constexpr int32_t PortErrorStream = 0xFF;

// The self-test's time limit in seconds: its default, and the range any setting is held
// to (a larger number would overflow the wait in milliseconds).
inline constexpr int DefaultMaxTestTime = 60;
inline constexpr int MinMaxTestTime = 1;
inline constexpr int MaxMaxTestTime = 3600;

// How the last fault exchange ended, read by a front end at evFaultTest 1: an exchange that
// brought no status word must never read as "no codes stored".
enum FaultTestOutcome : uint8_t {
    ftoNone = 0, // none has ended yet
    ftoAnswered = 1, // the status word came: the codes (or none) are in the slots
    ftoNotTaken = 2, // the module did not echo the command
    ftoSilent = 3, // taken, but no status word before the time ran out
    ftoCancelled = 4, // the front end stopped it (a self-test cancelled, Disconnect)
    ftoPortLost = 5, // the port failed or the device went away
};

// What the receive routine does with incoming bytes.
enum LinkMode : uint8_t {
    lmIdle = 0,
    lmConnected = 1,
    lmCalibration = 2,
    lmFaultTest = 3,
    lmLiveData = 4,
    lmMemoryRead = 5,
};

// A word of the running live data stream, not of a handshake's or a fault test's frames:
// only these are PID values.
constexpr bool slotIsLiveData(int32_t lParam)
{
    return slotHasWord(lParam) && slotMode(lParam) == lmLiveData;
}

// A checked word of the stream: its slot, the word, the link mode it arrived in (only a
// word that came in lmLiveData is a PID value) and the link's clock when it was taken.
struct StreamWord {
    uint8_t Slot = 0;
    uint8_t Mode = 0;
    uint16_t Word = 0;
    uint32_t TickMs = 0;

    bool live() const { return Mode == lmLiveData; }
};

// The words of one receive call in order, as a front end reads them: valid only during
// the signal that hands it over. StampNs (steady clock) is when the link took the first;
// Sequence counts the words the link has posted up to and including the last of these.
struct WordBatch {
    const StreamWord* Words = nullptr;
    int Count = 0;
    int64_t StampNs = 0;
    uint64_t Sequence = 0;

    const StreamWord* begin() const { return Words; }
    const StreamWord* end() const { return Words + Count; }
};

// The event's name as front ends print it ("evConnected"); nullptr for a code without one.
const char* eventName(int code);

// Slots of the calibration code: high byte in 0xB1, low byte in 0xA1.
inline constexpr uint8_t SlotCalibrationHigh = 0xB1;
inline constexpr uint8_t SlotCalibrationLow = 0xA1;

// Steps of evFirmware (low word of lParam); fwLoaded carries the number of progress steps
// in the high word, fwEnded the outcome (FirmwareStage).
enum FirmwareStep : uint16_t {
    fwLoaded = 1,
    fwWriting = 2,
    fwVerifying = 3,
    fwEnded = 4,
    fwRestarting = 5,
    fwBlockRefused = 6,
};

// The outcome of a firmware update, in the high word of evFirmware fwEnded: fsNone when it
// succeeded, otherwise the stage that failed first.
enum FirmwareStage : uint16_t {
    fsNone = 0,
    fsFile = 1, // the firmware file could not be loaded
    fsBootLoader = 2, // no AVR109 boot loader answered after the restart
    fsPrepare = 3, // a command before the first block ('a', 'T', 'P', 'e', 'A') failed
    fsWriting = 4, // the boot loader refused a block
    fsVerifying = 5, // no read-back ('A' unanswered) or one that differs from the file
    fsLeaving = 6, // 'L' or 'E' was not acknowledged
    fsPort = 7, // the port would not open
};

inline constexpr int32_t firmwareEvent(FirmwareStep step, uint16_t argument = 0)
{
    return int32_t(uint32_t(argument) << 16 | step);
}

} // namespace Link
