#include "Exchanges.h"
#include "common/AtomicFile.h"
#include "common/Errors.h"
#include "common/Placeholders.h"
#include "common/Texts.h"
#include "link/TCommThread.h"

#include <algorithm>

namespace Exchanges {

namespace {

    constexpr auto Relaxed = std::memory_order_relaxed;
    constexpr uint32_t PollMs = 100;
    // The read is over once the stream has been silent this long.
    constexpr uint32_t SilenceMs = 2000;
    constexpr uint32_t SettleMs = 500;
    constexpr int RowBytes = 16;

    // The image address of the block the stream announced last.
    uint16_t announcedAddress(const TCommThread& link)
    {
        return uint16_t((((link.Slots(0x91) & 0xFF) << 8) | (link.Slots(0x81) & 0xFF)) + 16);
    }

    void waitForSilence(TCommThread& link)
    {
        TLinkShared& shared = link.shared();
        while (link.sleep(PollMs)) {
            link.postEvent(Link::evDumpProgress, announcedAddress(link));
            // The last word's time first: the receive routine only ever moves it forward.
            const uint32_t last = shared.LastWordTick.load(Relaxed);
            if (link.tick() - last > SilenceMs)
                break;
        }
    }

    // Logs every address of the range that did not arrive; true when none is missing.
    bool verify(TCommThread& link, Row first, Row end)
    {
        link.LogLine(Texts::text(Texts::LogDataCheck));
        bool ok = true;
        for (int a = first * RowBytes; a < end * RowBytes; ++a) {
            if (link.MemMarks(uint16_t(a)) == 0) {
                ok = false;
                link.LogLine(fillPlaceholders(
                    Texts::text(Texts::LogOffsetError), { hexDigits(unsigned(a), 4) }));
            }
        }
        return ok;
    }

    // The whole image at this moment, also the bytes outside the range read.
    void saveImage(TCommThread& link)
    {
        link.LogLine(Texts::text(Texts::LogDataSaving));
        QByteArray image(TLinkShared::MemorySize, '\0');
        for (int a = 0; a < TLinkShared::MemorySize; ++a)
            image[a] = char(link.MemImage(uint16_t(a)));
        const QString file = link.DumpFile();
        try {
            writeFileAtomically(file, image);
        } catch (const VeskorError& error) {
            // Nothing of a half-written file is left; the log says why there is none.
            link.LogLine(Texts::text(Texts::LogDumpSaveError).arg(file, error.message()));
        }
    }

    // Steps 2 to 16 on the port that the preparation left.
    void readRange(TCommThread& link, Row first, Row end, bool save, uint16_t tag)
    {
        TLinkPort& port = link.port();
        if (link.bluetoothDelay())
            link.sleep(1000);
        port.setEvents(true);
        port.open();
        port.purge();
        for (auto& mark : link.shared().MemMarks)
            mark.store(0, Relaxed);
        link.LogLine(fillPlaceholders(
            Texts::text(Texts::LogDumpCommand), { hexDigits(first, 3), hexDigits(end, 3) }));

        port.write("lD\r");
        const QByteArray selected = port.read(1);
        if (selected.size() != 1 || selected[0] != 'D')
            return;
        link.LogLine(Texts::text(Texts::LogOffsetMapInit));
        const QByteArray prepared = prepareStream(link, "cI");
        if (prepared.isEmpty() || prepared[0] != 'I')
            return;
        openForStream(link, Link::lmMemoryRead);
        port.write(("a" + hexDigits(first, 3) + hexDigits(end, 3) + "\r").toLatin1());
        link.shared().LastWordTick.store(link.tick(), Relaxed);

        waitForSilence(link);
        link.sleep(SettleMs);
        link.postEvent(Link::evDumpProgress, int32_t(end) * RowBytes);
        if (!verify(link, first, end)) {
            link.LogLine(Texts::text(Texts::LogDataErrors));
            return;
        }
        link.LogLine(Texts::text(Texts::LogDataOk));
        link.postEvent(Link::evDumpDone, int32_t(uint32_t(tag) << 16));
        if (save)
            saveImage(link);
    }

    // Step 17, whatever happened before.
    void finish(TCommThread& link)
    {
        TLinkPort& port = link.port();
        if (port.exists()) {
            port.close();
            port.setEvents(false);
        }
        link.setLinkMode(Link::lmIdle);
    }

    // Rows travel as three hexadecimal digits: 0 to 4095.
    Row rowOf(uint32_t value)
    {
        return Row(std::min<uint32_t>(value, MaxRow));
    }

} // namespace

void ReadMemory(TCommThread& link, Row first, Row end, bool save, uint16_t tag)
{
    if (!link.prepareExchange())
        return;
    try {
        readRange(link, rowOf(first), rowOf(end), save, tag);
    } catch (...) {
        try {
            finish(link);
        } catch (...) {
            // The port's first error is the one reported.
            link.setLinkMode(Link::lmIdle);
        }
        throw;
    }
    finish(link);
}

void runDumpToFile(TCommThread& link, const TQueuedMessage& command)
{
    const uint32_t range = uint32_t(command.LParam);
    ReadMemory(link, rowOf(range & 0xFFFF), rowOf(range >> 16), true, 0);
}

void runDumpRange(TCommThread& link, const TQueuedMessage& command)
{
    const uint32_t range = uint32_t(command.LParam);
    ReadMemory(
        link, rowOf(range & 0xFFFF), rowOf(range >> 16), false, uint16_t(command.WParam >> 16));
}

} // namespace Exchanges
