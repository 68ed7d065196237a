#include "LinkController.h"

#include "common/Texts.h"
#include "link/LinkMessage.h"
#include "link/TCommThread.h"
#include "sim/Simulator.h"

#include <utility>

LinkController::LinkController(const Options& options, QObject* parent)
    : QObject(parent)
    , m_options(options)
    , m_reconnector(options.TimeScale)
{
    qRegisterMetaType<LinkReport>();
    TCommThread::Options linkOptions;
    linkOptions.TimeScale = options.TimeScale;
    m_link.reset(new ControlledLink(this, m_settings, linkOptions));
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, [this] { run(m_reconnector.retryDue()); });
    m_silence.setSingleShot(true);
    m_silence.setInterval(std::max(1, int(SilenceMs * options.TimeScale)));
    connect(&m_silence, &QTimer::timeout, this, [this] {
        emit logLine(Texts::text(Texts::LogStreamSilent));
        streamLost();
    });
}

LinkController::~LinkController()
{
    // The link goes first: it may still use the simulator's port.
    m_link->terminate();
    m_link.reset();
    m_simulator.reset();
}

QString LinkController::defaultPort()
{
#ifdef Q_OS_WIN
    return QStringLiteral("COM1");
#else
    return QStringLiteral("/dev/ttyS0");
#endif
}

void LinkController::setPortSettings(
    const QString& portName, const QString& speedText, bool bluetoothDelay)
{
    QString port = portName.trimmed();
    if (port.isEmpty())
        port = defaultPort();
    if (port == QLatin1String(SimulatorPort)) {
        if (!m_simulator) {
            SimConfig config = m_options.Simulator;
            config.Baud = TLinkSettings::baudFromText(speedText);
            config.TimeScale = m_options.TimeScale;
            m_simulator = std::make_unique<Simulator>(config);
        }
        port = m_simulator->portPath();
    }
    m_settings.setPortName(port);
    m_settings.setSpeedText(speedText);
    m_settings.setBluetoothDelay(bluetoothDelay);
}

void LinkController::post(Link::Command command, int32_t lParam, uint16_t tag)
{
    if (m_held) {
        emit logLine(Texts::text(Texts::LogReplayRefused));
        return;
    }
    m_retry.stop();
    m_silence.stop();
    const bool memoryRead = command == Link::cmdDumpToFile || command == Link::cmdDumpRange;
    if (memoryRead && m_reconnector.state() == Reconnector::State::Streaming) {
        // The module streams either live data or memory: the stream stops cleanly, and
        // no watchdog counts the read's time as a lost stream.
        m_pausedTable = m_reconnector.table();
        m_link->post(Link::cmdStopData);
    } else if (!memoryRead) {
        // The user took the link for something else: the stream stays as they left it.
        m_pausedTable = 0;
    }
    if (command == Link::cmdStartData)
        m_reconnector.streamStarted(m_link->Table());
    else
        m_reconnector.stop();
    emit reconnectStatus(m_reconnector.statusText());
    m_link->post(command | uint32_t(tag) << 16, lParam);
}

void LinkController::resumeStream()
{
    const char table = std::exchange(m_pausedTable, 0);
    m_reconnector.streamStarted(table);
    m_link->SetTable(table);
    m_link->post(Link::cmdStartData);
    emit reconnectStatus(m_reconnector.statusText());
}

void LinkController::setHeld(bool held)
{
    m_held = held;
    if (!held)
        return;
    m_pausedTable = 0;
    m_retry.stop();
    m_silence.stop();
    m_reconnector.stop();
    emit reconnectStatus(m_reconnector.statusText());
}

void LinkController::setAutoReconnect(bool on)
{
    m_reconnector.setEnabled(on);
    if (!on) {
        m_retry.stop();
        emit reconnectStatus(m_reconnector.statusText());
    }
}

void LinkController::streamLost()
{
    m_silence.stop();
    const Reconnector::State before = m_reconnector.state();
    run(m_reconnector.streamLost());
    if (m_reconnector.state() != before)
        emit reconnectStatus(m_reconnector.statusText());
}

void LinkController::run(Reconnector::Step step)
{
    if (m_held)
        return;
    switch (step.Do) {
    case Reconnector::Step::None:
        return;
    case Reconnector::Step::Wait:
        m_retry.start(step.DelayMs);
        break;
    case Reconnector::Step::Connect:
        m_link->post(Link::cmdConnect, 1);
        break;
    case Reconnector::Step::StartData:
        m_link->SetTable(m_reconnector.table());
        m_link->post(Link::cmdStartData);
        break;
    case Reconnector::Step::Refuse:
        emit logLine(m_reconnector.statusText().Text);
        break;
    }
    emit reconnectStatus(m_reconnector.statusText());
}

void LinkController::terminate()
{
    m_link->terminate();
}

LinkReport LinkController::report(int code, int32_t lParam) const
{
    LinkReport r = LinkReports::fromEvent(code, lParam);
    // The texts are read now, while they belong to this event.
    if (r.Type == LinkReport::Connected)
        r.Text = LinkReports::versionText(m_link->FirmwareVersion(), m_link->ModuleId());
    else if (r.Type == LinkReport::Calibration)
        r.Text = LinkReports::calibrationCode(
            m_slots[Link::SlotCalibrationHigh], m_slots[Link::SlotCalibrationLow]);
    return r;
}

void LinkController::customEvent(QEvent* event)
{
    LinkEvents::takeOver(event);
    const auto type = int(event->type());
    if (event->type() == TLinkLogEvent::eventType()) {
        emit logLine(static_cast<TLinkLogEvent*>(event)->Text);
    } else if (event->type() == TLinkCommandDone::eventType()) {
        const uint8_t code = static_cast<TLinkCommandDone*>(event)->Code;
        if (code == Link::cmdConnect)
            run(m_reconnector.connectDone());
        const bool memoryRead = code == Link::cmdDumpToFile || code == Link::cmdDumpRange;
        // After the last memory read posted, the paused stream comes back.
        if (memoryRead && m_pausedTable != 0 && !m_link->memoryReadPending())
            resumeStream();
        emit commandDone(code);
    } else if (type == Link::WM_LINK_SLOT) {
        const auto* m = static_cast<TLinkMessage*>(event);
        if (m->WParam == 0 && m->LParam == 0) {
            m_slots.fill(0);
            emit slotsCleared();
        } else if (Link::slotHasWord(int32_t(m->LParam))) {
            const auto slot = quint8(m->WParam);
            m_slots[slot] = Link::slotWord(int32_t(m->LParam));
            if (const auto* stamped = dynamic_cast<const TSlotMessage*>(m)) {
                m_stamps[slot] = stamped->StampNs;
                m_maxBacklog = std::max(m_maxBacklog, TSlotMessage::posted() - stamped->Sequence);
            }
            const bool live = Link::slotIsLiveData(int32_t(m->LParam));
            m_liveWords += live;
            if (live && m_reconnector.state() == Reconnector::State::Streaming)
                m_silence.start();
            emit slotWord(slot, m_slots[slot], live);
        }
    } else if (type == Link::WM_LINK_EVENT) {
        const auto* m = static_cast<TLinkMessage*>(event);
        if (m->WParam == Link::evPortError) {
            // Whatever command met it, a port error while the user's stream ran ends it.
            streamLost();
            return;
        }
        const LinkReport r = report(int(m->WParam), int32_t(m->LParam));
        if (r.Type == LinkReport::Calibration)
            run(m_reconnector.calibrationRead(r.Text));
        if (r.Type != LinkReport::Ignored)
            emit linkEvent(r);
    }
}
