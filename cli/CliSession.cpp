#include "CliSession.h"

#include "link/TCommThread.h"
#include "sim/Simulator.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

CliSession::CliSession(const CliOptions& options)
{
    QString port = options.Port;
    if (port == QLatin1String("sim")) {
        SimConfig config;
        config.Baud = TLinkSettings::baudFromText(options.Speed);
        config.TimeScale = options.TimeScale;
        config.Faults = options.SimulatorFaults;
        m_simulator = std::make_unique<Simulator>(config);
        port = m_simulator->portPath();
    }
    m_settings.setPortName(port);
    m_settings.setSpeedText(options.Speed);
    m_settings.setBluetoothDelay(options.BluetoothDelay);

    TCommThread::Options linkOptions;
    linkOptions.TimeScale = options.TimeScale;
    m_link = std::make_unique<TCommThread>(&m_printer, m_settings, linkOptions);
    m_printer.setLink(m_link.get());
}

CliSession::~CliSession()
{
    // The link goes first: it may still use the simulator's port.
    m_link.reset();
    m_simulator.reset();
}

void CliSession::run(uint8_t code, int32_t lParam)
{
    m_printer.awaitCommand(code);
    m_link->post(code, lParam);
    QCoreApplication::exec();
}

void CliSession::runFor(
    std::optional<std::chrono::milliseconds> duration, std::function<bool()> stop)
{
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (stop && stop())
            loop.quit();
    });
    poll.start(50);
    QTimer end;
    end.setSingleShot(true);
    QObject::connect(&end, &QTimer::timeout, &loop, &QEventLoop::quit);
    if (duration)
        end.start(*duration);
    loop.exec();
}
