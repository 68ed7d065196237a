// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "SimBootLoader.h"

namespace {

constexpr char Cr = '\r';
constexpr char Unknown = '?';
// The device codes the loader answers to 't'.
constexpr char OwnDevice = 0x74;
constexpr char OtherDevice = 0x75;
constexpr char Erased = char(0xFF);
// Sent by front ends to wake a loader; an AVR109 loader takes it without a word.
constexpr char Escape = 0x1B;
// The loader's own version ('V'), two ASCII digits.
constexpr const char* SoftwareVersion = "10";
// The part's signature bytes, as 's' sends them: last byte first (an ATmega16, whose
// device code is 0x74).
constexpr char Signature[] = { 0x03, char(0x94), 0x1E };
// 'b': block mode with blocks of up to this many bytes, high byte first.
constexpr int BlockSize = 128;

bool isCommand(char c)
{
    return c == Escape || QByteArray("SVvpbtsaTPeABgLE").contains(c);
}

// What the flash held before any update: some firmware of the module's own.
QByteArray factoryFlash()
{
    QByteArray flash(SimBootLoader::FlashSize, Qt::Uninitialized);
    for (qsizetype i = 0; i < flash.size(); ++i)
        flash[i] = char((i * 31 + 7) & 0xFF);
    return flash;
}

int size16(const QByteArray& input, qsizetype at)
{
    return uint8_t(input[at]) << 8 | uint8_t(input[at + 1]);
}

} // namespace

SimBootLoader::SimBootLoader(const SimFaults& faults, int refusedBlock)
    : m_faults(faults)
    , m_refusedBlock(refusedBlock)
    , m_flash(factoryFlash())
{
}

void SimBootLoader::restart()
{
    m_state = State::Waiting;
    m_address = 0;
    m_blocksLoaded = 0;
    m_blocksRead = 0;
    m_device = 0;
    ++m_activity;
}

void SimBootLoader::leave()
{
    m_state = State::Left;
    ++m_activity;
}

void SimBootLoader::take(QByteArray& input, QByteArray& reply)
{
    while (m_state != State::Left && !input.isEmpty()) {
        if (m_state == State::Waiting) {
            if (!isCommand(input[0])) {
                leave();
                return;
            }
            m_state = State::Session;
        }
        if (!takeCommand(input, reply))
            return;
        ++m_activity;
    }
}

bool SimBootLoader::takeCommand(QByteArray& input, QByteArray& reply)
{
    const char command = input[0];
    qsizetype used = 1;
    switch (command) {
    case 'S':
        record(QStringLiteral("S"));
        if (m_faults.has(SimFault::NoBootLoader)) {
            // A loader of another kind: it still waits for a protocol of its own.
            reply += ForeignIdentifier;
            m_state = State::Waiting;
        } else {
            reply += Identifier;
        }
        break;
    case Escape:
        record(QStringLiteral("ESC"));
        break;
    case 'V':
        record(QStringLiteral("V"));
        reply += SoftwareVersion;
        break;
    case 'v':
        // AVR109 has no hardware version: the loader answers it as any unknown command.
        record(QStringLiteral("v"));
        reply += Unknown;
        break;
    case 'p':
        // The programmer type: serial.
        record(QStringLiteral("p"));
        reply += 'S';
        break;
    case 'b':
        record(QStringLiteral("b"));
        reply += 'Y';
        reply += char(BlockSize >> 8);
        reply += char(BlockSize & 0xFF);
        break;
    case 's':
        record(QStringLiteral("s"));
        reply += QByteArray(Signature, sizeof Signature);
        break;
    case 'a':
        record(QStringLiteral("a"));
        reply += 'Y';
        break;
    case 't':
        record(QStringLiteral("t"));
        if (!m_faults.has(SimFault::NoDeviceList))
            reply += supportedDevices() + '\0';
        break;
    case 'T':
        if (input.size() < 2)
            return false;
        used = 2;
        record(QStringLiteral("T %1").arg(uint8_t(input[1])));
        // Any code is taken; one the loader does not support makes it erase and write nothing.
        m_device = input[1];
        reply += Cr;
        break;
    case 'P':
        record(QStringLiteral("P"));
        reply += Cr;
        break;
    case 'e':
        record(QStringLiteral("e"));
        if (deviceSelected()) {
            std::lock_guard lock(m_mutex);
            m_flash.fill(Erased);
        }
        reply += Cr;
        break;
    case 'A':
        if (input.size() < 3)
            return false;
        used = 3;
        m_address = uint32_t(size16(input, 1));
        record(QStringLiteral("A %1").arg(m_address));
        reply += Cr;
        break;
    case 'B': {
        if (input.size() < 4)
            return false;
        const int size = size16(input, 1);
        if (input.size() < 4 + size)
            return false;
        used = 4 + size;
        record(QStringLiteral("B %1").arg(size));
        blockLoad(input[3], size, input.mid(4, size), reply);
        break;
    }
    case 'g': {
        if (input.size() < 4)
            return false;
        used = 4;
        const int size = size16(input, 1);
        record(QStringLiteral("g %1").arg(size));
        blockRead(input[3], size, reply);
        break;
    }
    case 'L':
        record(QStringLiteral("L"));
        if (m_faults.has(SimFault::NoLeaveAck)) {
            // It drops out of programming mode without a word, into the module's firmware.
            input.remove(0, used);
            leave();
            return true;
        }
        reply += Cr;
        break;
    case 'E':
        record(QStringLiteral("E"));
        reply += Cr;
        input.remove(0, used);
        leave();
        return true;
    default:
        record(QStringLiteral("? %1").arg(uint8_t(command)));
        reply += Unknown;
        break;
    }
    input.remove(0, used);
    return true;
}

void SimBootLoader::blockLoad(char memory, int size, const QByteArray& data, QByteArray& reply)
{
    ++m_blocksLoaded;
    if (m_faults.has(SimFault::RefusedBlock) && m_blocksLoaded == m_refusedBlock)
        return;
    const qsizetype at = qsizetype(m_address) * 2;
    // Flash is written in words: an odd size cannot be taken.
    if (!deviceSelected() || memory != 'F' || size % 2 || at + size > FlashSize) {
        reply += Unknown;
        return;
    }
    {
        std::lock_guard lock(m_mutex);
        m_flash.replace(at, size, data);
    }
    m_address += uint32_t(size / 2);
    reply += Cr;
}

void SimBootLoader::blockRead(char memory, int size, QByteArray& reply)
{
    if (memory != 'F') {
        reply += Unknown;
        return;
    }
    const qsizetype at = qsizetype(m_address) * 2;
    QByteArray block;
    {
        std::lock_guard lock(m_mutex);
        block = m_flash.mid(at, size);
    }
    // Past the end of the flash the loader reads erased memory.
    block.append(QByteArray(size - block.size(), Erased));
    if (m_faults.has(SimFault::BadReadBack) && ++m_blocksRead == 1 && !block.isEmpty())
        block[0] = char(~block[0]);
    m_address += uint32_t((size + 1) / 2);
    reply += block;
}

QByteArray SimBootLoader::supportedDevices() const
{
    return QByteArray(1, m_faults.has(SimFault::OnlyDevice75) ? OtherDevice : OwnDevice);
}

bool SimBootLoader::deviceSelected() const
{
    return m_device != 0 && supportedDevices().contains(m_device);
}

void SimBootLoader::record(const QString& command)
{
    std::lock_guard lock(m_mutex);
    m_commands.append(command);
}

QByteArray SimBootLoader::flash() const
{
    std::lock_guard lock(m_mutex);
    return m_flash;
}

QStringList SimBootLoader::commands() const
{
    std::lock_guard lock(m_mutex);
    return m_commands;
}
