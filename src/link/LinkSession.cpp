// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "LinkSession.h"

#include "LinkMessage.h"
#include "TCommThread.h"
#include "TLinkShared.h"
#include "serial/PosixSerialPort.h"
#include "sim/Simulator.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace LinkCommands {

Link::Command code(const LinkCommand& command)
{
    constexpr Link::Command Codes[] = { Link::cmdConnect, Link::cmdStartData, Link::cmdStopData,
        Link::cmdDumpToFile, Link::cmdDumpRange, Link::cmdFaultTest, Link::cmdFlashFirmware,
        Link::cmdResetModule, Link::cmdModuleOptions, Link::cmdModuleOptions, Link::cmdDisconnect,
        Link::cmdReadCalibration, Link::cmdToggleTestSignal };
    static_assert(std::size(Codes) == std::variant_size_v<LinkCommand>);
    return Codes[command.index()];
}

} // namespace LinkCommands

namespace {

// The queued message of a command: its code, the link's packed argument and its data.
TQueuedMessage queued(const LinkCommand& command)
{
    using namespace LinkCommands;
    TQueuedMessage m;
    m.Message = Link::WM_LINK_COMMAND;
    m.WParam = code(command);
    const auto range = [](uint16_t first, uint16_t last) {
        return int32_t(uint32_t(first) | uint32_t(last) << 16);
    };
    if (const auto* c = std::get_if<Connect>(&command))
        m.LParam = c->Handshake ? 1 : 0;
    else if (const auto* d = std::get_if<DumpToFile>(&command)) {
        m.LParam = range(d->First, d->Last);
        m.File = d->File;
    } else if (const auto* r = std::get_if<DumpRange>(&command)) {
        m.LParam = range(r->First, r->Last);
        m.WParam |= uint32_t(r->Tag) << 16;
    } else if (const auto* f = std::get_if<FaultTest>(&command))
        m.LParam = uint8_t(f->Letter);
    else if (const auto* u = std::get_if<FlashFirmware>(&command))
        m.File = u->File;
    else if (const auto* w = std::get_if<WriteOptions>(&command)) {
        m.LParam = 1;
        m.OptionBytes = w->Bytes;
    }
    return m;
}

} // namespace

QString ModuleInfo::text() const
{
    return LinkReports::versionText(Version, Id);
}

LinkSession::LinkSession(const Options& options, QObject* parent)
    : QObject(parent)
    , m_options(options)
{
    qRegisterMetaType<LinkReport>();
    TCommThread::Options linkOptions;
    linkOptions.TimeScale = options.TimeScale;
    m_link = std::make_unique<TCommThread>(this, m_settings, linkOptions);
}

LinkSession::~LinkSession()
{
    // The link goes first: it may still use the simulator's port.
    m_link->terminate();
    m_link.reset();
    m_simulator.reset();
}

QString LinkSession::defaultPort()
{
#ifdef Q_OS_WIN
    return QStringLiteral("COM1");
#else
    return QStringLiteral("/dev/ttyS0");
#endif
}

void LinkSession::setPortSettings(
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

QString LinkSession::devicePath() const
{
    return QFileInfo(PosixSerialPort::devicePath(m_settings.portName())).absoluteFilePath();
}

void LinkSession::send(const LinkCommand& command)
{
    // The store follows the table at once: the dashboards read its PID map from now on.
    if (const auto* start = std::get_if<LinkCommands::StartData>(&command))
        selectTable(start->Table);
    m_link->postMessage(queued(command));
}

void LinkSession::selectTable(char table)
{
    m_link->SetTable(table);
}

void LinkSession::cancelFaultTest()
{
    m_link->cancelFaultTest();
}

void LinkSession::cancelMemoryReads()
{
    m_link->cancelMemoryReads();
}

void LinkSession::cancelConnect()
{
    m_link->setCancelConnect(true);
}

bool LinkSession::connectCancelled() const
{
    return m_link->CancelConnect();
}

void LinkSession::setMaxTestTime(int seconds)
{
    m_link->setMaxTestTime(seconds);
}

void LinkSession::setTestSignalPanel(QObject* panel)
{
    m_link->setTestSignalPanel(panel);
}

void LinkSession::terminate()
{
    m_link->terminate();
}

void LinkSession::deliverPostedWords()
{
    QCoreApplication::sendPostedEvents(this, TWordBatchEvent::eventType());
}

Link::LinkMode LinkSession::mode() const
{
    return m_link->LinkMode();
}

char LinkSession::table() const
{
    return m_link->Table();
}

bool LinkSession::testSignalActive() const
{
    return m_link->testSignalActive();
}

bool LinkSession::memoryReadPending() const
{
    return m_link->memoryReadPending();
}

uint8_t LinkSession::memImage(uint16_t address) const
{
    return m_link->MemImage(address);
}

uint8_t LinkSession::memMarks(uint16_t address) const
{
    return m_link->MemMarks(address);
}

bool LinkSession::loadMemImage(const QByteArray& bytes)
{
    return m_link->loadMemImage(bytes);
}

ModuleInfo LinkSession::module() const
{
    return { m_link->FirmwareVersion(), m_link->ModuleId() };
}

int8_t LinkSession::optionByte(int index) const
{
    return m_link->OptionBytes(index);
}

uint32_t LinkSession::maxReceiveDepth() const
{
    return m_link->MaxReceiveDepth();
}

void LinkSession::resetMaxReceiveDepth()
{
    m_link->resetMaxReceiveDepth();
}

int LinkSession::maxTestTime() const
{
    return m_link->MaxTestTime();
}

TFordData& LinkSession::store()
{
    return m_link->DataManager();
}

const TFordData& LinkSession::store() const
{
    return m_link->DataManager();
}

void LinkSession::customEvent(QEvent* event)
{
    LinkEvents::takeOver(event);
    const auto type = event->type();
    if (type == TWordBatchEvent::eventType()) {
        const Link::WordBatch batch = static_cast<TWordBatchEvent*>(event)->batch();
        for (const Link::StreamWord& w : batch) {
            m_words[w.Slot] = w.Word;
            m_seen.set(w.Slot);
            m_liveWords += w.live();
        }
        m_maxBacklog = std::max(m_maxBacklog, TWordBatchEvent::wordsPosted() - batch.Sequence);
        emit words(batch);
    } else if (type == TLinkLogEvent::eventType()) {
        const auto* line = static_cast<TLinkLogEvent*>(event);
        emit logLine(line->Text);
        if (!line->Failure.isEmpty())
            emit portFailure(line->Failure);
    } else if (type == TLinkCommandDone::eventType()) {
        emit commandDone(static_cast<TLinkCommandDone*>(event)->Code);
    } else if (type == QEvent::Type(Link::WM_LINK_SLOT)) {
        // The link posts this message only when it clears its slot tables.
        m_words.fill(0);
        m_seen.reset();
        emit slotsCleared();
    } else if (type == QEvent::Type(Link::WM_LINK_EVENT)) {
        const auto* m = static_cast<TLinkMessage*>(event);
        onEvent(int(m->WParam), int32_t(m->LParam));
    }
}

void LinkSession::onEvent(int code, int32_t lParam)
{
    LinkReport r = LinkReports::fromEvent(code, lParam);
    // What belongs to the event is read now, before a later exchange changes it.
    switch (r.Type) {
    case LinkReport::Connected:
        r.Text = module().text();
        break;
    case LinkReport::Calibration:
        r.Text = LinkReports::calibrationCode(
            m_words[Link::SlotCalibrationHigh], m_words[Link::SlotCalibrationLow]);
        r.HasCode = m_seen[Link::SlotCalibrationHigh] && m_seen[Link::SlotCalibrationLow];
        break;
    case LinkReport::FaultTestEnded:
        r.Outcome = m_link->faultTestOutcome();
        break;
    case LinkReport::OptionsRead:
        for (int i = 0; i < TLinkShared::OptionCount; ++i)
            r.Bytes.append(char(m_link->OptionBytes(i)));
        break;
    default:
        break;
    }
    emit report(r);
    switch (r.Type) {
    case LinkReport::Connected:
        emit connected(module());
        break;
    case LinkReport::Calibration:
        if (r.HasCode)
            emit calibration(r.Text);
        break;
    case LinkReport::FaultTestEnded:
        emit faultTestDone(r.Outcome);
        break;
    case LinkReport::DumpProgress:
        emit memoryProgress(r.Argument);
        break;
    case LinkReport::DumpDone:
        emit memoryDone(quint16(r.Argument));
        break;
    case LinkReport::Firmware:
        if (m_firmware.apply(lParam))
            emit firmwareProgress(m_firmware);
        break;
    case LinkReport::PortError:
        emit portError(r.Argument);
        break;
    default:
        break;
    }
}
