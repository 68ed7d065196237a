// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// veskor-sim: serves a simulated diagnostic module on a pseudo-terminal until killed.
#include "SimMemory.h"
#include "Simulator.h"
#include "common/AtomicFile.h"
#include "common/CommandLine.h"
#include "common/Errors.h"
#include "common/Version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <optional>
#include <utility>

namespace {

constexpr double MaxTimeScale = 1000;

int fail(const QString& message)
{
    std::fprintf(stderr, "veskor-sim: %s\n", qPrintable(message));
    return BadArgumentsExit;
}

// Waits for one of the stop signals. Meanwhile says on stdout when words begin to flow
// ("stream_started") and when they have not flowed for half a second ("stream_ended"), so
// that a measurement knows when the front end has the whole stream.
void watchStreams(const Simulator& simulator, const sigset_t& stopSignals)
{
    using Clock = std::chrono::steady_clock;
    constexpr auto Quiet = std::chrono::milliseconds(500);
    const timespec poll { 0, 100'000'000 };
    uint64_t seen = simulator.wordsStreamed();
    bool flowing = false;
    Clock::time_point lastWord;
    while (sigtimedwait(&stopSignals, nullptr, &poll) < 0) {
        const uint64_t words = simulator.wordsStreamed();
        if (words != seen) {
            seen = words;
            lastWord = Clock::now();
            if (!std::exchange(flowing, true)) {
                std::printf("stream_started\n");
                std::fflush(stdout);
            }
        } else if (flowing && Clock::now() - lastWord >= Quiet) {
            flowing = false;
            std::printf("stream_ended\n");
            std::fflush(stdout);
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(programVersion());
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Serves a simulated diagnostic module (with an EEC-IV behind it) on a "
                       "pseudo-terminal until it is killed.\n\nFaults:\n  ")
        + SimFaults::descriptions().join(QStringLiteral("\n  ")));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption link(QStringLiteral("link"),
        QStringLiteral("Make PATH a symbolic link to the pseudo-terminal."),
        QStringLiteral("PATH"));
    const QCommandLineOption baud(QStringLiteral("baud"),
        QStringLiteral("Pace the bytes at N baud; 0 sends them unpaced "
                       "(default %1).")
            .arg(SimDefaults::Baud),
        QStringLiteral("N"), QString::number(SimDefaults::Baud));
    const QCommandLineOption ecuBaud(QStringLiteral("ecu-baud"),
        QStringLiteral("The ECU's link to the module runs at N baud (2400 to 19200): streams "
                       "come no faster, whatever --baud; 0 keeps pace with the port (default)."),
        QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption calibration(QStringLiteral("calibration"),
        QStringLiteral("The ECU's calibration code, four hexadecimal "
                       "digits (default %1).")
            .arg(QLatin1String(SimDefaults::Calibration)),
        QStringLiteral("XXXX"), QLatin1String(SimDefaults::Calibration));
    const QCommandLineOption fault(QStringLiteral("fault"),
        QStringLiteral("Show the fault NAME (may be repeated)."), QStringLiteral("NAME"));
    const QCommandLineOption version(QStringLiteral("version-reply"),
        QStringLiteral("The reply to \"v\" (default %1).")
            .arg(QLatin1String(SimDefaults::VersionReply)),
        QStringLiteral("TEXT"), QLatin1String(SimDefaults::VersionReply));
    const QCommandLineOption scale(QStringLiteral("time-scale"),
        QStringLiteral("Run every delay F times as long (default 1)."), QStringLiteral("F"),
        QStringLiteral("1"));
    const QCommandLineOption flashOut(QStringLiteral("flash-out"),
        QStringLiteral("When the simulator ends, write the boot loader's flash to FILE."),
        QStringLiteral("FILE"));
    const QCommandLineOption refusedBlock(QStringLiteral("refused-block"),
        QStringLiteral("Show the refused-block fault on block N, counted from 1."),
        QStringLiteral("N"));
    const QCommandLineOption codes(QStringLiteral("codes"),
        QStringLiteral("The fault codes the ECU keeps, e.g. 112,335 (default none)."),
        QStringLiteral("LIST"));
    const QCommandLineOption testCodes(QStringLiteral("test-codes"),
        QStringLiteral("The codes the self-test finds (default %1).").arg(SimDefaults::PassCode),
        QStringLiteral("LIST"), QString::number(SimDefaults::PassCode));
    const QCommandLineOption selfTest(QStringLiteral("self-test-time"),
        QStringLiteral("The self-test takes S seconds (default %1).")
            .arg(SimDefaults::SelfTestMs / 1000),
        QStringLiteral("S"), QString::number(SimDefaults::SelfTestMs / 1000));
    const QCommandLineOption engineOff(QStringLiteral("engine-off"),
        QStringLiteral("Key on, engine off: no engine speed, and the self-test is KOEO."));
    const QCommandLineOption streamStop(QStringLiteral("stream-stop"),
        QStringLiteral("Under the fault stream-stops, streams fall silent after MS "
                       "milliseconds (default %1).")
            .arg(SimDefaults::StreamStopMs),
        QStringLiteral("MS"), QString::number(SimDefaults::StreamStopMs));
    const QCommandLineOption holdRpm(QStringLiteral("hold-rpm"),
        QStringLiteral("Hold the running engine at exactly N rpm."), QStringLiteral("N"));
    const QCommandLineOption corruptRate(QStringLiteral("corrupt-rate"),
        QStringLiteral("Under the faults flip-bits and drop-bytes, corrupt one packet in N "
                       "(default %1).")
            .arg(SimFaults::DefaultCorruptRate),
        QStringLiteral("N"), QString::number(SimFaults::DefaultCorruptRate));
    const QCommandLineOption unplugOn(QStringLiteral("unplug-on"),
        QStringLiteral("Show the fault unplug: the port vanishes when a command line beginning "
                       "with LINE (without CR) arrives."),
        QStringLiteral("LINE"));
    const QCommandLineOption imageOut(QStringLiteral("image-out"),
        QStringLiteral("Write the ECU's 64 KiB memory image to FILE."), QStringLiteral("FILE"));
    parser.addOptions(
        { link, baud, ecuBaud, calibration, fault, version, scale, flashOut, refusedBlock, codes,
            testCodes, selfTest, engineOff, streamStop, holdRpm, corruptRate, unplugOn, imageOut });
    if (const std::optional<int> done = parseStandardOptions(parser, app.arguments(), "veskor-sim"))
        return *done;

    SimConfig config;
    bool ok = false;
    config.Baud = parser.value(baud).toInt(&ok);
    if (!ok || config.Baud < 0)
        return fail(QStringLiteral("--baud needs a number of 0 or more"));
    config.EcuBaud = parser.value(ecuBaud).toInt(&ok);
    if (!ok || config.EcuBaud < 0)
        return fail(QStringLiteral("--ecu-baud needs a number of 0 or more"));
    config.TimeScale = parser.value(scale).toDouble(&ok);
    // NaN and infinity compare false with every bound: refused by name. Above the top a
    // wait in milliseconds would no longer fit its integer.
    if (!ok || !std::isfinite(config.TimeScale) || config.TimeScale <= 0
        || config.TimeScale > MaxTimeScale)
        return fail(
            QStringLiteral("--time-scale needs a number above 0, up to %1").arg(MaxTimeScale));
    config.Calibration = parser.value(calibration).toLatin1().toUpper();
    if (!SimConfig::validCalibration(config.Calibration))
        return fail(QStringLiteral("--calibration needs four hexadecimal digits"));
    config.VersionReply = parser.value(version).toLatin1();
    const auto stored = SimConfig::parseCodes(parser.value(codes));
    const auto tested = SimConfig::parseCodes(parser.value(testCodes));
    if (!stored || !tested)
        return fail(QStringLiteral("fault codes are decimal numbers from 1 to 999, "
                                   "separated by commas"));
    config.StoredCodes = *stored;
    config.TestCodes = *tested;
    const double testSeconds = parser.value(selfTest).toDouble(&ok);
    if (!ok || testSeconds < 0 || testSeconds > 3600)
        return fail(QStringLiteral("--self-test-time needs seconds from 0 to 3600"));
    config.SelfTestMs = uint32_t(testSeconds * 1000);
    config.EngineRunning = !parser.isSet(engineOff);
    if (parser.isSet(holdRpm)) {
        config.HeldRpm = parser.value(holdRpm).toDouble(&ok);
        if (!ok || config.HeldRpm <= 0 || config.HeldRpm > 16380)
            return fail(QStringLiteral("--hold-rpm needs a speed above 0 and up to 16380"));
    }
    const int rate = parser.value(corruptRate).toInt(&ok);
    if (!ok || rate < 1)
        return fail(QStringLiteral("--corrupt-rate needs a number of 1 or more"));
    config.Faults.setCorruptRate(rate);
    config.StreamStopMs = parser.value(streamStop).toUInt(&ok);
    if (!ok)
        return fail(QStringLiteral("--stream-stop needs milliseconds"));
    for (const QString& name : parser.values(fault)) {
        const auto parsed = SimFaults::parse(name);
        if (!parsed)
            return fail(QStringLiteral("unknown fault \"%1\"").arg(name));
        config.Faults.set(*parsed);
    }

    if (parser.isSet(unplugOn)) {
        config.Faults.setUnplugOn(parser.value(unplugOn).toLatin1());
        if (config.Faults.unplugOn().isEmpty())
            return fail(QStringLiteral("--unplug-on needs a command line"));
        config.Faults.set(SimFault::Unplug);
    }

    if (parser.isSet(refusedBlock)) {
        config.RefusedBlock = parser.value(refusedBlock).toInt(&ok);
        if (!ok || config.RefusedBlock < 1)
            return fail(QStringLiteral("--refused-block needs a number of 1 or more"));
        config.Faults.set(SimFault::RefusedBlock);
    }

    // Wait for a signal in this thread; the simulator serves on its own.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    try {
        if (parser.isSet(imageOut))
            writeFileAtomically(parser.value(imageOut), SimMemory::image());
        Simulator simulator(config);
        if (parser.isSet(link))
            simulator.createLink(parser.value(link));
        std::printf("%s\n", qPrintable(simulator.portPath()));
        std::fflush(stdout);
        watchStreams(simulator, stopSignals);
        // For measurements: what the streams sent, to set against what a front end took.
        std::printf("words_streamed %llu\n", (unsigned long long)simulator.wordsStreamed());
        std::fflush(stdout);
        if (parser.isSet(flashOut))
            writeFileAtomically(parser.value(flashOut), simulator.flash());
    } catch (const VeskorError& error) {
        return fail(error.message());
    }
    return 0;
}
