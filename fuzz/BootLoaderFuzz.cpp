// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Fuzz target: a firmware update against a boot loader whose answers are any bytes. The
// first input byte sizes the image; the rest are what the loader sends, handed out as the
// link reads them, so a short, wrong or endless answer meets every step of the update.
// A device list keeps no zero byte and at most 32 codes, the code chosen is listed (or the
// module's own), no block read back is longer than a block, and a read-back that passes
// holds the image.
#include "common/ScaledClock.h"
#include "link/FirmwareImage.h"
#include "link/TBootLoader.h"
#include "link/TLinkPort.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

// A port whose input is the fuzzer's bytes; what is written goes nowhere. A read that finds
// no bytes left returns none, as a read does whose timeout passed.
class AnswerPort : public ISerialPort {
public:
    AnswerPort(const uint8_t* data, size_t size)
        : m_data(data)
        , m_size(size)
    {
    }

    void open() override { m_open = true; }
    void close() override { m_open = false; }
    bool isOpen() const override { return m_open; }
    void setTimeouts(const SerialTimeouts&) override { }
    void setEvents(bool on) override { m_events = on; }
    bool events() const override { return m_events; }
    void setReceiveHandler(ReceiveHandler) override { }
    // Answers come only after the command that asks for them: nothing waits to be purged.
    void purge() override { }
    size_t read(uint8_t* buffer, size_t n) override
    {
        if (n > 0)
            buffer[0] = 0;
        const size_t count = std::min(n, m_size - m_at);
        std::memcpy(buffer, m_data + m_at, count);
        m_at += count;
        return count;
    }
    size_t readWaiting(uint8_t*, size_t) override { return 0; }
    void beginOwnRead() override { }
    void endOwnRead() override { }
    size_t write(const uint8_t*, size_t n) override { return n; }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_at = 0;
    bool m_open = false;
    bool m_events = false;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    QByteArray bytes(1 + data[0] * 3, '\0');
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i * 7 + i / 256);
    const FirmwareImage image(bytes);

    static ScaledClock clock;
    TLinkPort port([data, size](const SerialConfig&,
                       ScaledClock&) { return std::make_unique<AnswerPort>(data + 1, size - 1); },
        clock, {});
    port.recreate({});
    port.open();

    // The steps of the update in the order the link takes them.
    TBootLoader loader(port);
    if (!loader.identify() || !loader.checkAutoIncrement())
        return 0;
    const QByteArray codes = loader.deviceCodes();
    if (codes.size() > 32 || codes.contains('\0'))
        std::abort();
    const uint8_t code = TBootLoader::selectDeviceCode(codes);
    if (code != TBootLoader::DefaultDeviceCode && !codes.contains(char(code)))
        std::abort();
    if (!loader.prepare(code))
        return 0;
    for (int i = 0; i < image.blockCount(); ++i)
        if (!loader.writeBlock(image.block(i)))
            break;
    if (loader.setAddressZero()) {
        QByteArray readBack;
        for (int i = 0; i < image.blockCount(); ++i) {
            const QByteArray block = loader.readBlock();
            if (block.size() > FirmwareImage::BlockSize)
                std::abort();
            readBack += block;
        }
        if (image.matches(readBack) && !readBack.startsWith(image.bytes()))
            std::abort();
    }
    loader.leave();
    return 0;
}
