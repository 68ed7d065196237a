#include "TCommThread.h"

#include "LinkMessage.h"
#include "TLinkSettings.h"
#include "TTestSignal.h"
#include "common/Placeholders.h"
#include "common/Texts.h"
#include "exchanges/CommandTable.h"
#include "exchanges/Exchanges.h"
#include "store/TFordData.h"

#include <algorithm>

namespace {
constexpr auto Relaxed = std::memory_order_relaxed;
constexpr int TestTimerInterval = 100;
} // namespace

TCommThread::TCommThread(QObject* eventSink, const TLinkSettings& settings)
    : TCommThread(eventSink, settings, Options {})
{
}

TCommThread::TCommThread(QObject* eventSink, const TLinkSettings& settings, Options options)
    : m_settings(settings)
    , m_clock(options.TimeScale)
    , m_poster(eventSink)
    , m_dataManager(std::make_unique<TFordData>())
    , m_shared(std::make_unique<TLinkShared>())
{
    m_decoder = std::make_unique<TRxDecoder>(*m_shared, *m_dataManager, m_poster, m_clock);
    m_port = std::make_unique<TLinkPort>(std::move(options.PortFactory), m_clock,
        [this](ISerialPort& port, size_t count) { OnReceive(port, count); });
    const int interval
        = int(std::max<int64_t>(1, m_clock.toReal(TestTimerInterval).count() / 1000));
    m_testSignal = std::make_unique<TTestSignal>(*m_dataManager, interval);
    SetTable('P');
    m_thread = std::thread([this] { run(); });
}

TCommThread::~TCommThread()
{
    terminate();
    m_thread.join();
}

void TCommThread::post(uint32_t wParam, int32_t lParam)
{
    postMessage(Link::WM_LINK_COMMAND, wParam, lParam);
}

void TCommThread::postMessage(int message, uint32_t wParam, int32_t lParam)
{
    m_queue.post({ message, wParam, lParam });
}

void TCommThread::terminate()
{
    {
        std::lock_guard lock(m_textMutex);
        m_terminating.store(true, Relaxed);
        if (m_pendingLog)
            m_pendingLog->cancel();
    }
    m_clock.interrupt();
    m_queue.quit();
}

void TCommThread::run()
{
    while (!terminating()) {
        const std::optional<TQueuedMessage> message = m_queue.take();
        if (!message || terminating())
            break;
        if (message->Message != Link::WM_LINK_COMMAND)
            continue;
        dispatch(*message);
    }
    m_port->release();
}

void TCommThread::dispatch(const TQueuedMessage& message)
{
    const uint8_t code = uint8_t(message.WParam & 0xFF);
    const auto procedure = Exchanges::commandProcedure(code);
    if (procedure) {
        try {
            procedure(*this, message);
        } catch (const std::exception& error) {
            // A port error ends the exchange; the thread goes on taking commands.
            logPortError(error);
        }
    }
    m_poster.postRaw(new TLinkCommandDone(code));
}

void TCommThread::OnReceive(ISerialPort& port, size_t count)
{
    const Link::LinkMode mode = m_shared->linkMode();
    if (mode == Link::lmIdle || mode == Link::lmConnected || terminating())
        return;
    uint8_t buffer[2000];
    size_t got = 0;
    try {
        got = port.read(buffer, std::min(count, sizeof buffer));
    } catch (const SerialError&) {
        return;
    }
    m_decoder->feed(buffer, got);
}

bool TCommThread::Connect(bool open)
{
    return Exchanges::Connect(*this, open);
}

bool TCommThread::prepareExchange()
{
    return Connect(m_port->exists() && !m_port->isOpen());
}

void TCommThread::Disconnect()
{
    Exchanges::Disconnect(*this);
}

void TCommThread::ClearSlots()
{
    for (auto& slot : m_shared->Slots)
        slot.store(0, Relaxed);
    m_poster.postSlot(0, 0);
}

void TCommThread::LogLine(const QString& text)
{
    auto receipt = std::make_shared<TLogReceipt>();
    {
        std::lock_guard lock(m_textMutex);
        if (terminating() || !m_poster.sink())
            return;
        m_pendingLog = receipt;
    }
    m_poster.postRaw(new TLinkLogEvent(text, receipt));
    receipt->wait();
    std::lock_guard lock(m_textMutex);
    m_pendingLog.reset();
}

void TCommThread::postEvent(Link::Event code, int32_t lParam)
{
    m_poster.postEvent(code, lParam);
}

void TCommThread::logPortError(const std::exception& error)
{
    const auto* own = dynamic_cast<const VeskorError*>(&error);
    const QString message = own ? own->message() : QString::fromUtf8(error.what());
    LogLine(fillPlaceholders(Texts::text(Texts::LogPortInitError), { message }));
}

void TCommThread::toggleTestSignal()
{
    m_testSignal->postToggle();
}

void TCommThread::setTestSignalPanel(QObject* panel)
{
    m_testSignal->setPanel(panel);
}

bool TCommThread::testSignalActive() const
{
    return m_testSignal->isActive();
}

void TCommThread::SetTable(char letter)
{
    m_table.store(letter, Relaxed);
    m_dataManager->SelectTable(letter);
}

SerialConfig TCommThread::portConfig() const
{
    SerialConfig config;
    config.Name = m_settings.portName();
    config.Baud = m_settings.baud();
    return config;
}

bool TCommThread::bluetoothDelay() const
{
    return m_settings.bluetoothDelay();
}

uint8_t TCommThread::MemImage(uint16_t address) const
{
    return m_shared->MemImage[address].load(Relaxed);
}

uint8_t TCommThread::MemMarks(uint16_t address) const
{
    return m_shared->MemMarks[address].load(Relaxed);
}

uint32_t TCommThread::LastWordTick() const
{
    return m_shared->LastWordTick.load(Relaxed);
}

void TCommThread::setVersion(float version, const QByteArray& moduleId)
{
    m_firmwareVersion.store(version, Relaxed);
    std::lock_guard lock(m_textMutex);
    m_moduleId = moduleId;
}

QByteArray TCommThread::ModuleId() const
{
    std::lock_guard lock(m_textMutex);
    return m_moduleId;
}

QString TCommThread::FirmwareFile() const
{
    std::lock_guard lock(m_textMutex);
    return m_firmwareFile;
}

void TCommThread::setFirmwareFile(const QString& file)
{
    std::lock_guard lock(m_textMutex);
    m_firmwareFile = file;
}

QString TCommThread::DumpFile() const
{
    std::lock_guard lock(m_textMutex);
    return m_dumpFile;
}

void TCommThread::setDumpFile(const QString& file)
{
    std::lock_guard lock(m_textMutex);
    m_dumpFile = file;
}
