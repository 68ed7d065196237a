// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The transport bar of a replayed recording: play and pause, the speed, a slider to seek
// anywhere, the elapsed and total time, and the button that closes the recording.
#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QSlider;
class QToolButton;
class RecordingPlayer;

class ReplayBar : public QWidget {
    Q_OBJECT

public:
    ReplayBar(RecordingPlayer& player, QWidget* parent = nullptr);

    // Shows the recording just opened under its name.
    void showRecording(const QString& name);

signals:
    void closeRequested();

private:
    void showPosition(quint32 ms);
    void showPlaying(bool playing);

    RecordingPlayer& m_player;
    QToolButton* btnReplayPlay;
    QComboBox* cbReplaySpeed;
    QSlider* slReplayPosition;
    QLabel* laReplayTime;
    QLabel* laReplayName;
    QToolButton* btnReplayNextMark;
    QToolButton* btnReplayClose;
};
