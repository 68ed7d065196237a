// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The module's AVR109 boot loader as the link talks to it during a firmware update: one
// command at a time, each waiting for its reply, on the link's port.
#pragma once

#include "serial/SerialPort.h"

#include <QByteArray>
#include <cstdint>

class TLinkPort;

class TBootLoader {
public:
    // The device code of the module's own boot loader.
    static constexpr uint8_t DefaultDeviceCode = 0x74;

    explicit TBootLoader(TLinkPort& port)
        : m_port(port)
    {
    }

    // Erasing and writing take long: 5 s between bytes, 5 s plus 10 ms a byte in all,
    // and 500 ms a byte to write.
    static SerialTimeouts timeouts();

    // 'S': true when 7 bytes came and the first is 'A' (an AVR109 loader).
    bool identify();
    // 'a': true when the loader answers 'Y' (it counts the address on by itself).
    bool checkAutoIncrement();
    // 't': the device codes the loader supports, without the 0 that ends its list. Empty
    // when no complete list came (a loader without 't' answers '?' or nothing).
    QByteArray deviceCodes();
    // The code to select from such a list: DefaultDeviceCode when it is listed or the list
    // is empty, otherwise the first one listed.
    static uint8_t selectDeviceCode(const QByteArray& codes);
    // Device type ('T' and the code), programming mode ('P'), chip erase ('e') and address
    // 0 ('A'), in order; false at the first wrong or missing reply.
    bool prepare(uint8_t deviceCode);
    // 'A', 0x00, 0x00: the next block goes to (or comes from) flash address 0.
    bool setAddressZero();
    // 'B', size, 'F' and the block in one write; true when the loader answers CR.
    bool writeBlock(const QByteArray& block);
    // 'g', 0x00, 0x80, 'F': the 128 bytes that came (fewer when the loader fell silent).
    QByteArray readBlock();
    // 'L' (leave programming mode), then 'E' (leave the loader) when 'L' was answered.
    bool leave();

private:
    // Writes the bytes in one write and reads one byte; true when it is the reply.
    bool command(const QByteArray& bytes, char reply);

    TLinkPort& m_port;
};
