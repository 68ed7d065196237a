// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "DataSource.h"

#include "link/LinkSession.h"
#include "ui/model/RecordingPlayer.h"

LiveSource::LiveSource(LinkSession& session, Send send, QObject* parent)
    : DataSource(parent)
    , m_session(session)
    , m_send(std::move(send))
{
    connect(&session, &LinkSession::words, this, &DataSource::words);
    connect(&session, &LinkSession::slotsCleared, this, &DataSource::slotsCleared);
    connect(&session, &LinkSession::connected, this, [this](const ModuleInfo& module) {
        m_moduleVersion = LinkReports::versionText(module.Version, module.Id);
        // Another connection may be another car: its code is yet to come.
        m_calibration.clear();
        emit identityChanged();
    });
    connect(&session, &LinkSession::calibration, this, [this](const QString& code) {
        if (code == m_calibration)
            return;
        m_calibration = code;
        emit identityChanged();
    });
}

TFordData& LiveSource::store()
{
    return m_session.store();
}

void LiveSource::start(char table)
{
    m_send(LinkCommands::StartData { table });
}

void LiveSource::stop()
{
    m_send(LinkCommands::StopData {});
}

bool LiveSource::running() const
{
    return m_session.mode() == Link::lmLiveData;
}

ReplaySource::ReplaySource(RecordingPlayer& player, QObject* parent)
    : DataSource(parent)
    , m_player(player)
{
    connect(&player, &RecordingPlayer::slotWord, this, [this](quint8 slot, quint16 word) {
        const Link::StreamWord w { slot, Link::lmLiveData, word, 0 };
        emit words({ &w, 1, 0, 0 });
    });
    connect(&player, &RecordingPlayer::slotsCleared, this, &DataSource::slotsCleared);
}

TFordData& ReplaySource::store()
{
    return m_player.store();
}

QString ReplaySource::calibration() const
{
    return m_player.recording().Header.Calibration;
}

QString ReplaySource::moduleVersion() const
{
    return m_player.recording().Header.ModuleVersion;
}

void ReplaySource::start(char /*table*/)
{
    m_player.play();
}

void ReplaySource::stop()
{
    m_player.pause();
}

bool ReplaySource::running() const
{
    return m_player.playing();
}

DataFeed::DataFeed(DataSource& initial, QObject* parent)
    : DataSource(parent)
{
    setSource(initial);
}

void DataFeed::setSource(DataSource& source)
{
    if (m_source == &source)
        return;
    for (const auto& relay : m_relays)
        disconnect(relay);
    m_source = &source;
    m_relays = { connect(&source, &DataSource::words, this, &DataSource::words),
        connect(&source, &DataSource::slotsCleared, this, &DataSource::slotsCleared),
        connect(&source, &DataSource::identityChanged, this, &DataSource::identityChanged) };
    emit sourceChanged(source.store());
    emit identityChanged();
}

TFordData& DataFeed::store()
{
    return m_source->store();
}
