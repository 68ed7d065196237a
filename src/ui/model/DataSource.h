// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Where the dashboards, the trends and the matrix take their words from: the link's live
// stream, or a recording that plays. The window switches the feed between the two; its
// readers never ask which one runs.
#pragma once

#include "link/LinkCommand.h"
#include "link/LinkTypes.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <vector>

class LinkSession;
class RecordingPlayer;
class TFordData;

class DataSource : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // The store whose PID map names the words' PIDs and whose history the trends draw.
    virtual TFordData& store() = 0;
    // The ECU's calibration code and the adapter's version text the words come with;
    // empty when not known.
    virtual QString calibration() const = 0;
    virtual QString moduleVersion() const = 0;
    // Starts the words (a live stream of the PID table, or the recording's playback) and
    // stops them; running() tells whether they come.
    virtual void start(char table) = 0;
    virtual void stop() = 0;
    virtual bool running() const = 0;

signals:
    void words(const Link::WordBatch& batch);
    void slotsCleared();
    // calibration() or moduleVersion() changed.
    void identityChanged();
};

// The link's words, as its session hands them over. Start and stop go out through send:
// the window passes its policy's door, so that a stream it starts is one it brings back.
class LiveSource : public DataSource {
    Q_OBJECT

public:
    using Send = std::function<void(const LinkCommand&)>;

    LiveSource(LinkSession& session, Send send, QObject* parent = nullptr);
    TFordData& store() override;
    QString calibration() const override { return m_calibration; }
    QString moduleVersion() const override { return m_moduleVersion; }
    void start(char table) override;
    void stop() override;
    bool running() const override;

private:
    LinkSession& m_session;
    Send m_send;
    // Kept from the last connection: a stream dropped by the adapter still belongs to the
    // same ECU until another one answers.
    QString m_calibration, m_moduleVersion;
};

// A recording's words, each as the live stream would have brought it; the identity is the
// one the recording was made with.
class ReplaySource : public DataSource {
    Q_OBJECT

public:
    ReplaySource(RecordingPlayer& player, QObject* parent = nullptr);
    TFordData& store() override;
    QString calibration() const override;
    QString moduleVersion() const override;
    // Plays from where the playback stands; the recording has its own table.
    void start(char table) override;
    void stop() override;
    bool running() const override;

private:
    RecordingPlayer& m_player;
};

// The current source's words and clearings, relayed: readers connect here once.
class DataFeed : public DataSource {
    Q_OBJECT

public:
    explicit DataFeed(DataSource& initial, QObject* parent = nullptr);

    void setSource(DataSource& source);
    DataSource& source() const { return *m_source; }
    TFordData& store() override;
    QString calibration() const override { return m_source->calibration(); }
    QString moduleVersion() const override { return m_source->moduleVersion(); }
    void start(char table) override { m_source->start(table); }
    void stop() override { m_source->stop(); }
    bool running() const override { return m_source->running(); }

signals:
    // Another source is current; its store replaces the last one's.
    void sourceChanged(TFordData& store);

private:
    DataSource* m_source = nullptr;
    std::vector<QMetaObject::Connection> m_relays;
};
