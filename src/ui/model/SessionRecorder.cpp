// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "SessionRecorder.h"

#include "FaultSheet.h"
#include "common/Errors.h"
#include "common/StampedName.h"
#include "common/Texts.h"
#include "recording/RecordingFile.h"
#include "recording/RecordingWriter.h"

#include <QDir>
#include <QFile>

SessionRecorder::SessionRecorder(const QString& documents, StreamSource source, QObject* parent)
    : QObject(parent)
    , m_documents(documents)
    , m_source(std::move(source))
{
    m_flush.setInterval(250);
    connect(&m_flush, &QTimer::timeout, this, [this] {
        if (!m_writer)
            return;
        try {
            m_writer->flushIfOlder(uint32_t(m_clock.elapsed()));
        } catch (const VeskorError& error) {
            fail(error.message());
        }
    });
}

SessionRecorder::~SessionRecorder()
{
    stop();
}

QString SessionRecorder::folder(const QString& documents, const QString& vehicle)
{
    QString relative = QStringLiteral("Recordings");
    if (!vehicle.isEmpty())
        relative += QLatin1Char('/') + FaultSheet::folderName(vehicle);
    return QDir(documents).filePath(relative);
}

void SessionRecorder::setEnabled(bool on)
{
    m_enabled = on;
    if (!on)
        stop();
}

void SessionRecorder::onWord(quint8 slot, quint16 word, bool live)
{
    if (!live || !m_enabled || m_failedThisStream)
        return;
    if (!m_writer)
        begin();
    if (!m_writer)
        return;
    try {
        m_writer->append(slot, word, uint32_t(m_clock.elapsed()));
    } catch (const VeskorError& error) {
        fail(error.message());
    }
}

void SessionRecorder::onLimit(quint8 pid, float value, bool alarm)
{
    if (!m_writer)
        return;
    m_writer->mark({ uint32_t(m_clock.elapsed()), pid,
        alarm ? RecordedMark::Alarm : RecordedMark::Warning, value });
}

void SessionRecorder::onSlotsCleared()
{
    m_failedThisStream = false;
    stop();
}

void SessionRecorder::stop()
{
    m_flush.stop();
    if (!m_writer)
        return;
    std::unique_ptr<RecordingWriter> writer = std::move(m_writer);
    try {
        writer->close();
    } catch (const VeskorError& error) {
        emit failed(error.message());
    }
    emit finished(m_path);
}

void SessionRecorder::begin()
{
    RecordingHeader header;
    header.Started = QDateTime::currentDateTime();
    header.Vehicle = m_vehicle;
    if (m_source)
        m_source(header);
    const QString dir = folder(m_documents, header.Vehicle);
    QString path = QDir(dir).filePath(
        StampedName::fileName(header.Started, QLatin1String(RecordingFile::Extension)));
    // Two streams begun within one second: the second gets a name of its own.
    for (int n = 2; QFile::exists(path); ++n)
        path = QDir(dir).filePath(StampedName::fileName(header.Started,
            QStringLiteral("%1.%2").arg(n).arg(QLatin1String(RecordingFile::Extension))));
    try {
        if (!QDir().mkpath(dir))
            throw VeskorError(Texts::text(Texts::RecordingWriteFailed)
                                  .arg(path, Texts::text(Texts::RecordingNoFolder)));
        m_writer = std::make_unique<RecordingWriter>(path, header);
    } catch (const VeskorError& error) {
        fail(error.message());
        return;
    }
    m_path = path;
    m_clock.start();
    m_flush.start();
}

void SessionRecorder::fail(const QString& message)
{
    m_failedThisStream = true;
    m_flush.stop();
    m_writer.reset();
    emit failed(message);
}
