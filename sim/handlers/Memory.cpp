// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "Handlers.h"
#include "sim/SimDispatcher.h"
#include "sim/SimFrames.h"
#include "sim/SimMemory.h"
#include "sim/SimModule.h"

#include <vector>

namespace SimHandlers {

namespace {

    constexpr int BlockBytes = 64;
    constexpr int RowBytes = 16;

    // "a" + first row + end row, three hexadecimal digits each; false for anything else.
    bool parseRows(const QByteArray& line, int& first, int& end)
    {
        if (line.size() != 7)
            return false;
        bool okFirst = false;
        bool okEnd = false;
        first = line.mid(1, 3).toInt(&okFirst, 16);
        end = line.mid(4, 3).toInt(&okEnd, 16);
        return okFirst && okEnd;
    }

    // The image addresses of the 64-byte blocks that cover the rows.
    std::vector<int> blocks(const SimModule& module, int first, int end)
    {
        std::vector<int> starts;
        for (int a = first * RowBytes; a < end * RowBytes; a += BlockBytes)
            starts.push_back(a);
        if (module.hasFault(SimFault::MemoryGap) && starts.size() > 1)
            starts.erase(starts.begin() + 1);
        return starts;
    }

    // One block per cycle of 16 frames, positions 0 to 5: the block's bytes in the low
    // bytes of positions 2 to 5, its address in position 1 of frames 8 (low byte) and 9
    // (high byte), 16 below the image address as the module counts it. Slot 0xF5 ends it.
    SimStreamer::Source memoryBlocks(std::vector<int> starts)
    {
        const QByteArray& image = SimMemory::image();
        return [starts = std::move(starts), &image, index = -1](
                   uint8_t slot, uint16_t& value) mutable {
            if (slot == 0)
                ++index;
            const int frame = slot >> 4;
            const int position = slot & 0x0F;
            if (index < 0 || index >= int(starts.size()) || position > SimFrames::LastDataPosition)
                return false;
            const int start = starts[size_t(index)];
            const uint16_t announced = uint16_t(start - 16);
            if (position == 0)
                value = uint16_t(frame);
            else if (position == 1)
                value = frame == SimFrames::BlockAddressLowFrame ? announced & 0xFF
                    : frame == SimFrames::BlockAddressHighFrame  ? announced >> 8
                                                                 : 0;
            else
                value = uint8_t(
                    image[(start + frame * 4 + position - SimFrames::FirstDataPosition) & 0xFFFF]);
            return true;
        };
    }

} // namespace

void registerMemory(SimDispatcher& dispatcher)
{
    dispatcher.addExact("lD", [](SimModule& module, const QByteArray&) {
        module.reply(module.hasFault(SimFault::TableRefused) ? "?" : "D");
    });
    dispatcher.addExact("cI", [](SimModule& module, const QByteArray&) {
        module.reply(module.hasFault(SimFault::NoAck) ? "?" : "I");
    });
    dispatcher.addPrefix("a", [](SimModule& module, const QByteArray& line) {
        int first = 0;
        int end = 0;
        if (parseRows(line, first, end))
            module.startStream(memoryBlocks(blocks(module, first, end)));
    });
}

} // namespace SimHandlers
