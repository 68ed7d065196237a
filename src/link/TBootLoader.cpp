// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "TBootLoader.h"

#include "FirmwareImage.h"
#include "TLinkPort.h"

namespace {

constexpr char Cr = '\r';
constexpr qsizetype IdentifierSize = 7;
// AVR109 loaders list a handful of codes; more is no list.
constexpr qsizetype MaxDeviceCodes = 32;

QByteArray bytes(std::initializer_list<char> list)
{
    return QByteArray(list.begin(), qsizetype(list.size()));
}

} // namespace

SerialTimeouts TBootLoader::timeouts()
{
    SerialTimeouts t;
    t.ReadInterval = 5000;
    t.ReadTotalPerByte = 10;
    t.ReadTotalConstant = 5000;
    t.WriteTotalPerByte = 500;
    t.WriteTotalConstant = 0;
    return t;
}

bool TBootLoader::command(const QByteArray& bytes, char reply)
{
    m_port.write(bytes);
    const QByteArray answer = m_port.read(1);
    return answer.size() == 1 && answer[0] == reply;
}

bool TBootLoader::identify()
{
    m_port.write("S");
    const QByteArray id = m_port.read(IdentifierSize);
    return id.size() == IdentifierSize && id[0] == 'A';
}

bool TBootLoader::checkAutoIncrement()
{
    return command("a", 'Y');
}

QByteArray TBootLoader::deviceCodes()
{
    m_port.write("t");
    QByteArray codes;
    while (codes.size() < MaxDeviceCodes) {
        const QByteArray next = m_port.read(1);
        if (next.isEmpty())
            break;
        if (next[0] == 0)
            return codes;
        if (codes.isEmpty() && next[0] == '?')
            return {};
        codes += next;
    }
    // A list cut short or without end: what may still come is no reply to the next command.
    m_port.purge();
    return {};
}

uint8_t TBootLoader::selectDeviceCode(const QByteArray& codes)
{
    if (codes.isEmpty() || codes.contains(char(DefaultDeviceCode)))
        return DefaultDeviceCode;
    return uint8_t(codes[0]);
}

bool TBootLoader::prepare(uint8_t deviceCode)
{
    // The type command and its byte go out as two writes.
    m_port.write("T");
    return command(bytes({ char(deviceCode) }), Cr) && command("P", Cr) && command("e", Cr)
        && setAddressZero();
}

bool TBootLoader::setAddressZero()
{
    return command(bytes({ 'A', 0, 0 }), Cr);
}

bool TBootLoader::writeBlock(const QByteArray& block)
{
    return command(bytes({ 'B', 0, char(block.size()), 'F' }) + block, Cr);
}

QByteArray TBootLoader::readBlock()
{
    m_port.write(bytes({ 'g', 0, char(FirmwareImage::BlockSize), 'F' }));
    return m_port.read(size_t(FirmwareImage::BlockSize));
}

bool TBootLoader::leave()
{
    return command("L", Cr) && command("E", Cr);
}
