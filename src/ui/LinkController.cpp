#include "LinkController.h"

#include "link/LinkMessage.h"
#include "link/TCommThread.h"
#include "sim/Simulator.h"

LinkController::LinkController(const Options& options, QObject* parent)
    : QObject(parent)
    , m_options(options)
{
    qRegisterMetaType<LinkReport>();
    TCommThread::Options linkOptions;
    linkOptions.TimeScale = options.TimeScale;
    m_link = std::make_unique<TCommThread>(this, m_settings, linkOptions);
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

void LinkController::post(Link::Command command, int32_t lParam)
{
    m_link->post(command, lParam);
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
        emit commandDone(static_cast<TLinkCommandDone*>(event)->Code);
    } else if (type == Link::WM_LINK_SLOT) {
        const auto* m = static_cast<TLinkMessage*>(event);
        if (m->WParam == 0 && m->LParam == 0) {
            m_slots.fill(0);
            emit slotsCleared();
        } else if (Link::slotHasWord(int32_t(m->LParam))) {
            const auto slot = quint8(m->WParam);
            m_slots[slot] = Link::slotWord(int32_t(m->LParam));
            emit slotWord(slot, m_slots[slot], Link::slotIsLiveData(int32_t(m->LParam)));
        }
    } else if (type == Link::WM_LINK_EVENT) {
        const auto* m = static_cast<TLinkMessage*>(event);
        const LinkReport r = report(int(m->WParam), int32_t(m->LParam));
        if (r.Type != LinkReport::Ignored)
            emit linkEvent(r);
    }
}
