// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// A recorded session played in the window instead of the link's live data: it holds the
// link (nothing reaches the adapter meanwhile, and its guarded controls are off), plays
// the recording and shows its transport bar, and gives everything back when it is closed.
#pragma once

#include "pages/ReplayBar.h"
#include "recording/Recording.h"
#include "recording/RecordingFile.h"
#include "ui/model/RecordingPlayer.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <utility>
#include <vector>

class TFordData;
struct ReaderContext;

class ReplaySession : public QObject {
    Q_OBJECT

public:
    // Reads a recording file; throws VeskorError with the reason when it cannot.
    using Loader = std::function<Recording(const QString& path)>;
    // The file names the open dialog offers.
    static constexpr const char* FilePattern = "*.vrec";

    // window: the main window, whose link actions are switched off while a recording plays.
    ReplaySession(ReaderContext& context, QWidget* window, RecordingPlayer::Clock clock = {});
    ~ReplaySession() override;

    // The file reader; tests put in their own.
    void setLoader(Loader loader) { m_loader = std::move(loader); }
    RecordingPlayer& player() { return m_player; }
    // The transport bar, hidden while no recording is open; its owner places it.
    ReplayBar* bar() const { return m_bar; }
    bool active() const { return m_active; }

    // Asks for a recording in folder and opens it; false when none was opened.
    bool openFrom(const QString& folder);
    // Reads the file and opens it; a file that cannot be read is reported.
    bool openFile(const QString& path);
    // Opens a recording (name: what the bar calls it) and starts playing it, once the link
    // is idle: a running stream is stopped when the user agrees, other exchanges refuse.
    bool open(Recording recording, const QString& name);
    // Stops playing and gives the link and the window back to live data.
    void close();

signals:
    // A recording is open and plays; the player's words and store are the window's now.
    void started();
    void ended();
    // A line for the window's log: what a damaged recording lost.
    void logLine(const QString& text);

private:
    bool linkReady();

    ReaderContext& m_context;
    QWidget* m_window;
    RecordingPlayer m_player;
    QPointer<ReplayBar> m_bar;
    Loader m_loader = &RecordingFile::read;
    bool m_active = false;
};
