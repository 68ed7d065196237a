// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "Commands.h"
#include "cli/CliArguments.h"
#include "cli/CliCommand.h"
#include "common/UiLanguage.h"
#include "link/FaultCodeList.h"
#include "link/LinkSession.h"
#include "link/LinkTypes.h"
#include "vehicles/FaultCodeText.h"

#include <QElapsedTimer>
#include <cstdio>

namespace CliCommands {

namespace {

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

    // A missing, unreadable or damaged codes.txt is told on stderr; the codes still print,
    // those it doesn't describe as such.
    FaultCodeDictionary loadDictionary()
    {
        FaultCodeDictionary codes;
        QStringList problems;
        try {
            problems = LoadFaultCodes(codes);
        } catch (const VeskorError& error) {
            problems.append(error.message());
        }
        for (const QString& problem : problems)
            std::fprintf(stderr, "veskor-cli: %s\n", qUtf8Printable(problem));
        return codes;
    }

    // "progress 3/60 s" once a second of the self-test, in the link's seconds.
    class TestProgress {
    public:
        TestProgress(const LinkSession& link, int maxSeconds, double timeScale)
            : m_link(link)
            , m_maxSeconds(maxSeconds)
            , m_timeScale(timeScale)
        {
        }

        void tick()
        {
            if (m_link.mode() != Link::lmFaultTest)
                return;
            if (!m_clock.isValid())
                m_clock.start();
            const int seconds = int(double(m_clock.elapsed()) / 1000.0 / m_timeScale);
            if (seconds == m_shown)
                return;
            m_shown = seconds;
            CliPrinter::print("progress " + QByteArray::number(seconds) + '/'
                + QByteArray::number(m_maxSeconds) + " s");
        }

    private:
        const LinkSession& m_link;
        const int m_maxSeconds;
        const double m_timeScale;
        QElapsedTimer m_clock;
        int m_shown = -1;
    };

} // namespace

int faults(CliContext& context)
{
    const CliArguments args(context.arguments(), { "--lang", "--max-test-time" });
    const char letter = testLetter(args.words());
    // The description's language; the run's language unless given.
    const QString lang = args.value("--lang").value_or(Languages::code(Languages::current()));
    if (lang != "ru" && lang != "en")
        throw CliUsageError(QStringLiteral("--lang is ru or en"));
    const int maxTestTime = args.value("--max-test-time")
        ? CliArguments::number("--max-test-time", *args.value("--max-test-time"),
            Link::MinMaxTestTime, Link::MaxMaxTestTime)
        : Link::DefaultMaxTestTime;

    const FaultCodeDictionary codes = loadDictionary();
    CliSession& session = context.session();
    LinkSession& link = session.link();
    link.setMaxTestTime(maxTestTime);
    if (letter == 'D') {
        TestProgress progress(link, maxTestTime, context.options().TimeScale);
        session.runChecked(LinkCommands::FaultTest { letter }, [&progress] { progress.tick(); });
    } else {
        session.runChecked(LinkCommands::FaultTest { letter });
    }

    const bool ended = session.printer().lastWas(Link::evFaultTest, LinkReport::FaultTestEnded);
    // The words that passed their check, never a rejected one left in the slot table.
    const uint16_t status = link.word(FaultCodeList::StatusSlot);
    if (!ended || !(status & (FaultCodeList::StatusCodesReady | FaultCodeList::StatusNoResult)))
        throw VeskorError(QStringLiteral("the ECU gave no answer on %1").arg(session.devicePath()));
    const QStringList entries
        = FaultCodeList::entries([&link](uint8_t slot) { return link.word(slot); });
    if (entries.isEmpty())
        CliPrinter::print(
            letter == 'C' ? "no fault codes: the ECU's memory is clear" : "no fault codes");
    for (const QString& entry : entries) {
        QString text = faultCodeText(entry, codes, lang == "en");
        text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        std::fputs(text.toUtf8().constData(), stdout);
    }
    std::fflush(stdout);
    return 0;
}

} // namespace CliCommands
