#include "Commands.h"
#include "cli/CliCommand.h"
#include "link/LinkTypes.h"
#include "link/ModuleOption.h"
#include "link/TCommThread.h"

#include <QCommandLineParser>
#include <cstdio>

namespace CliCommands {

namespace {

    // "--speed 3" or "--format 1": the option's value, -1 when not given.
    int8_t optionValue(
        const QCommandLineParser& parser, const QCommandLineOption& option, int highest)
    {
        if (!parser.isSet(option))
            return -1;
        bool ok = false;
        const int value = parser.value(option).toInt(&ok);
        if (!ok || value < 0 || value > highest)
            throw CliUsageError(
                QStringLiteral("--%1 takes 0 to %2").arg(option.names().first()).arg(highest));
        return int8_t(value);
    }

    int write(CliContext& context, const QStringList& arguments)
    {
        QCommandLineParser parser;
        const QCommandLineOption speed(QStringLiteral("speed"), {}, QStringLiteral("0..3"));
        const QCommandLineOption format(QStringLiteral("format"), {}, QStringLiteral("0..1"));
        parser.addOptions({ speed, format });
        if (!parser.parse(QStringList { QStringLiteral("options write") } + arguments)
            || !parser.positionalArguments().isEmpty())
            throw CliUsageError(
                QStringLiteral("options write takes [--speed 0..3] [--format 0..1]"));
        const int8_t speedValue = optionValue(parser, speed, 3);
        const int8_t formatValue = optionValue(parser, format, 1);
        CliSession& session = context.session();
        session.link().setOptionBytes(ModuleOption::Speed, speedValue);
        session.link().setOptionBytes(ModuleOption::Format, formatValue);
        session.run(Link::cmdModuleOptions, 1);
        return session.printer().lastEvent(Link::evOptions) == 1 ? 0 : 1;
    }

    // "option 0 3 Скорость порта EEC-IV: 19200": the option, its byte (a digit's value, or
    // the byte in hexadecimal) and what the options page shows for it.
    QByteArray optionLine(int option, uint8_t byte)
    {
        const QByteArray value = byte >= '0' && byte <= '9'
            ? QByteArray::number(byte - '0')
            : "0x" + QByteArray::number(byte, 16).rightJustified(2, '0').toUpper();
        const int item = ModuleOption::selectedItem(option, byte);
        const QString meaning = item >= 0 ? ModuleOption::items(option)[item] : QStringLiteral("?");
        return "option " + QByteArray::number(option) + ' ' + value + ' '
            + (ModuleOption::label(option) + ' ' + meaning).toUtf8();
    }

    int read(CliContext& context)
    {
        CliSession& session = context.session();
        session.run(Link::cmdModuleOptions, 0);
        if (session.printer().lastEvent(Link::evOptions) != 0)
            return 1;
        for (int option = 0; option < ModuleOption::Count; ++option) {
            const QByteArray line
                = optionLine(option, uint8_t(session.link().OptionBytes(option))) + '\n';
            std::fputs(line.constData(), stdout);
        }
        std::fflush(stdout);
        return 0;
    }

} // namespace

int options(CliContext& context)
{
    QStringList arguments = context.arguments();
    const QString action = arguments.isEmpty() ? QString() : arguments.takeFirst();
    if (action == QLatin1String("read") && arguments.isEmpty())
        return read(context);
    if (action == QLatin1String("write"))
        return write(context, arguments);
    throw CliUsageError(
        QStringLiteral("options takes read, or write [--speed 0..3] [--format 0..1]"));
}

} // namespace CliCommands
