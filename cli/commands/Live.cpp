#include "Commands.h"
#include "cli/CliArguments.h"
#include "cli/CliCommand.h"
#include "cli/CliInterrupt.h"
#include "cli/LiveCapture.h"
#include "common/AtomicFile.h"
#include "link/LinkTypes.h"
#include "link/TCommThread.h"
#include "store/TFordData.h"

#include <QElapsedTimer>
#include <cstdio>

namespace CliCommands {

namespace {

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

    void printLine(const QByteArray& line)
    {
        std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
        std::fputc('\n', stdout);
    }

} // namespace

int live(CliContext& context)
{
    const LiveRequest request = parseLive(context.arguments());
    // Ctrl-C from here on stops the stream with cmdStopData instead of killing the link.
    const CliInterrupt interrupt;
    CliSession& session = context.session();
    TCommThread& link = session.link();
    link.SetTable(request.Table);
    TFordData& store = link.DataManager();
    LiveCapture::PidMap map;
    for (size_t i = 0; i < map.size(); ++i)
        map[i] = store.PidMap(int(i));
    LiveCapture capture(map, [&link](uint8_t slot) { return link.Slots(slot); });
    for (uint8_t pid : capture.pids())
        store.PidLimits(pid).RecordHistory = true;

    QElapsedTimer clock;
    uint64_t words = 0;
    session.printer().setSlotListener([&](uint8_t slot) {
        ++words;
        const auto line = capture.onSlot(slot, uint32_t(clock.elapsed()));
        if (line && !request.Csv)
            printLine(*line);
    });
    session.run(Link::cmdStartData, 0);
    const bool streaming = link.LinkMode() == Link::lmLiveData;
    clock.start();
    if (streaming && !interrupt.requested())
        session.runFor(request.Duration, [&] { return interrupt.requested(); });
    session.run(Link::cmdStopData, 0);
    session.printer().setSlotListener(nullptr);
    std::fflush(stdout);

    if (request.Csv) {
        try {
            writeFileAtomically(*request.Csv, capture.csv());
        } catch (const VeskorError& error) {
            std::fprintf(stderr, "veskor-cli: %s\n", qPrintable(error.message()));
            return 1;
        }
    }
    if (!streaming || words == 0) {
        std::fprintf(stderr, "veskor-cli: no live data came\n");
        return 1;
    }
    return 0;
}

} // namespace CliCommands
