// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Helpers of the exchange tests: simulator set-ups, expected log lines and waits.
#pragma once

#include "LinkHarness.h"
#include "common/Placeholders.h"
#include "common/Texts.h"

#include <QList>
#include <QString>
#include <initializer_list>

// The exchanges wait on many replies with timeouts of about a second: at this scale the
// simulator and the link keep their timing on a busy two-core machine too.
inline constexpr double ExchangeScale = 0.2;

struct ExchangeHarness : LinkHarness {
    explicit ExchangeHarness(
        SimConfig config = {}, double scale = ExchangeScale, SerialPortFactory factory = {})
        : LinkHarness(std::move(config), scale, std::move(factory))
    {
    }
};

inline SimConfig simWith(std::initializer_list<SimFault> faults, SimConfig config = {})
{
    for (SimFault fault : faults)
        config.Faults.set(fault);
    return config;
}

// A log line of the string table with its placeholders filled.
inline QString logLine(const char* text, const QStringList& arguments = {})
{
    return fillPlaceholders(Texts::text(text), arguments);
}

inline QList<QByteArray> commandLines(std::initializer_list<const char*> texts)
{
    QList<QByteArray> result;
    for (const char* text : texts)
        result.append(text);
    return result;
}

// The lines of a handshake that found the module and the ECU.
inline const QList<QByteArray> HandshakeLines = commandLines({ "z", "v", "m", "cH" });

// Waits until a valid word of the slot has been signalled.
inline bool waitForSlot(LinkHarness& h, uint8_t slot)
{
    return h.recorder.waitFor([&] {
        for (const RecordedMessage& m : h.recorder.SlotPosts)
            if (m.WParam == slot && Link::slotHasWord(m.LParam))
                return true;
        return false;
    });
}

// Posts a command whose wParam carries more than the code (cmdDumpRange's tag) and waits
// until the link has done it.
inline bool runWide(LinkHarness& h, uint8_t code, uint16_t high, int32_t lParam,
    std::chrono::milliseconds timeout = std::chrono::seconds(20))
{
    h.link->post(code | uint32_t(high) << 16, lParam);
    return h.recorder.waitDone(code, timeout);
}

// Waits until the simulator has taken the line count times: an exchange that ends with a
// write ("cG") is over before the module has read it.
inline bool waitReceived(LinkHarness& h, const QByteArray& line, int count = 1)
{
    return h.recorder.waitFor([&] { return h.sim->receivedLines().count(line) >= count; });
}

inline int validWords(const LinkRecorder& recorder)
{
    int count = 0;
    for (const RecordedMessage& m : recorder.SlotPosts)
        count += Link::slotHasWord(m.LParam);
    return count;
}
