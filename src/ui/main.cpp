// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The program entry of veskor-reader: the main window, or with --render-profile the
// profile preview, which needs no display.
#include "common/AtomicFile.h"
#include "common/CommandLine.h"
#include "common/Errors.h"
#include "common/ProgramDir.h"
#include "common/Texts.h"
#include "common/UiLanguage.h"
#include "common/Version.h"
#include "link/LinkSession.h"
#include "store/TFordData.h"
#include "ui/BatchPrompts.h"
#include "ui/ProfilePreview.h"
#include "ui/ProgramIcon.h"
#include "ui/ScreenshotTour.h"
#include "ui/SignalClose.h"
#include "ui/TfrmVeskorReader.h"
#include "ui/model/LiveMeasure.h"
#include "ui/model/ReaderArguments.h"
#include "ui/model/ReaderSettings.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLocale>
#include <QTime>
#include <QTimer>
#include <cstdio>
#include <functional>

namespace {

bool hasDisplay()
{
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
        || !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

// The language asked for with --lang, or the system's until the settings can be read.
void installAskedOrSystem(std::optional<UiLanguage> asked)
{
    Languages::install(asked.value_or(Languages::forLocale(QLocale::system())));
}

// The language asked for with --lang, else the settings' choice, else the system's.
void installAskedOrSaved(std::optional<UiLanguage> asked)
{
    if (asked)
        Languages::install(*asked);
    else
        Languages::install(
            Languages::chosen(ReaderIni::language(settingsFile()), QLocale::system()));
}

// Prints lines to out without a window: the help, or why the program can't start. They are
// in the language asked for; else, for a start that failed, in the settings' language (a
// help run reads no settings); else in the system's. lines is called once the language is
// installed.
int printWithoutWindow(int argc, char** argv, std::optional<UiLanguage> language, bool startFailed,
    FILE* out, const std::function<QStringList()>& lines, int exitCode)
{
    QCoreApplication core(argc, argv);
    if (startFailed)
        installAskedOrSaved(language);
    else
        installAskedOrSystem(language);
    for (const QString& line : lines())
        std::fprintf(out, "%s\n", qUtf8Printable(line));
    return exitCode;
}

int runWindow(const WindowArguments& parsed, QElapsedTimer started)
{
    const auto& [simulator, live, quitWhenShown, debug, screenshots, profile, measureFile] = parsed;
    BatchPrompts batch;
    TfrmVeskorReader::Options options;
    options.Simulator = simulator || !screenshots.isEmpty();
    // The built-in simulator's ECU keeps two codes, so that reading them shows something.
    options.Link.Simulator.StoredCodes = { 112, 335 };
    if (!screenshots.isEmpty())
        options.Ask = &batch;
    options.Live = live;
    options.Debug = debug;
    options.LiveProfile = profile;
    LiveMeasure measure;
    if (!measureFile.isEmpty()) {
        options.Measure = &measure;
        measure.start();
    }
    SignalClose::install();
    TfrmVeskorReader window(options);
    // A signal during creation closed its box: the window is not shown, only closed.
    if (!SignalClose::closing()) {
        if (!screenshots.isEmpty())
            (new ScreenshotTour(window, screenshots, started))->start();
        window.show();
    }
    SignalClose::watch(&window);
    // A signal during a box of start-up: the window closes now and the loop never runs.
    const bool signalledAtStart = SignalClose::closing();
    if (signalledAtStart)
        window.close();
    if (quitWhenShown) {
        // Start-up time for measuring: from main() to the end of the window's first show.
        auto* poll = new QTimer(&window);
        QObject::connect(poll, &QTimer::timeout, &window, [&window, poll, started] {
            if (!window.shown())
                return;
            poll->stop();
            std::printf(
                "%s\n", qUtf8Printable(Texts::text(Texts::ShownAfter).arg(started.elapsed())));
            std::fflush(stdout);
            window.close();
        });
        poll->start(5);
    }
    if (!measureFile.isEmpty()) {
        auto* tick = new QTimer(&window);
        QObject::connect(tick, &QTimer::timeout, &window,
            [&window, &measure] { measure.streamTick(window.link().session().liveWords()); });
        tick->start(1000);
        // The link's log goes to stderr with its time, so that a figure that looks wrong can
        // be traced to what the link did at that moment.
        const auto logLine = [](const QString& text) {
            std::fprintf(stderr, "%s %s\n",
                qUtf8Printable(QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz"))),
                qUtf8Printable(text));
        };
        QObject::connect(&window.link(), &LinkController::logLine, &window, logLine);
        QObject::connect(&window.link().session(), &LinkSession::logLine, &window, logLine);
    }
    // A save that failed at close is told by the exit code too.
    const int result = signalledAtStart ? 0 : QApplication::exec();
    const int ended = window.savedAtClose() ? result : 1;
    if (measureFile.isEmpty())
        return ended;
    const LinkSession& session = window.link().session();
    measure.backlogSeen(session.maxBacklog());
    measure.setTotals(session.liveWords(), session.store().HistoryBytes());
    try {
        writeFileAtomically(measureFile, measure.report(LiveMeasure::sampleProcess()));
    } catch (const VeskorError& e) {
        std::fprintf(stderr, "%s\n",
            qUtf8Printable(Texts::text(Texts::MeasureUnwritable).arg(measureFile, e.message())));
        return 1;
    }
    return ended;
}

} // namespace

int main(int argc, char** argv)
{
    QElapsedTimer started;
    started.start();
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    arguments = splitOptionValues(arguments, ReaderValueOptions);
    if (arguments.contains(QLatin1String("--version"))) {
        std::printf("%s\n", qUtf8Printable(versionLine(QStringLiteral("veskor-reader"))));
        return 0;
    }
    const bool preview = arguments.contains(QLatin1String("--render-profile"));
    std::optional<UiLanguage> asked;
    const bool languageRead = takeLanguage(arguments, asked);
    const qsizetype home = arguments.indexOf(QLatin1String("--home"));
    const bool homeRead = home < 0 || home + 1 < arguments.size();
    if (home >= 0 && homeRead) {
        setProgramDir(arguments.at(home + 1));
        arguments.remove(home, 2);
    }
    const bool help
        = arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"));
    const std::optional<WindowArguments> window
        = help || preview ? std::nullopt : parseWindowArguments(arguments);
    // Bad arguments are told before anything else, a missing display included.
    const bool argumentsRead = languageRead && homeRead && (help || preview || window);
    if (!argumentsRead || help)
        return printWithoutWindow(
            argc, argv, asked, !argumentsRead && homeRead, argumentsRead ? stdout : stderr,
            [] {
                return QStringList { Texts::text(Texts::WindowUsage),
                    Texts::text(Texts::ReaderUsage) };
            },
            argumentsRead ? 0 : BadArgumentsExit);
    // The preview shows no window: it needs no display.
    if (preview && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The command to try is the one the user typed: build/bin/veskor-reader from a build,
    // plain veskor-reader when installed.
    const QString program = QString::fromLocal8Bit(argv[0]);
    if (!preview && !hasDisplay())
        return printWithoutWindow(
            argc, argv, asked, true, stderr,
            [&program] { return QStringList { Texts::text(Texts::NoDisplay).arg(program) }; }, 1);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VeskorReader"));
    // Boxes without a parent show it too.
    QApplication::setWindowIcon(programIcon());
    installAskedOrSaved(asked);
    // A new, empty home gets the shipped data, so its first start finds codes and dashboards.
    const QString homeDir = home >= 0 ? programDir() : qEnvironmentVariable("VESKOR_HOME");
    if (!preview && !homeDir.isEmpty())
        for (const QString& problem : seedEmptyHome(homeDir))
            std::fprintf(
                stderr, "%s\n", qUtf8Printable(Texts::text(Texts::SeedFailed).arg(problem)));
    if (!preview)
        return runWindow(*window, started);
    QString error;
    const std::optional<ProfilePreviewRequest> request = parsePreviewArguments(arguments, error);
    if (!request) {
        std::fprintf(stderr, "%s\n%s\n", qUtf8Printable(error),
            qUtf8Printable(Texts::text(Texts::ReaderUsage)));
        return BadArgumentsExit;
    }
    return renderProfilePreview(*request);
}
