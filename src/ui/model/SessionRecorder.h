// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Records every live data session of the window: from the stream's first word to the stop
// of the stream (the link clears its slots), into Recordings/<vehicle>/<date time>.vrec
// under the documents folder. Without widgets; the window hands it the link's words and
// what it knows of the car and the module.
#pragma once

#include "recording/Recording.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

class RecordingWriter;

class SessionRecorder : public QObject {
    Q_OBJECT

public:
    // The table letter and PID map the stream runs with, read at its first word; it may
    // name the vehicle too (the current one then, whatever setVehicle said).
    using StreamSource = std::function<void(RecordingHeader& header)>;

    SessionRecorder(const QString& documents, StreamSource source, QObject* parent = nullptr);
    ~SessionRecorder() override;

    // Recordings/<vehicle> under the documents folder (Recordings itself for no vehicle),
    // the vehicle's name made safe as a folder as for reports and dumps.
    static QString folder(const QString& documents, const QString& vehicle);

    // The documents folder of the next recording; the one under way stays where it is.
    void setDocuments(const QString& documents) { m_documents = documents; }

    // On by default. Off ends the recording under way.
    void setEnabled(bool on);
    bool enabled() const { return m_enabled; }
    // Read when a recording begins.
    void setVehicle(const QString& name) { m_vehicle = name; }

    // The link's slot words: a live one begins a recording when none runs.
    void onWord(quint8 slot, quint16 word, bool live);
    // A live value went past a warning (or alarm) limit: marked in the recording under way.
    void onLimit(quint8 pid, float value, bool alarm);
    // The link cleared its slots: the stream has stopped (or another command began).
    void onSlotsCleared();
    // Ends the recording under way, if any.
    void stop();

    bool recording() const { return m_writer != nullptr; }
    // The file being written, or the last one written.
    const QString& path() const { return m_path; }

signals:
    // A recording could not be begun or written; the stream goes on unrecorded.
    void failed(const QString& message);
    void finished(const QString& path);

private:
    void begin();
    void fail(const QString& message);

    QString m_documents;
    StreamSource m_source;
    bool m_enabled = true;
    // A failure ends recording until the stream stops, so that it is told once.
    bool m_failedThisStream = false;
    QString m_vehicle;
    std::unique_ptr<RecordingWriter> m_writer;
    QString m_path;
    QElapsedTimer m_clock;
    // Writes a block that a paused stream leaves open.
    QTimer m_flush;
};
