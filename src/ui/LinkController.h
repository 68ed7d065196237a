// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The window's policy over the link session: a lost stream is brought back (Reconnector),
// a stream that falls silent is lost, memory reads pause the user's stream and resume it,
// and while a recording plays the adapter is left alone. Every command of the window
// passes here; what the link reports comes from session()'s signals. GUI thread only.
#pragma once

#include "link/LinkSession.h"
#include "ui/model/Reconnector.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <memory>
#include <utility>
#include <vector>

class LinkController : public QObject {
    Q_OBJECT

public:
    using Options = LinkSession::Options;

    static constexpr const char* SimulatorPort = LinkSession::SimulatorPort;
    // A live stream without a word this long (on the link's time scale) is lost.
    static constexpr int SilenceMs = 3000;

    explicit LinkController(const Options& options, QObject* parent = nullptr);
    ~LinkController() override;

    LinkSession& session() { return m_session; }
    const LinkSession& session() const { return m_session; }
    double timeScale() const { return m_session.timeScale(); }

    // The user's commands. StartData names the stream a lost adapter brings back; any
    // other command (Disconnect among them) ends the attempts to reconnect. A memory read
    // while the user's stream runs stops the stream first and brings it back once every
    // memory read posted is done.
    void send(const LinkCommand& command);
    // While a recording plays the adapter is left alone: commands are refused with a log
    // line, and no reconnection runs.
    void setHeld(bool held);
    bool held() const { return m_held; }
    // A control that sends something to the adapter: off while the link is held, and
    // back as it was after.
    void guard(QObject* control);
    // On by default: after the adapter drops mid-stream, reconnect and resume the stream.
    void setAutoReconnect(bool on);
    const Reconnector& reconnector() const { return m_reconnector; }
    // Asks the thread to end without waiting for it.
    void terminate() { m_session.terminate(); }

signals:
    // Log lines of the policy (a refused command, a silent stream); the link's own come
    // from the session.
    void logLine(const QString& text);
    // What the status bar says of a lost stream and its reconnection; empty text: nothing.
    void reconnectStatus(const StatusText& status);
    // The adapter may be used (false while a recording plays).
    void linkAvailable(bool available);

private:
    void onWords(const Link::WordBatch& batch);
    void onReport(const LinkReport& report);
    void onCommandDone(quint8 code);
    void streamLost();
    void run(Reconnector::Step step);
    void resumeStream();

    LinkSession m_session;
    Reconnector m_reconnector;
    QTimer m_retry;
    // Restarted by every live word while the user's stream runs: a stream that falls
    // silent without a port error (an adapter out of range) is lost too.
    QTimer m_silence;
    bool m_held = false;
    // The guarded controls, and whether each was enabled when the link was held.
    std::vector<std::pair<QPointer<QObject>, bool>> m_guarded;
    // The table of the user's stream while memory reads hold it stopped; 0 when none is.
    char m_pausedTable = 0;
};
