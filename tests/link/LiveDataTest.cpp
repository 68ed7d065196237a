#include "LinkHarness.h"
#include "common/Texts.h"
#include "store/TFordData.h"

#include <gtest/gtest.h>

namespace {

SimConfig withFault(SimFault fault)
{
    SimConfig config;
    config.Faults.set(fault);
    return config;
}

QString log(const char* text, const QString& letter = {})
{
    QString line = Texts::text(text);
    return letter.isEmpty() ? line : line.replace("%s", letter);
}

// Waits until the stream has brought words of the slot.
bool waitForSlot(LinkHarness& h, uint8_t slot)
{
    return h.recorder.waitFor([&] {
        for (const RecordedMessage& m : h.recorder.SlotPosts)
            if (m.WParam == slot && m.LParam == 1)
                return true;
        return false;
    });
}

} // namespace

TEST(LinkLiveData, StartStreamsTheTableIntoTheStore)
{
    LinkHarness h;
    h.link->DataManager().PidLimits(1).RecordHistory = true;
    ASSERT_TRUE(h.run(Link::cmdStartData));
    EXPECT_EQ(h.link->LinkMode(), Link::lmLiveData);
    EXPECT_EQ(h.recorder.Logs,
        (QList<QString> { log(Texts::LogPortInit), log(Texts::LogPortInit),
            log(Texts::LogPortOpening), log(Texts::LogDataStop), log(Texts::LogDataCommand, "P"),
            log(Texts::LogPidMapInit, "P"), log(Texts::LogDataStart) }));
    ASSERT_TRUE(waitForSlot(h, 0xF5));
    ASSERT_TRUE(h.recorder.waitFor([&] { return h.link->DataManager().BlockCount(1) > 0; }));
    const float rpm = TFordData::ConvertValue(1, h.link->Slots(0x02));
    EXPECT_GT(rpm, 150);
    EXPECT_LT(rpm, 7000);
    EXPECT_EQ(h.sim->receivedLines().mid(4),
        (QList<QByteArray> { "z", "lP", "cE", "cG" }));

    ASSERT_TRUE(h.run(Link::cmdStopData));
    EXPECT_EQ(h.link->LinkMode(), Link::lmConnected);
    for (int s = 0; s < 256; ++s)
        ASSERT_EQ(h.link->Slots(uint8_t(s)), 0) << s;
    EXPECT_EQ(h.recorder.SlotPosts.last().WParam, 0u);
    EXPECT_EQ(h.recorder.SlotPosts.last().LParam, 0);
}
