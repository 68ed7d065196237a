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

    void postStep(TLinkContext& link, Link::FirmwareStep step, uint16_t argument = 0)
    {
        link.postEvent(Link::evFirmware, Link::firmwareEvent(step, argument));
    }

    void log(TLinkContext& link, const char* text)
    {
        link.LogLine(Texts::text(text));
    }

    // Writes the blocks; a refused block ends the writing, not the update.
    void program(TLinkContext& link, TBootLoader& loader, const FirmwareImage& image)
    {
        log(link, Texts::LogFlashing);
        for (int i = 0; i < image.blockCount(); ++i) {
            postStep(link, Link::fwWriting);
            if (!loader.writeBlock(image.block(i))) {
                log(link, Texts::LogFlashError);
                postStep(link, Link::fwBlockRefused);
                return;
            }
        }
    }

    void verify(TLinkContext& link, TBootLoader& loader, const FirmwareImage& image)
    {
        link.sleep(BeforeVerifyMs);
        if (!loader.setAddressZero())
            return;
        log(link, Texts::LogVerifying);
        QByteArray readBack;
        for (int i = 0; i < image.readBackCount(); ++i) {
            postStep(link, Link::fwVerifying);
            readBack += loader.readBlock();
        }
        log(link, image.matches(readBack) ? Texts::LogVerifyPassed : Texts::LogVerifyFailed);
    }

    // With the module restarted into its boot loader. A loader that is not AVR109 gets
    // nothing written; a wrong reply before programming ends the session without a word.
    void update(TLinkContext& link, const FirmwareImage& image)
    {
        TBootLoader loader(link.port());
        if (!loader.identify())
            return;
        log(link, Texts::LogBootloaderAnswer);
        if (!loader.prepare())
            return;
        program(link, loader, image);
        verify(link, loader, image);
        // Success means the loader let the module go, whatever the verification showed.
        if (loader.leave())
            log(link, Texts::LogFirmwareDone);
    }

    // Steps 3 to 16; a firmware that cannot be right is refused before the module restarts.
    void flash(TLinkContext& link)
    {
        TLinkPort& port = link.port();
        // They stay on this port object until the next Connect replaces it.
        port.setTimeouts(TBootLoader::timeouts());
        link.sleepBluetooth(1000, 0);
        if (!port.isOpen())
            port.open();
        port.purge();
        const FirmwareImage image = FirmwareImage::load(link.FirmwareFile());
        if (!image.valid()) {
            link.LogLine(image.error());
            return;
        }
        log(link, Texts::LogPortOpen);
        postStep(link, Link::fwLoaded, uint16_t(image.progressSteps()));

        port.write("r\r");
        link.sleep(EnterLoaderMs);
        port.purge();
        update(link, image);

        postStep(link, Link::fwRestarting);
        link.sleep(RestartMs);
        link.Connect(true);
    }

} // namespace

void FlashFirmware(TLinkContext& link)
{
    if (!link.port().exists() && !link.Connect(false))
        return;
    // From here the update ends with step 4 whatever happens, so the window gets its
    // button back; a port error is logged first, as every exchange logs it.
    try {
        flash(link);
    } catch (const std::exception& error) {
        link.logPortError(error);
    }
    postStep(link, Link::fwEnded);
}

void runFlashFirmware(TLinkContext& link, const TQueuedMessage&)
{
    FlashFirmware(link);
}

} // namespace Exchanges
