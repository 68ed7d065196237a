// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "Exchanges.h"
#include "common/Texts.h"
#include "link/FirmwareImage.h"
#include "link/TBootLoader.h"
#include "link/TLinkContext.h"

namespace Exchanges {

namespace {

    constexpr uint32_t EnterLoaderMs = 1000;
    constexpr uint32_t BeforeVerifyMs = 500;
    constexpr uint32_t RestartMs = 2500;

    // Where the update is, and the first stage that failed: the outcome the update ends with.
    struct Outcome {
        // fsNone once the update's own work is over: the closing handshake fails nothing.
        // A port that will not open fails the update before its file is read.
        Link::FirmwareStage stage = Link::fsPort;
        Link::FirmwareStage failed = Link::fsNone;

        void fail()
        {
            if (failed == Link::fsNone)
                failed = stage;
        }
        // Records the result of the current stage; the update goes on either way.
        bool check(bool passed)
        {
            if (!passed)
                fail();
            return passed;
        }
    };

    void postStep(TLinkContext& link, Link::FirmwareStep step, uint16_t argument = 0)
    {
        link.postEvent(Link::evFirmware, Link::firmwareEvent(step, argument));
    }

    void log(TLinkContext& link, const char* text)
    {
        link.LogLine(Texts::text(text));
    }

    QString hexCode(uint8_t code)
    {
        return QStringLiteral("0x%1").arg(code, 2, 16, QLatin1Char('0'));
    }

    // The loader's own list decides; a loader that gives none gets the module's code.
    uint8_t selectDevice(TLinkContext& link, TBootLoader& loader)
    {
        const QByteArray codes = loader.deviceCodes();
        const uint8_t code = TBootLoader::selectDeviceCode(codes);
        link.LogLine(
            Texts::text(codes.isEmpty() ? Texts::LogDeviceCodeDefault : Texts::LogDeviceCode)
                .arg(hexCode(code)));
        return code;
    }

    // Writes the blocks; a refused block ends the writing, not the update.
    bool program(TLinkContext& link, TBootLoader& loader, const FirmwareImage& image)
    {
        log(link, Texts::LogFlashing);
        for (int i = 0; i < image.blockCount(); ++i) {
            postStep(link, Link::fwWriting);
            if (!loader.writeBlock(image.block(i))) {
                log(link, Texts::LogFlashError);
                postStep(link, Link::fwBlockRefused);
                return false;
            }
        }
        return true;
    }

    // Reads back the blocks written; false also when the loader did not set the address.
    bool verify(TLinkContext& link, TBootLoader& loader, const FirmwareImage& image)
    {
        link.sleep(BeforeVerifyMs);
        if (!loader.setAddressZero())
            return false;
        log(link, Texts::LogVerifying);
        QByteArray readBack;
        for (int i = 0; i < image.blockCount(); ++i) {
            postStep(link, Link::fwVerifying);
            readBack += loader.readBlock();
        }
        const bool passed = image.matches(readBack);
        log(link, passed ? Texts::LogVerifyPassed : Texts::LogVerifyFailed);
        return passed;
    }

    // With the module restarted into its boot loader. A loader that is not AVR109 gets
    // nothing written, nor does one that fails a command before the first block. Once
    // writing began, the loader is always read back and asked to let the module go.
    void update(TLinkContext& link, const FirmwareImage& image, Outcome& outcome)
    {
        TBootLoader loader(link.port());
        if (!outcome.check(loader.identify()))
            return;
        log(link, Texts::LogBootloaderAnswer);
        outcome.stage = Link::fsPrepare;
        if (!outcome.check(loader.checkAutoIncrement())
            || !outcome.check(loader.prepare(selectDevice(link, loader))))
            return;
        outcome.stage = Link::fsWriting;
        outcome.check(program(link, loader, image));
        outcome.stage = Link::fsVerifying;
        outcome.check(verify(link, loader, image));
        outcome.stage = Link::fsLeaving;
        outcome.check(loader.leave());
    }

    // The update from the boot loader's timeouts to the closing handshake; a firmware that
    // cannot be right is refused before the module restarts.
    void flash(TLinkContext& link, Outcome& outcome)
    {
        TLinkPort& port = link.port();
        // They stay on this port object until the next Connect replaces it.
        port.setTimeouts(TBootLoader::timeouts());
        link.sleepBluetooth(1000, 0);
        if (!port.isOpen())
            port.open();
        port.purge();
        outcome.stage = Link::fsFile;
        const FirmwareImage image = FirmwareImage::load(link.FirmwareFile());
        if (!image.valid()) {
            link.LogLine(image.error());
            outcome.fail();
            return;
        }
        log(link, Texts::LogPortOpen);
        postStep(link, Link::fwLoaded, uint16_t(image.progressSteps()));

        outcome.stage = Link::fsBootLoader;
        port.write("r\r");
        link.sleep(EnterLoaderMs);
        port.purge();
        update(link, image, outcome);
        outcome.stage = Link::fsNone;

        postStep(link, Link::fwRestarting);
        link.sleep(RestartMs);
        link.Connect(true);
    }

    const char* outcomeLine(Link::FirmwareStage stage)
    {
        switch (stage) {
        case Link::fsFile:
            return Texts::LogFirmwareFailedFile;
        case Link::fsBootLoader:
            return Texts::LogFirmwareFailedLoader;
        case Link::fsPrepare:
            return Texts::LogFirmwareFailedPrepare;
        case Link::fsWriting:
            return Texts::LogFirmwareFailedWriting;
        case Link::fsVerifying:
            return Texts::LogFirmwareFailedVerify;
        case Link::fsLeaving:
            return Texts::LogFirmwareFailedLeave;
        case Link::fsPort:
            return Texts::LogFirmwareFailedPort;
        case Link::fsNone:
            break;
        }
        return Texts::LogFirmwareDone;
    }

} // namespace

void FlashFirmware(TLinkContext& link)
{
    if (!link.port().exists() && !link.Connect(false))
        return;
    // From here the update ends with fwEnded whatever happens, so the window gets its
    // button back; a port error is logged first, as every exchange logs it. The outcome
    // is the last line of the log, after the closing handshake, and the argument of fwEnded.
    Outcome outcome;
    try {
        flash(link, outcome);
    } catch (const std::exception& error) {
        link.reportExchangeError(Link::cmdFlashFirmware, error);
        outcome.fail();
    }
    log(link, outcomeLine(outcome.failed));
    postStep(link, Link::fwEnded, outcome.failed);
}

void runFlashFirmware(TLinkContext& link, const TQueuedMessage&)
{
    FlashFirmware(link);
}

} // namespace Exchanges
