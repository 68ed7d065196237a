// The module's AVR109 boot loader as the link talks to it during a firmware update: one
// command at a time, each waiting for its reply, on the link's port.
#pragma once

#include "serial/SerialPort.h"

#include <QByteArray>

class TLinkPort;

class TBootLoader {
public:
    explicit TBootLoader(TLinkPort& port)
        : m_port(port)
    {
    }

    // Erasing and writing take long: 5 s between bytes, 5 s plus 10 ms a byte in all,
    // and 500 ms a byte to write.
    static SerialTimeouts timeouts();

    // 'S': true when 7 bytes came and the first is 'A' (an AVR109 loader).
    bool identify();
    // Auto-increment check ('a'), device type 0x74 ('T'), programming mode ('P'), chip
    // erase ('e') and address 0 ('A'), in order; false at the first wrong or missing reply.
    bool prepare();
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
