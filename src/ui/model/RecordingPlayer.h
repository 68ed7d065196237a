// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Plays a recorded live data session on the GUI thread: every word in its order at 0.25x
// to 16x, with pause and seek. Its own data store holds the history up to the present of
// the recording, so trend charts drawn from it show what they showed in the car.
#pragma once

#include "recording/Recording.h"
#include "store/TFordData.h"
#include "ui/model/ReplayHistory.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <array>
#include <functional>
#include <optional>

class RecordingPlayer : public QObject {
    Q_OBJECT

public:
    // A monotonic clock in milliseconds; tests hand in one they move themselves.
    using Clock = std::function<qint64()>;

    static constexpr int TickMs = 20;
    static constexpr std::array<double, 7> Speeds { 0.25, 0.5, 1, 2, 4, 8, 16 };

    explicit RecordingPlayer(QObject* parent = nullptr, Clock clock = {});

    // Takes the recording and stands paused at its start with an empty history.
    void open(Recording recording);
    void close();
    bool isOpen() const { return m_open; }
    const Recording& recording() const { return m_recording; }
    // The store the replayed words go to: the recording's PID map, its clock the position.
    TFordData& store() { return m_store; }

    void play();
    void pause();
    bool playing() const { return m_timer.isActive(); }
    // Kept within 0.25x to 16x.
    void setSpeed(double speed);
    double speed() const { return m_speed; }
    // Jumps to ms: the history up to there at once, and each slot's word of that moment.
    void seek(uint32_t ms);
    uint32_t position() const { return uint32_t(m_position); }
    uint32_t duration() const { return m_recording.durationMs(); }

    // Seeks to MarkLeadMs before the next limit mark after the position (the first one
    // again past the last), so that the approach is seen; false when there is no mark.
    static constexpr uint32_t MarkLeadMs = 5000;
    bool seekToNextMark();

    // One step of the timer: the words that fell due since the last one, all of them.
    void tick();

    // "m:ss", or "h:mm:ss" from an hour on.
    static QString timeText(uint32_t ms);

signals:
    // A word of the recording, in the recording's order.
    void slotWord(quint8 slot, quint16 word);
    // The slots are empty again (open, or a seek before the words of its moment).
    void slotsCleared();
    void positionChanged(quint32 ms);
    void playingChanged(bool playing);

private:
    void emitDue();
    void restoreSlots();
    void setStoreTime(uint32_t time) { m_storeTime = time; }

    Clock m_clock;
    QTimer m_timer;
    Recording m_recording;
    // The mark that seekToNextMark() went to, until another seek.
    std::optional<size_t> m_lastMark;
    ReplayHistory m_history;
    TFordData m_store;
    // The first slot's word index in the recording (SIZE_MAX: never): a seek's search for
    // each slot's word of the moment stops once all slots seen so far are found.
    std::array<size_t, 256> m_firstIndex {};
    bool m_open = false;
    double m_speed = 1;
    double m_position = 0;
    qint64 m_lastClock = 0;
    size_t m_next = 0; // the next word to play
    uint32_t m_storeTime = 0;
};
