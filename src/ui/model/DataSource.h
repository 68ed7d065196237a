// Where the dashboards, the trends and the matrix take their words from: the link's live
// stream, or a recording that plays. The window switches the feed between the two; its
// readers never ask which one runs.
#pragma once

#include "link/LinkTypes.h"

#include <QObject>
#include <QPointer>
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

signals:
    void words(const Link::WordBatch& batch);
    void slotsCleared();
};

// The link's words, as its session hands them over.
class LiveSource : public DataSource {
    Q_OBJECT

public:
    LiveSource(LinkSession& session, QObject* parent = nullptr);
    TFordData& store() override;

private:
    LinkSession& m_session;
};

// A recording's words, each as the live stream would have brought it.
class ReplaySource : public DataSource {
    Q_OBJECT

public:
    ReplaySource(RecordingPlayer& player, QObject* parent = nullptr);
    TFordData& store() override;

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

signals:
    // Another source is current; its store replaces the last one's.
    void sourceChanged(TFordData& store);

private:
    DataSource* m_source = nullptr;
    std::vector<QMetaObject::Connection> m_relays;
};
