// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// veskor-cli: the headless front end of the link, for scripts, a laptop in the car and tests.
#include "CliCommand.h"
#include "common/CommandLine.h"
#include "common/Errors.h"
#include "common/IniFile.h"
#include "common/ProgramDir.h"
#include "common/UiLanguage.h"
#include "common/Units.h"
#include "common/Version.h"
#include "store/PidTable.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>
#include <cmath>
#include <cstdio>
#include <optional>

namespace {

constexpr double MaxTimeScale = 1000;

const QStringList BaudRates = { "9600", "19200", "38400", "57600", "115200" };

int fail(const QString& message)
{
    std::fprintf(stderr, "veskor-cli: %s\n", qPrintable(message));
    return BadArgumentsExit;
}

// A paragraph broken into lines of at most width characters, each indented.
QString wrapped(const QString& text, qsizetype width, const QString& indent)
{
    QString lines;
    QString line;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && line.size() + 1 + word.size() > width) {
            lines += indent + line + u'\n';
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    return lines + indent + line + u'\n';
}

// "veskor-cli live --help": the command's own usage and what it does.
QString commandHelp(const CliCommand& command)
{
    return QStringLiteral("Usage: veskor-cli [options] %1 %2\n\n%3\n"
                          "The options of veskor-cli itself (--port, --speed, --time-scale, "
                          "...): veskor-cli --help\n")
        .arg(QLatin1String(command.Name), QLatin1String(command.Usage),
            wrapped(QLatin1String(command.Help), 76, QStringLiteral("  ")));
}

QString description()
{
    QString text = QStringLiteral(
        "Runs one command of the link with the diagnostic module and prints every log line as\n"
        "\"log <text>\" and every link event as \"event <name> <argument>\", one per line as they\n"
        "come; after evCalibration it prints \"calibration XXXX\".\n"
        "The port \"sim\" starts a simulated module inside the program.\n"
        "Options take their value after a space or \"=\" (--seconds 5, --seconds=5); every\n"
        "command tells its own usage with --help (veskor-cli live --help).\n\nCommands:\n");
    for (const CliCommand& command : cliCommands()) {
        const QString usage = QStringLiteral("%1 %2")
                                  .arg(QLatin1String(command.Name), QLatin1String(command.Usage))
                                  .trimmed();
        text += QStringLiteral("  %1\n").arg(usage)
            + wrapped(QLatin1String(command.Help), 72, QStringLiteral("      "));
    }
    text += QStringLiteral(
        "\nExit codes: 0 the exchange succeeded; 1 it failed, with one sentence on stderr (no\n"
        "module answered, a port error, the end of the device, or a stream that brought no\n"
        "valid word for %1 s times --time-scale); 2 bad arguments, with the reason (also an\n"
        "output file that cannot be written, told before the adapter is used).")
                .arg(CliSession::SilenceLimit.count() / 1000);
    return text;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(programVersion());
    QCommandLineParser parser;
    parser.setApplicationDescription(description());
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption port(QStringLiteral("port"),
        QStringLiteral("The serial port (/dev/ttyUSB0, ttyUSB0, a pty link, or sim)."),
        QStringLiteral("PORT"));
    const QCommandLineOption speed(QStringLiteral("speed"),
        QStringLiteral("The port's baud rate: 9600, 19200, 38400, 57600 or 115200 "
                       "(default %1).")
            .arg(SimDefaults::Baud),
        QStringLiteral("N"), QString::number(SimDefaults::Baud));
    const QCommandLineOption btDelay(QStringLiteral("bt-delay"),
        QStringLiteral("The longer pauses a Bluetooth serial link needs."));
    const QCommandLineOption home(QStringLiteral("home"),
        QStringLiteral("The program directory (data files and settings)."), QStringLiteral("DIR"));
    const QCommandLineOption scale(QStringLiteral("time-scale"),
        QStringLiteral("Run every wait of the link (and of the simulator) "
                       "F times as long; for tests (default 1)."),
        QStringLiteral("F"), QStringLiteral("1"));
    const QCommandLineOption simFault(QStringLiteral("sim-fault"),
        QStringLiteral("With --port sim: the simulated module shows the "
                       "fault NAME (see veskor-sim --help)."),
        QStringLiteral("NAME"));
    const QCommandLineOption simUnplugOn(QStringLiteral("sim-unplug-on"),
        QStringLiteral("With --port sim: the simulated module's cable is pulled when it "
                       "receives a command line beginning with LINE."),
        QStringLiteral("LINE"));
    const QCommandLineOption lang(QStringLiteral("lang"),
        QStringLiteral("The language of the log lines, fault descriptions and PID names: ru or "
                       "en (default: the system's; Russian for the C locale)."),
        QStringLiteral("LANG"));
    const QCommandLineOption units(QStringLiteral("units"),
        QStringLiteral("Values in metric or imperial units for this run (default: as the "
                       "window's settings, reader.ini [Units])."),
        QStringLiteral("metric|imperial"));
    parser.addOptions({ port, speed, btDelay, home, scale, simFault, simUnplugOn, lang, units });
    parser.addPositionalArgument(QStringLiteral("command"),
        QStringLiteral("The command to run, followed by its own arguments."));
    // Options after the command's name belong to the command.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    // The language comes first, so that every line after it, Qt's own reasons for wrong
    // arguments included, is in that language. A Qt translation that cannot be loaded
    // goes untold: scripts read stderr, and only Qt's own texts would lack it.
    parser.parse(app.arguments());
    if (parser.isSet(lang) && !Languages::fromCode(parser.value(lang)))
        return fail(QStringLiteral("--lang is ru or en"));
    Languages::install(Languages::chosen(parser.value(lang), QLocale::system()));
    // Wrong arguments are exit code 2, with the reason.
    if (const std::optional<int> done = parseStandardOptions(parser, app.arguments(), "veskor-cli"))
        return *done;

    QStringList arguments = parser.positionalArguments();
    if (arguments.isEmpty())
        return fail(QStringLiteral("name a command (see --help)"));
    const QString name = arguments.takeFirst();
    const CliCommand* command = nullptr;
    for (const CliCommand& candidate : cliCommands())
        if (name == QLatin1String(candidate.Name))
            command = &candidate;
    if (!command)
        return fail(QStringLiteral("unknown command \"%1\"").arg(name));
    if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"))) {
        std::fputs(qUtf8Printable(commandHelp(*command)), stdout);
        return 0;
    }

    CliOptions options;
    options.Port = parser.value(port);
    options.Speed = parser.value(speed);
    if (!BaudRates.contains(options.Speed))
        return fail(QStringLiteral("--speed is one of 9600, 19200, 38400, 57600, 115200"));
    options.BluetoothDelay = parser.isSet(btDelay);
    bool ok = false;
    options.TimeScale = parser.value(scale).toDouble(&ok);
    // NaN and infinity compare false with every bound: refused by name. Above the top a
    // wait in milliseconds would no longer fit its integer.
    if (!ok || !std::isfinite(options.TimeScale) || options.TimeScale <= 0
        || options.TimeScale > MaxTimeScale)
        return fail(
            QStringLiteral("--time-scale needs a number above 0, up to %1").arg(MaxTimeScale));
    for (const QString& name : parser.values(simFault)) {
        const auto fault = SimFaults::parse(name);
        if (!fault)
            return fail(QStringLiteral("unknown fault \"%1\"").arg(name));
        options.SimulatorFaults.set(*fault);
    }
    if (parser.isSet(simUnplugOn)) {
        options.SimulatorFaults.setUnplugOn(parser.value(simUnplugOn).toLatin1());
        if (options.SimulatorFaults.unplugOn().isEmpty())
            return fail(QStringLiteral("--sim-unplug-on needs a command line"));
        options.SimulatorFaults.set(SimFault::Unplug);
    }
    if (parser.isSet(home))
        setProgramDir(parser.value(home));
    for (const QString& problem : PidTable::useFile(programFile(QStringLiteral("pids.txt"))))
        std::fprintf(stderr, "veskor-cli: %s\n", qPrintable(problem));
    // The window's units, unless this run names a system.
    IniFile settings;
    settings.load(settingsFile());
    UnitChoice unitChoice = Units::read(settings);
    if (parser.isSet(units)) {
        const std::optional<UnitSystem> system = Units::systemFromCode(parser.value(units));
        if (!system)
            return fail(QStringLiteral("--units is metric or imperial"));
        unitChoice = UnitChoice { *system };
    }
    Units::setCurrent(unitChoice);

    try {
        CliContext context(options, arguments);
        return command->Run(context);
    } catch (const CliUsageError& error) {
        return fail(error.message());
    } catch (const VeskorError& error) {
        std::fprintf(stderr, "veskor-cli: %s\n", qPrintable(error.message()));
        return 1;
    }
}
