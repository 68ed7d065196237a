// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The commands a front end gives the link, each a value with the data it needs.
#pragma once

#include "LinkTypes.h"

#include <QString>
#include <array>
#include <cstdint>
#include <variant>

namespace LinkCommands {

// The port set-up; with Handshake, the port is opened and the module asked for its version.
struct Connect {
    bool Handshake = true;
};
// The live data stream of table P or T.
struct StartData {
    char Table = 'P';
};
struct StopData { };
// A memory read of the blocks First to Last (of 64 bytes): into a dump file, or, with a
// tag that its end carries back, into the image alone.
struct DumpToFile {
    uint16_t First = 0;
    uint16_t Last = 0;
    QString File;
};
struct DumpRange {
    uint16_t First = 0;
    uint16_t Last = 0;
    uint16_t Tag = 0;
};
// The self-test or fault read of the letter ('1', '2', 'R' ...).
struct FaultTest {
    char Letter = 0;
};
struct FlashFirmware {
    QString File;
};
struct ResetModule { };
struct ReadOptions { };
// The speed and format bytes; a negative byte is not written.
struct WriteOptions {
    std::array<int8_t, 2> Bytes { -1, -1 };
};
struct Disconnect { };
struct ReadCalibration { };
struct ToggleTestSignal { };

} // namespace LinkCommands

using LinkCommand = std::variant<LinkCommands::Connect, LinkCommands::StartData,
    LinkCommands::StopData, LinkCommands::DumpToFile, LinkCommands::DumpRange,
    LinkCommands::FaultTest, LinkCommands::FlashFirmware, LinkCommands::ResetModule,
    LinkCommands::ReadOptions, LinkCommands::WriteOptions, LinkCommands::Disconnect,
    LinkCommands::ReadCalibration, LinkCommands::ToggleTestSignal>;

namespace LinkCommands {
// The link's command code of the command.
Link::Command code(const LinkCommand& command);
} // namespace LinkCommands
