// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "Exchanges.h"
#include "common/AtomicFile.h"
#include "common/Errors.h"
#include "common/Placeholders.h"
#include "common/Texts.h"
#include "link/TLinkContext.h"

#include <algorithm>

namespace Exchanges {

namespace {

    constexpr auto Relaxed = std::memory_order_relaxed;
    constexpr uint32_t PollMs = 100;
    // The read is over once the stream has been silent this long.
    constexpr uint32_t SilenceMs = MemoryReadSilenceMs;
    constexpr uint32_t SettleMs = 500;
    constexpr int RowBytes = 16;
    constexpr uint32_t StallMs = MemoryReadStallMs;

    // The image address of the block the stream announced last.
    uint16_t announcedAddress(const TLinkContext& link)
    {
        return uint16_t((((link.Slots(0x91) & 0xFF) << 8) | (link.Slots(0x81) & 0xFF)) + 16);
    }

    // How the wait for the stream ended.
    enum class StreamEnd { Silent, Stalled, Cancelled, PortLost, Terminating };

    // This read's place among the memory reads posted: whether a stop has reached it, and
    // its end counted however the exchange ends.
    class ReadTurn {
    public:
        explicit ReadTurn(TLinkShared& shared)
            : m_shared(shared)
            , m_number(shared.MemoryReadsBegun.fetch_add(1, Relaxed) + 1)
        {
        }
        ~ReadTurn() { m_shared.MemoryReadsFinished.fetch_add(1, std::memory_order_release); }
        ReadTurn(const ReadTurn&) = delete;
        ReadTurn& operator=(const ReadTurn&) = delete;

        // "Стоп чтения" reached this read.
        bool stopped() const
        {
            const uint32_t through = m_shared.MemoryReadsCancelledThrough.load(Relaxed);
            // Counters wrap: compare by their distance.
            return int32_t(through - m_number) >= 0;
        }
        bool cancelled(const TLinkContext& link) const { return link.CancelConnect() || stopped(); }

    private:
        TLinkShared& m_shared;
        uint32_t m_number;
    };

    StreamEnd waitForSilence(TLinkContext& link, const ReadTurn& turn)
    {
        TLinkShared& shared = link.shared();
        while (link.sleep(PollMs)) {
            link.postEvent(Link::evDumpProgress, announcedAddress(link));
            if (turn.cancelled(link))
                return StreamEnd::Cancelled;
            if (link.portLost())
                return StreamEnd::PortLost;
            // The receive routine only ever moves these forward: read them before the clock.
            const uint32_t lastWord = shared.LastWordTick.load(Relaxed);
            const uint32_t lastRow = shared.LastRowTick.load(Relaxed);
            const uint32_t now = link.tick();
            if (now - lastWord > SilenceMs)
                return StreamEnd::Silent;
            // A module that keeps relaying words without new rows must not hold the link.
            if (now - lastRow > StallMs)
                return StreamEnd::Stalled;
        }
        return StreamEnd::Terminating;
    }

    // Logs every run of addresses of the range that did not arrive, one line per run;
    // true when none is missing.
    bool verify(TLinkContext& link, Row first, Row end)
    {
        link.LogLine(Texts::text(Texts::LogDataCheck));
        const std::vector<AddressRun> missing = missingRuns(
            first, end, [&link](uint16_t address) { return link.MemMarks(address) != 0; });
        for (const AddressRun& run : missing) {
            if (run.Last == run.First)
                link.LogLine(fillPlaceholders(
                    Texts::text(Texts::LogOffsetError), { hexDigits(unsigned(run.First), 4) }));
            else
                link.LogLine(fillPlaceholders(Texts::text(Texts::LogOffsetRangeError),
                    { hexDigits(unsigned(run.First), 4), hexDigits(unsigned(run.Last), 4) }));
        }
        return missing.empty();
    }

    // The whole image at this moment, also the bytes outside the range read.
    void saveImage(TLinkContext& link)
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

} // namespace

std::vector<AddressRun> missingRuns(
    Row first, Row end, const std::function<bool(uint16_t address)>& arrived)
{
    std::vector<AddressRun> runs;
    const int stop = std::min<int>(end, MaxRow) * RowBytes;
    for (int a = first * RowBytes; a < stop; ++a) {
        if (arrived(uint16_t(a)))
            continue;
        int last = a;
        while (last + 1 < stop && !arrived(uint16_t(last + 1)))
            ++last;
        runs.push_back({ a, last });
        a = last;
    }
    return runs;
}

namespace {

    // Selects the memory read, starts the stream of the rows, waits until it ends and
    // checks what came, on the port that the preparation left.
    void readRange(
        TLinkContext& link, const ReadTurn& turn, Row first, Row end, bool save, uint16_t tag)
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

        const QByteArray selected = port.request("lD\r", 1);
        if (selected.size() != 1 || selected[0] != 'D')
            return;
        link.LogLine(Texts::text(Texts::LogOffsetMapInit));
        const QByteArray prepared = prepareStream(link, "cI");
        if (prepared.isEmpty() || prepared[0] != 'I')
            return;
        openForStream(link, Link::lmMemoryRead);
        port.write(("a" + hexDigits(first, 3) + hexDigits(end, 3) + "\r").toLatin1());
        const uint32_t started = link.tick();
        link.shared().LastWordTick.store(started, Relaxed);
        link.shared().LastRowTick.store(started, Relaxed);

        const StreamEnd how = waitForSilence(link, turn);
        if (how == StreamEnd::Terminating)
            return;
        if (how == StreamEnd::Cancelled) {
            link.LogLine(Texts::text(Texts::LogMemoryReadCancelled));
            // After a stop what did arrive stays in the image and the check names what did
            // not; a disconnect just ends the read.
            if (turn.stopped() && !verify(link, first, end))
                link.LogLine(Texts::text(Texts::LogDataErrors));
            return;
        }
        if (how == StreamEnd::Stalled)
            link.LogLine(Texts::text(Texts::LogMemoryReadStalled).arg((StallMs + 999) / 1000));
        if (how != StreamEnd::PortLost)
            link.sleep(SettleMs);
        link.postEvent(Link::evDumpProgress, int32_t(end) * RowBytes);
        const bool complete = verify(link, first, end);
        // A read cut short by the port ends as a port error, after the log has named
        // what is missing.
        link.throwIfPortLost();
        if (!complete) {
            link.LogLine(Texts::text(Texts::LogDataErrors));
            return;
        }
        link.LogLine(Texts::text(Texts::LogDataOk));
        link.postEvent(Link::evDumpDone, int32_t(uint32_t(tag) << 16));
        if (save)
            saveImage(link);
    }

    // The port ends closed, so the next exchange performs a full handshake.
    void finish(TLinkContext& link)
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

void ReadMemory(TLinkContext& link, Row first, Row end, bool save, uint16_t tag)
{
    const ReadTurn turn(link.shared());
    // A read stopped while it waited in the queue does not begin.
    if (turn.cancelled(link)) {
        link.LogLine(Texts::text(Texts::LogMemoryReadCancelled));
        return;
    }
    if (!link.prepareExchange())
        return;
    try {
        readRange(link, turn, rowOf(first), rowOf(end), save, tag);
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

void runDumpToFile(TLinkContext& link, const TQueuedMessage& command)
{
    const uint32_t range = uint32_t(command.LParam);
    ReadMemory(link, rowOf(range & 0xFFFF), rowOf(range >> 16), true, 0);
}

void runDumpRange(TLinkContext& link, const TQueuedMessage& command)
{
    const uint32_t range = uint32_t(command.LParam);
    ReadMemory(
        link, rowOf(range & 0xFFFF), rowOf(range >> 16), false, uint16_t(command.WParam >> 16));
}

} // namespace Exchanges
