// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "LiveStream.h"

#include "CliInterrupt.h"
#include "common/Errors.h"
#include "link/LinkSession.h"
#include "link/LinkTypes.h"
#include "store/TFordData.h"

#include <QElapsedTimer>
#include <QTimer>

namespace LiveStream {

std::array<uint8_t, 64> pidMap(TFordData& store)
{
    std::array<uint8_t, 64> map;
    for (size_t i = 0; i < map.size(); ++i)
        map[i] = store.PidMap(int(i));
    return map;
}

Result run(CliSession& session, char table, std::optional<std::chrono::milliseconds> duration,
    const Handlers& handlers)
{
    // Ctrl-C from here on stops the stream with cmdStopData instead of killing the link.
    const CliInterrupt interrupt;
    LinkSession& link = session.link();
    Result result;
    QElapsedTimer clock;
    // Words of the handshake before the stream are no live data.
    session.printer().setWordListener([&](uint8_t slot, uint16_t word, bool live) {
        if (!live)
            return;
        if (!clock.isValid())
            clock.start();
        ++result.Words;
        // Nothing may be thrown through the event loop: the error ends the stream instead.
        try {
            if (!result.WriteError)
                handlers.Word(slot, word, uint32_t(clock.elapsed()));
        } catch (const VeskorError& error) {
            result.WriteError = error.message();
        }
    });
    QTimer flusher;
    QObject::connect(&flusher, &QTimer::timeout, [&] {
        try {
            handlers.Flush(clock.isValid() ? uint32_t(clock.elapsed()) : 0);
        } catch (const VeskorError& error) {
            result.WriteError = error.message();
        }
    });
    flusher.start(FlushInterval);

    result.Outcome = session.run(LinkCommands::StartData { table });
    result.Streaming = link.mode() == Link::lmLiveData;
    // A port error that the link reports meanwhile ends the capture as well.
    const auto ended = [&] {
        return interrupt.requested() || result.WriteError || session.printer().portError();
    };
    if (result.Streaming && result.Outcome == CliOutcome::Done && !ended())
        result.Outcome = session.runFor(duration, ended);
    session.printer().setWordListener(nullptr);
    flusher.stop();
    // The stream is stopped also after a silence: the module may still be there.
    session.run(LinkCommands::StopData {});
    return result;
}

void check(CliSession& session, const Result& result)
{
    if (result.WriteError)
        throw VeskorError(*result.WriteError);
    if (result.Outcome == CliOutcome::Silent)
        throw VeskorError(session.silenceSentence());
    if (const auto reason = session.failure())
        throw VeskorError(*reason);
    if (!result.Streaming || result.Words == 0)
        throw VeskorError(QStringLiteral("no live data came from %1: the stream did not start")
                              .arg(session.devicePath()));
}

} // namespace LiveStream
