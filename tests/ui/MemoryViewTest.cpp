// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The memory page's decisions without widgets: decoding, colours, folders and arguments.
#include "ui/model/MemoryView.h"

#include <QByteArray>
#include <gtest/gtest.h>

namespace {

struct Image {
    QByteArray bytes = QByteArray(65536, '\0');
    MemoryView::ImageReader reader()
    {
        return [this](uint16_t a) { return uint8_t(bytes.at(a)); };
    }
};

} // namespace

TEST(MemoryView, AdaptiveTablesDecodeFactorsIdleAndChecksum)
{
    Image image;
    const uint16_t a = 0x0100, cs = 0x0200;
    image.bytes[a + 0] = char(0x00);
    image.bytes[a + 1] = char(0x80);
    image.bytes[a + 11] = char(0xFF); // row 1, column 1
    image.bytes[a + 80] = char(0x40); // first idle value
    image.bytes[a + 85] = char(0x80); // last idle value
    image.bytes[a + 171] = char(0x01); // last byte of the summed area
    image.bytes[a + 172] = char(0x77); // past it: not summed
    const uint32_t sum = 0x80 + 0xFF + 0x40 + 0x80 + 0x01;
    image.bytes[cs] = char(sum & 0xFF);
    image.bytes[cs + 1] = char(sum >> 8);

    MemoryView::AdaptTables t = MemoryView::decodeAdaptTables(image.reader(), a, cs);
    EXPECT_EQ(t.Cells[0][0], "0.500");
    EXPECT_EQ(t.Cells[0][1], "1.000");
    EXPECT_EQ(t.Cells[1][1], "1.496");
    EXPECT_EQ(t.Cells[0][2], "0.500");
    EXPECT_EQ(t.Idle[0], "0.750");
    EXPECT_EQ(t.Idle[5], "1.000");
    EXPECT_EQ(t.Checksum, "0240");
    EXPECT_TRUE(t.ChecksumMatches);

    image.bytes[cs + 1] = char(0x03);
    EXPECT_FALSE(MemoryView::decodeAdaptTables(image.reader(), a, cs).ChecksumMatches);
}

TEST(MemoryView, AreasNearTheTopWrapToAddressZero)
{
    Image image;
    image.bytes[0xFFFF] = char(0x80);
    image.bytes[0] = char(0xFF);
    image.bytes[4] = char(0x12);
    const auto t = MemoryView::decodeAdaptTables(image.reader(), 0xFFFF, 0xFFFF);
    EXPECT_EQ(t.Cells[0][0], "1.000");
    EXPECT_EQ(t.Cells[0][1], "1.496");
    EXPECT_EQ(t.Checksum, "0191");
    EXPECT_FALSE(t.ChecksumMatches);
    // The stored word at 0xFFFF takes its high byte from address 0.
    image.bytes[0x1000] = char(0x01);
    image.bytes[0x1001] = char(0x7E); // sum 0x7F + 0x100 * image[0]
    image.bytes[0] = char(0x01);
    image.bytes[0xFFFF] = char(0x7F);
    EXPECT_FALSE(MemoryView::decodeAdaptTables(image.reader(), 0x1000, 0xFFFF).ChecksumMatches);
    image.bytes[0x1002] = char(0xFF);
    image.bytes[0x1003] = char(0x01); // sum now 0x17F
    EXPECT_TRUE(MemoryView::decodeAdaptTables(image.reader(), 0x1000, 0xFFFF).ChecksumMatches);

    const auto map = MemoryView::decodeByteMap(image.reader(), 0xFFFC);
    EXPECT_EQ(map[0][3], "7F");
    EXPECT_EQ(map[0][4], "01");
    EXPECT_EQ(map[0][8], "12");
}

TEST(MemoryView, BaseAddressIsHexOrZero)
{
    EXPECT_EQ(MemoryView::baseAddress("C112"), 0xC112);
    EXPECT_EQ(MemoryView::baseAddress("c69d"), 0xC69D);
    EXPECT_EQ(MemoryView::baseAddress(""), 0);
    EXPECT_EQ(MemoryView::baseAddress("XYZ"), 0);
    EXPECT_EQ(MemoryView::baseAddress("10000"), 0);
}

TEST(MemoryView, CellColoursFollowTheContrastAndTheByte)
{
    EXPECT_EQ(MemoryView::factorColour("0.875", 500), QColor(192, 255, 192));
    EXPECT_EQ(MemoryView::factorColour("1.250", 500), QColor(255, 130, 130));
    EXPECT_FALSE(MemoryView::factorColour("1.000", 500).has_value());
    EXPECT_FALSE(MemoryView::factorColour("", 500).has_value());
    // Far from 1 with a high contrast the channel stays at 0.
    EXPECT_EQ(MemoryView::factorColour("0.500", 1000), QColor(0, 255, 0));
    EXPECT_EQ(MemoryView::factorColour("1.496", 1000), QColor(255, 0, 0));

    // A text that is no number reads as 0.
    EXPECT_EQ(MemoryView::factorColour("x", 100), QColor(155, 255, 155));

    EXPECT_EQ(MemoryView::byteColour("40"), QColor(255, 191, 191));
    EXPECT_EQ(MemoryView::byteColour("00"), QColor(255, 255, 255));
    EXPECT_EQ(MemoryView::byteColour("FF"), QColor(255, 0, 0));
}

TEST(MemoryView, DumpFolderAndCommandArguments)
{
    EXPECT_EQ(MemoryView::dumpFolder("/home/x", "Escort 1.6"), "/home/x/Dumps/Escort 1.6");
    EXPECT_EQ(MemoryView::dumpFolder("/home/x", "a/b:c*..\\"), "/home/x/Dumps/a_b_c_.._");
    EXPECT_EQ(MemoryView::dumpFolder("/home/x", ".."), "/home/x/Dumps/__");

    const auto range = [](uint16_t address) {
        const MemoryView::BlockRange r = MemoryView::adaptiveRange(address);
        return std::pair<int, int>(r.First, r.Last);
    };
    // No vehicle: blocks 0 to 12.
    EXPECT_EQ(range(0), std::make_pair(0, 12));
    EXPECT_EQ(range(0xC112), std::make_pair(0xC11, 0xC1D));
    EXPECT_EQ(MemoryView::adaptiveRangeEnd(0xC112), 0xC112 + 192);
    // Near the top the read stops at the last block.
    EXPECT_EQ(range(0xFFA0), std::make_pair(0xFFA, 0xFFF));
    EXPECT_EQ(MemoryView::adaptiveRangeEnd(0xFFA0), 65536);
}

TEST(MemoryView, DumpNamesAndLoadNotes)
{
    const QDateTime time(QDate(2024, 3, 5), QTime(14, 7, 33));
    EXPECT_EQ(MemoryView::dumpFileName("FullRAM", time), "FullRAM 05.03.2024 14 07 33.bin");
    // The image's size needs no note; a shorter or longer file says what was taken.
    EXPECT_TRUE(MemoryView::loadNote("d.bin", 65536).isEmpty());
    const QString shortNote = MemoryView::loadNote("d.bin", 8192);
    EXPECT_TRUE(shortNote.contains("8192")) << qPrintable(shortNote);
    EXPECT_TRUE(shortNote.contains("65536"));
    EXPECT_NE(shortNote, MemoryView::loadNote("d.bin", 70000));
    EXPECT_TRUE(MemoryView::loadNote("d.bin", 70000).contains("70000"));
    EXPECT_FALSE(MemoryView::loadNote("d.bin", 0).isEmpty());
}
