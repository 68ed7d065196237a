#include "DataSource.h"

#include "link/LinkSession.h"
#include "ui/model/RecordingPlayer.h"

LiveSource::LiveSource(LinkSession& session, QObject* parent)
    : DataSource(parent)
    , m_session(session)
{
    connect(&session, &LinkSession::words, this, &DataSource::words);
    connect(&session, &LinkSession::slotsCleared, this, &DataSource::slotsCleared);
}

TFordData& LiveSource::store()
{
    return m_session.store();
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
        connect(&source, &DataSource::slotsCleared, this, &DataSource::slotsCleared) };
    emit sourceChanged(source.store());
}

TFordData& DataFeed::store()
{
    return m_source->store();
}
