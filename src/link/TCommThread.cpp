// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "TCommThread.h"

#include "LinkMessage.h"
#include "TLinkContext.h"
#include "TLinkLog.h"
#include "TLinkSettings.h"
#include "TLinkTexts.h"
#include "TRxDecoder.h"
#include "TTestSignal.h"
#include "exchanges/CommandTable.h"
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
    : m_clock(options.TimeScale)
    , m_poster(eventSink)
    , m_dataManager(std::make_unique<TFordData>())
    , m_shared(std::make_unique<TLinkShared>())
    , m_texts(std::make_unique<TLinkTexts>())
    , m_log(std::make_unique<TLinkLog>(m_poster, *m_shared))
{
    m_decoder = std::make_unique<TRxDecoder>(*m_shared, *m_dataManager, m_poster, m_clock);
    const int interval
        = int(std::max<int64_t>(1, m_clock.toReal(TestTimerInterval).count() / 1000));
    m_testSignal = std::make_unique<TTestSignal>(*m_dataManager, interval);
    m_context = std::make_unique<TLinkContext>(
        TLinkContext::Parts {
            settings, m_clock, m_poster, *m_shared, *m_texts, *m_log, *m_decoder, *m_testSignal },
        std::move(options.PortFactory),
        [decoder = m_decoder.get()](
            ISerialPort& port, size_t count) { decoder->OnReceive(port, count); });
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
    TQueuedMessage queued;
    queued.Message = message;
    queued.WParam = wParam;
    queued.LParam = lParam;
    postMessage(queued);
}

void TCommThread::postMessage(const TQueuedMessage& message)
{
    const uint8_t code = uint8_t(message.WParam & 0xFF);
    // Counted before the link can take it, so the image is never written under a read.
    if (message.Message == Link::WM_LINK_COMMAND
        && (code == Link::cmdDumpToFile || code == Link::cmdDumpRange))
        m_shared->MemoryReadsPosted.fetch_add(1, Relaxed);
    m_queue.post(message);
}

void TCommThread::terminate()
{
    m_log->terminate();
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
    m_context->port().release();
}

void TCommThread::dispatch(const TQueuedMessage& message)
{
    const uint8_t code = uint8_t(message.WParam & 0xFF);
    takeData(code, message);
    const auto procedure = Exchanges::commandProcedure(code);
    if (procedure) {
        try {
            procedure(*m_context, message);
        } catch (const std::exception& error) {
            // A port error ends the exchange; the thread goes on taking commands.
            m_context->reportExchangeError(code, error);
        }
    }
    m_poster.postRaw(new TLinkCommandDone(code));
}

void TCommThread::takeData(uint8_t code, const TQueuedMessage& message)
{
    // What the command carries becomes the link's as it begins, for the exchange and for
    // the log lines that name the file.
    if (!message.File.isEmpty() && code == Link::cmdDumpToFile)
        m_texts->setDumpFile(message.File);
    if (!message.File.isEmpty() && code == Link::cmdFlashFirmware)
        m_texts->setFirmwareFile(message.File);
    if (code == Link::cmdModuleOptions && message.LParam != 0 && message.OptionBytes)
        for (size_t i = 0; i < message.OptionBytes->size(); ++i)
            m_shared->OptionBytes[i].store((*message.OptionBytes)[i], Relaxed);
    // A read starts from no option: a byte that the reply does not bring reads 0, never
    // an earlier read's.
    if (code == Link::cmdModuleOptions && message.LParam == 0)
        for (auto& byte : m_shared->OptionBytes)
            byte.store(0, Relaxed);
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
    m_shared->Table.store(letter, Relaxed);
    m_dataManager->SelectTable(letter);
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

QByteArray TCommThread::ModuleId() const
{
    return m_texts->moduleId();
}

QString TCommThread::FirmwareFile() const
{
    return m_texts->firmwareFile();
}

void TCommThread::setFirmwareFile(const QString& file)
{
    m_texts->setFirmwareFile(file);
}

QString TCommThread::DumpFile() const
{
    return m_texts->dumpFile();
}

void TCommThread::setDumpFile(const QString& file)
{
    m_texts->setDumpFile(file);
}

bool TCommThread::memoryReadPending() const
{
    // Acquire: the image writes of a finished read come before this answer.
    return m_shared->MemoryReadsPosted.load(Relaxed)
        != m_shared->MemoryReadsFinished.load(std::memory_order_acquire);
}

void TCommThread::cancelMemoryReads()
{
    m_shared->MemoryReadsCancelledThrough.store(m_shared->MemoryReadsPosted.load(Relaxed), Relaxed);
}

bool TCommThread::loadMemImage(const QByteArray& bytes)
{
    if (memoryReadPending())
        return false;
    const int size = int(std::min<qsizetype>(bytes.size(), TLinkShared::MemorySize));
    for (int a = 0; a < size; ++a)
        m_shared->MemImage[a].store(uint8_t(bytes[a]), Relaxed);
    return true;
}
