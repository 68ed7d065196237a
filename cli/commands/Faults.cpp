#include "Commands.h"
#include "cli/CliArguments.h"
#include "cli/CliCommand.h"
#include "link/FaultCodeList.h"
#include "link/LinkTypes.h"
#include "link/TCommThread.h"
#include "vehicles/FaultCodeText.h"

#include <cstdio>

namespace CliCommands {

namespace {

    constexpr int DefaultMaxTestTime = 60;

    char testLetter(const QStringList& words)
    {
        if (words.size() == 1) {
            if (words[0] == "read")
                return 'B';
            if (words[0] == "clear")
                return 'C';
            if (words[0] == "test")
                return 'D';
        }
        throw CliUsageError(QStringLiteral("faults takes read, clear or test"));
    }

    // A missing or unreadable codes.txt leaves the texts empty; the codes still print.
    FaultCodeDictionary loadDictionary()
    {
        FaultCodeDictionary codes;
        try {
            LoadFaultCodes(codes);
        } catch (const VeskorError& error) {
            std::fprintf(stderr, "veskor-cli: %s\n", qPrintable(error.message()));
        }
        return codes;
    }

} // namespace

int faults(CliContext& context)
{
    const CliArguments args(context.arguments(), { "--lang", "--max-test-time" });
    const char letter = testLetter(args.words());
    const QString lang = args.value("--lang").value_or("ru");
    if (lang != "ru" && lang != "en")
        throw CliUsageError(QStringLiteral("--lang is ru or en"));
    const int maxTestTime = args.value("--max-test-time")
        ? CliArguments::number("--max-test-time", *args.value("--max-test-time"), 1, 3600)
        : DefaultMaxTestTime;

    const FaultCodeDictionary codes = loadDictionary();
    CliSession& session = context.session();
    TCommThread& link = session.link();
    link.setMaxTestTime(maxTestTime);
    session.run(Link::cmdFaultTest, letter);

    const auto ended = session.printer().lastEvent(Link::evFaultTest);
    const uint16_t status = link.Slots(FaultCodeList::StatusSlot);
    if (!ended || *ended == 0
        || !(status & (FaultCodeList::StatusCodesReady | FaultCodeList::StatusNoResult))) {
        std::fprintf(stderr, "veskor-cli: the ECU gave no answer\n");
        return 1;
    }
    const QStringList entries
        = FaultCodeList::entries([&link](uint8_t slot) { return link.Slots(slot); });
    for (const QString& entry : entries) {
        QString text = faultCodeText(entry, codes, lang == "en");
        text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        std::fputs(text.toUtf8().constData(), stdout);
    }
    std::fflush(stdout);
    return 0;
}

} // namespace CliCommands
