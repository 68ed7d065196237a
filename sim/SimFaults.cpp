// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "SimFaults.h"

namespace {

struct FaultName {
    SimFault fault;
    const char* name;
    const char* description;
};

constexpr FaultName Names[] = {
    { SimFault::Silent, "silent", "the module answers nothing" },
    { SimFault::ShortVersion, "short-version", "the reply to \"v\" has only three bytes" },
    { SimFault::NoEcu, "no-ecu", "\"m\" answers 'e' (no link to the ECU)" },
    { SimFault::Noise, "noise", "stray bytes between the word packets of a stream" },
    { SimFault::BadCheck, "bad-check", "streamed words carry a wrong check nibble" },
    { SimFault::NoBootLoader, "no-bootloader",
        "the boot loader's identifier does not begin with 'A' (not AVR109)" },
    { SimFault::RefusedBlock, "refused-block",
        "the boot loader answers no CR to one block (--refused-block, default 2)" },
    { SimFault::BadReadBack, "bad-readback", "the first block read back has a wrong byte" },
    { SimFault::NoLeaveAck, "no-leave-ack",
        "the boot loader answers no CR to 'L' and leaves without a word" },
    { SimFault::TableRefused, "table-refused", "\"l\" + letter is answered '?' (table refused)" },
    { SimFault::NoAck, "no-e", "\"cE\" and \"cI\" are answered '?' instead of 'E' and 'I'" },
    { SimFault::ShortAck, "short-e", "\"cE\" is answered by 'E' alone" },
    { SimFault::MemoryGap, "memory-gap", "the second 64-byte block of a memory read never comes" },
    { SimFault::StreamStops, "stream-stops",
        "every stream falls silent early (after --stream-stop ms, default 2000)" },
    { SimFault::NoResult, "no-result", "fault tests end with status 0x10 alone (code 999)" },
    { SimFault::OnlyDevice75, "device-75",
        "the boot loader lists only the device code 0x75 and writes nothing for another" },
    { SimFault::NoDeviceList, "no-device-list", "the boot loader does not answer 't'" },
    { SimFault::FlipBits, "flip-bits",
        "one bit of the data word flipped in one packet in --corrupt-rate (default 8)" },
    { SimFault::DropBytes, "drop-bytes",
        "one byte left out of one packet in --corrupt-rate (default 8)" },
    { SimFault::ShortReplies, "short-replies",
        "a reply of two or more bytes ends after its first half (not the search answer)" },
    { SimFault::WrongReplies, "wrong-replies",
        "every reply begins with '?' instead of its first byte (not the search answer)" },
    { SimFault::EcuSilent, "ecu-silent",
        "fault commands are echoed but the ECU sends no frame (an ECU that does not answer)" },
    { SimFault::Unplug, "unplug",
        "the port vanishes when the module receives the line of --unplug-on, as a pulled "
        "cable" },
};

} // namespace

std::optional<SimFault> SimFaults::parse(const QString& name)
{
    for (const FaultName& entry : Names)
        if (name == QLatin1String(entry.name))
            return entry.fault;
    return std::nullopt;
}

QStringList SimFaults::descriptions()
{
    QStringList lines;
    for (const FaultName& entry : Names)
        lines << QStringLiteral("%1: %2").arg(
            QLatin1String(entry.name), QLatin1String(entry.description));
    return lines;
}
