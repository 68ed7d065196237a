// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The firmware image, the device code chosen for the boot loader, the update's progress as
// the bar shows it, and the options' items.
#include "common/ScaledClock.h"
#include "common/Texts.h"
#include "link/FirmwareImage.h"
#include "link/FirmwareProgress.h"
#include "link/LinkTypes.h"
#include "link/ModuleOption.h"
#include "link/TBootLoader.h"
#include "link/TLinkPort.h"
#include "support/TempDir.h"

#include <algorithm>
#include <gtest/gtest.h>

TEST(FirmwareImage, BlocksOfAFileWithAnOddEnd)
{
    QByteArray bytes(301, 'x');
    bytes[300] = 'z';
    const FirmwareImage image(bytes);
    ASSERT_EQ(image.blockCount(), 3);
    // One step per block written and one per block read back.
    EXPECT_EQ(image.progressSteps(), 6);
    EXPECT_EQ(image.block(0), QByteArray(128, 'x'));
    EXPECT_EQ(image.block(2), QByteArray(44, 'x') + 'z' + char(0xFF));
    // The read-back holds the padding and more; only the file's bytes count.
    EXPECT_TRUE(image.matches(bytes + char(0xFF) + QByteArray(100, 'q')));
    EXPECT_FALSE(image.matches(bytes.left(300)));
    QByteArray changed = bytes;
    changed[299] = 'y';
    EXPECT_FALSE(image.matches(changed));
}

TEST(FirmwareImage, WholeBlocksEndWithTheLastFullOneNeverAnEmptyOne)
{
    const FirmwareImage image(QByteArray(256, 'x'));
    ASSERT_EQ(image.blockCount(), 2);
    EXPECT_EQ(image.progressSteps(), 4);
    EXPECT_EQ(image.block(1).size(), 128);
    EXPECT_TRUE(image.block(2).isEmpty());
    EXPECT_EQ(FirmwareImage(QByteArray(128, 'x')).blockCount(), 1);
    EXPECT_EQ(FirmwareImage(QByteArray(129, 'x')).blockCount(), 2);
    const FirmwareImage one(QByteArray(1, 'x'));
    ASSERT_EQ(one.blockCount(), 1);
    EXPECT_EQ(one.block(0), QByteArray("x") + char(0xFF));
    // The largest image still counts its steps in the event's 16 bits.
    EXPECT_EQ(FirmwareImage(QByteArray(FirmwareImage::MaxSize, 'x')).progressSteps(), 1024);
}

namespace {

// A port whose input is a script: what the loader "sent" waits until it is read or purged.
class ScriptedPort : public ISerialPort {
public:
    QByteArray input;
    int purges = 0;

    void open() override { }
    void close() override { }
    bool isOpen() const override { return true; }
    void setTimeouts(const SerialTimeouts&) override { }
    void setEvents(bool) override { }
    bool events() const override { return false; }
    void setReceiveHandler(ReceiveHandler) override { }
    void purge() override
    {
        input.clear();
        ++purges;
    }
    size_t read(uint8_t* buffer, size_t n) override
    {
        const size_t got = std::min(n, size_t(input.size()));
        std::copy_n(input.constData(), got, buffer);
        input.remove(0, qsizetype(got));
        return got;
    }
    size_t readWaiting(uint8_t*, size_t) override { return 0; }
    void beginOwnRead() override { }
    void endOwnRead() override { }
    size_t write(const uint8_t*, size_t n) override { return n; }
};

struct ScriptedLoader {
    ScaledClock clock;
    ScriptedPort* port = nullptr;
    TLinkPort link { [this](const SerialConfig&, ScaledClock&) {
                        auto owned = std::make_unique<ScriptedPort>();
                        port = owned.get();
                        return owned;
                    },
        clock, {} };

    // The codes the link makes of the loader's answer to 't'.
    QByteArray codes(const QByteArray& answer)
    {
        link.recreate({});
        port->input = answer;
        return TBootLoader(link).deviceCodes();
    }
};

} // namespace

TEST(TBootLoader, ReadsTheDeviceListUpToItsEndAndNothingElse)
{
    ScriptedLoader l;
    EXPECT_EQ(l.codes(QByteArray("\x74\0", 2)), "\x74");
    // The next reply stays for the next command.
    EXPECT_EQ(l.codes(QByteArray("\x75\x76\0\r", 4)), "\x75\x76");
    EXPECT_EQ(l.port->input, "\r");
    EXPECT_EQ(l.port->purges, 0);
    // A loader without 't' answers '?': no list, and nothing more to wait for.
    EXPECT_TRUE(l.codes("?").isEmpty());
    EXPECT_EQ(l.port->purges, 0);
    // Silence, a list without its end and an endless one are no list; what may still come
    // is purged.
    EXPECT_TRUE(l.codes({}).isEmpty());
    EXPECT_EQ(l.port->purges, 1);
    EXPECT_TRUE(l.codes("\x75").isEmpty());
    EXPECT_EQ(l.port->purges, 1);
    EXPECT_TRUE(l.codes(QByteArray(100, '\x75')).isEmpty());
    EXPECT_EQ(l.port->purges, 1);
    EXPECT_TRUE(l.port->input.isEmpty());
}

TEST(TBootLoader, DeviceCodeIsTheModulesWhenListedOrGivenNoListElseTheFirstListed)
{
    EXPECT_EQ(TBootLoader::selectDeviceCode(QByteArray("\x74", 1)), 0x74);
    EXPECT_EQ(TBootLoader::selectDeviceCode(QByteArray("\x75\x76\x74", 3)), 0x74);
    EXPECT_EQ(TBootLoader::selectDeviceCode(QByteArray("\x75\x76", 2)), 0x75);
    EXPECT_EQ(TBootLoader::selectDeviceCode({}), 0x74);
}

TEST(FirmwareImage, LoadRefusesWhatCannotBeAFirmware)
{
    TempDir dir;
    const FirmwareImage good = FirmwareImage::load(dir.write("a.bin", "abc"));
    EXPECT_TRUE(good.valid());
    EXPECT_EQ(good.bytes(), "abc");
    EXPECT_TRUE(FirmwareImage::load(dir.write("max.bin", QByteArray(65536, 'x'))).valid());

    const FirmwareImage big = FirmwareImage::load(dir.write("big.bin", QByteArray(70000, 'x')));
    EXPECT_FALSE(big.valid());
    EXPECT_TRUE(big.bytes().isEmpty());
    EXPECT_TRUE(big.error().contains("70000")) << big.error().toStdString();
    EXPECT_TRUE(big.error().contains("big.bin"));

    const FirmwareImage empty = FirmwareImage::load(dir.write("empty.bin", {}));
    EXPECT_EQ(empty.error(), Texts::text(Texts::FirmwareFileEmpty).arg(dir.file("empty.bin")));
    const FirmwareImage missing = FirmwareImage::load(dir.file("none.bin"));
    EXPECT_FALSE(missing.valid());
    EXPECT_TRUE(missing.error().contains("none.bin"));
    EXPECT_FALSE(FirmwareImage::load(dir.path()).valid());
}

TEST(FirmwareProgress, FollowsTheStepsOfAnUpdate)
{
    FirmwareProgress bar;
    EXPECT_FALSE(bar.visible());
    EXPECT_TRUE(bar.apply(Link::firmwareEvent(Link::fwLoaded, 4)));
    EXPECT_TRUE(bar.visible());
    EXPECT_EQ(bar.maximum(), 4);
    EXPECT_EQ(bar.caption(), Texts::text(Texts::FirmwareProgressInit));
    bar.apply(Link::firmwareEvent(Link::fwWriting));
    EXPECT_EQ(bar.position(), 1);
    EXPECT_EQ(bar.caption(), Texts::text(Texts::FirmwareProgressFlashing));
    // A step more than announced leaves the bar full.
    for (int i = 0; i < 4; ++i)
        bar.apply(Link::firmwareEvent(Link::fwVerifying));
    EXPECT_EQ(bar.position(), 4);
    EXPECT_EQ(bar.caption(), Texts::text(Texts::FirmwareProgressVerifying));
    bar.apply(Link::firmwareEvent(Link::fwRestarting));
    EXPECT_EQ(bar.caption(), Texts::text(Texts::FirmwareProgressRestart));
    EXPECT_FALSE(bar.finished());
    EXPECT_FALSE(bar.apply(7));
    EXPECT_TRUE(bar.visible());
    bar.apply(Link::firmwareEvent(Link::fwEnded));
    EXPECT_FALSE(bar.visible());
    EXPECT_TRUE(bar.finished());
    EXPECT_EQ(bar.failure(), Link::fsNone);

    FirmwareProgress refused;
    refused.apply(Link::firmwareEvent(Link::fwLoaded, 4));
    refused.apply(Link::firmwareEvent(Link::fwBlockRefused));
    EXPECT_FALSE(refused.visible());
    EXPECT_TRUE(refused.finished());
    // The end carries the stage that failed; the next update starts without it.
    refused.apply(Link::firmwareEvent(Link::fwEnded, Link::fsWriting));
    EXPECT_EQ(refused.failure(), Link::fsWriting);
    refused.apply(Link::firmwareEvent(Link::fwLoaded, 4));
    EXPECT_EQ(refused.failure(), Link::fsNone);
}

TEST(ModuleOption, ReplyBytesSelectItems)
{
    using namespace ModuleOption;
    EXPECT_EQ(items(Speed)[selectedItem(Speed, '3')], "19200");
    EXPECT_EQ(items(Format)[selectedItem(Format, '1')], "HEX");
    EXPECT_EQ(items(Speed)[selectedItem(Speed, '2')], "9600");
    EXPECT_EQ(items(Format)[selectedItem(Format, '0')], "BIN");
    // Never written: the page shows "9600" and "BIN".
    EXPECT_EQ(items(Speed)[selectedItem(Speed, Unset)], "9600");
    EXPECT_EQ(items(Format)[selectedItem(Format, Unset)], "BIN");
    EXPECT_EQ(selectedItem(Speed, '4'), -1);
    EXPECT_EQ(selectedItem(Format, '2'), -1);
    EXPECT_EQ(selectedItem(Speed, 'A'), -1);
    EXPECT_EQ(selectedItem(Speed, 0), -1);
    EXPECT_EQ(label(Speed), Texts::text(Texts::OptionSpeedLabel));
}
