#include "Commands.h"
#include "cli/CaptureFile.h"
#include "cli/CliArguments.h"
#include "cli/CliCommand.h"
#include "cli/CliInterrupt.h"
#include "cli/LiveCapture.h"
#include "link/LinkTypes.h"
#include "link/TCommThread.h"
#include "store/TFordData.h"

#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <memory>

namespace CliCommands {

namespace {

    // The CSV goes to the disk this often: a killed capture loses at most this much.
    constexpr std::chrono::milliseconds FlushInterval { 500 };

    struct LiveRequest {
        char Table = 'P';
        std::optional<std::chrono::milliseconds> Duration;
        std::optional<QString> Csv;
    };

    LiveRequest parseLive(const QStringList& arguments)
    {
        const CliArguments args(arguments, { "--table", "--seconds", "--csv" });
        if (!args.words().isEmpty())
            throw CliUsageError(QStringLiteral("live takes only --table, --seconds and --csv"));
        LiveRequest request;
        if (const auto table = args.value("--table")) {
            if (*table != "P" && *table != "T")
                throw CliUsageError(QStringLiteral("--table is P or T"));
            request.Table = table->front().toLatin1();
        }
        if (const auto seconds = args.value("--seconds"))
            request.Duration
                = std::chrono::seconds(CliArguments::number("--seconds", *seconds, 1, 86400));
        request.Csv = args.value("--csv");
        return request;
    }

    LiveCapture::PidMap pidMap(TFordData& store)
    {
        LiveCapture::PidMap map;
        for (size_t i = 0; i < map.size(); ++i)
            map[i] = store.PidMap(int(i));
        return map;
    }

} // namespace

int live(CliContext& context)
{
    const LiveRequest request = parseLive(context.arguments());
    // The file is made before the adapter is touched: a wrong path costs no capture.
    std::unique_ptr<CaptureFile> csv;
    if (request.Csv) {
        try {
            csv = std::make_unique<CaptureFile>(*request.Csv);
        } catch (const VeskorError& error) {
            throw CliUsageError(error.message());
        }
    }
    // Ctrl-C from here on stops the stream with cmdStopData instead of killing the link.
    const CliInterrupt interrupt;
    CliSession& session = context.session();
    TCommThread& link = session.link();
    link.SetTable(request.Table);
    // Nothing here reads the store's history: it records none.
    LiveCapture capture(pidMap(link.DataManager()));
    if (csv) {
        csv->append(capture.header());
        csv->flush();
    }

    QElapsedTimer clock;
    uint64_t words = 0;
    // Words of the handshake before the stream are no live data.
    session.printer().setWordListener([&](uint8_t slot, uint16_t word, bool live) {
        if (!live)
            return;
        if (!clock.isValid())
            clock.start();
        ++words;
        const LiveCapture::Update update = capture.onWord(slot, word, uint32_t(clock.elapsed()));
        if (csv && update.Row)
            csv->append(*update.Row);
        if (!csv && update.Line)
            CliPrinter::print(*update.Line);
    });
    // A file that can no longer be written ends the capture.
    std::optional<QString> writeError;
    QTimer flusher;
    if (csv) {
        QObject::connect(&flusher, &QTimer::timeout, [&] {
            try {
                csv->flush();
            } catch (const VeskorError& error) {
                writeError = error.message();
            }
        });
        flusher.start(FlushInterval);
    }

    CliOutcome outcome = session.run(Link::cmdStartData, 0);
    const bool streaming = link.LinkMode() == Link::lmLiveData;
    // A port error that the link reports meanwhile ends the capture as well.
    const auto ended
        = [&] { return interrupt.requested() || writeError || session.printer().portError(); };
    if (streaming && outcome == CliOutcome::Done && !ended())
        outcome = session.runFor(request.Duration, ended);
    session.printer().setWordListener(nullptr);
    // The stream is stopped also after a silence: the module may still be there.
    session.run(Link::cmdStopData, 0);
    flusher.stop();
    if (csv && !writeError)
        csv->flush();

    if (writeError)
        throw VeskorError(*writeError);
    if (outcome == CliOutcome::Silent)
        throw VeskorError(session.silenceSentence());
    if (const auto reason = session.failure())
        throw VeskorError(*reason);
    if (!streaming || words == 0)
        throw VeskorError(QStringLiteral("no live data came from %1: the stream did not start")
                              .arg(session.devicePath()));
    return 0;
}

} // namespace CliCommands
