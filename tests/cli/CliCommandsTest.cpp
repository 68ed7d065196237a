#include "cli/CliArguments.h"
#include "cli/CliCommand.h"
#include "cli/LiveCapture.h"
#include "link/WordPacket.h"
#include "store/TFordData.h"

#include <array>
#include <gtest/gtest.h>

namespace {

LiveCapture::PidMap tableP()
{
    TFordData store;
    store.SelectTable('P');
    LiveCapture::PidMap map;
    for (int i = 0; i < 64; ++i)
        map[size_t(i)] = store.PidMap(i);
    return map;
}

} // namespace

TEST(CliArguments, OptionsFlagsAndWords)
{
    const CliArguments args({ "read", "--lang", "en", "--full" }, { "--lang" }, { "--full" });
    EXPECT_EQ(args.words(), QStringList { "read" });
    EXPECT_EQ(args.value("--lang"), "en");
    EXPECT_TRUE(args.isSet("--full"));
    EXPECT_FALSE(args.value("--csv").has_value());
    EXPECT_THROW(CliArguments({ "--lang" }, { "--lang" }), CliUsageError);
    EXPECT_THROW(CliArguments({ "--frobnicate" }, { "--lang" }), CliUsageError);
    EXPECT_EQ(CliArguments::number("--end", "0x0BC", 0, 4095), 0xBC);
    EXPECT_EQ(CliArguments::number("--end", "511", 0, 4095), 511);
    EXPECT_THROW(CliArguments::number("--end", "4096", 0, 4095), CliUsageError);
    EXPECT_THROW(CliArguments::number("--end", "12x", 0, 4095), CliUsageError);
}

TEST(CliLiveCapture, ChangedValuesAndOneRowPerCompleteCycle)
{
    std::array<uint16_t, 256> slotWords {};
    LiveCapture capture(tableP(), [&](uint8_t slot) { return slotWords[slot]; });
    // Table P lists PID 1 first and again in frame 8; each PID is one column.
    EXPECT_EQ(capture.pids().first(), 1);
    EXPECT_EQ(capture.pids().count(1), 1);
    EXPECT_EQ(capture.csv().left(12), "time_ms,1,17");

    slotWords[0x02] = WordPacket::encode(200);
    EXPECT_EQ(capture.onSlot(0x02, 10), "pid 1 800");
    EXPECT_FALSE(capture.onSlot(0x02, 11).has_value()) << "unchanged values print nothing";
    EXPECT_FALSE(capture.onSlot(0x01, 12).has_value()) << "position 1 carries no PID";
    // The end of a cycle before every PID has a value makes no row.
    slotWords[0xF5] = WordPacket::encode(7);
    capture.onSlot(0xF5, 20);
    EXPECT_EQ(capture.rows(), 0);

    for (int frame = 0; frame < 16; ++frame)
        for (int position = 2; position <= 5; ++position) {
            const uint8_t slot = uint8_t(frame * 16 + position);
            if (slot != 0x02)
                slotWords[slot] = WordPacket::encode(uint16_t(frame + position));
            capture.onSlot(slot, 30);
        }
    ASSERT_EQ(capture.rows(), 1);
    const QList<QByteArray> lines = capture.csv().split('\n');
    ASSERT_EQ(lines.size(), 3); // header, row, and the empty text after the last newline
    const QList<QByteArray> cells = lines[1].split(',');
    EXPECT_EQ(cells.size(), capture.pids().size() + 1);
    EXPECT_EQ(cells[0], "30");
    // PID 1 was last brought by frame 8, position 2: the value 10 reads 40 rpm.
    EXPECT_EQ(cells[1], "40");
}
