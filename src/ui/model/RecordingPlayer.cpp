// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "RecordingPlayer.h"

#include "common/WordPacket.h"

#include <QElapsedTimer>
#include <algorithm>
#include <limits>
#include <memory>

namespace {

RecordingPlayer::Clock steadyClock()
{
    auto timer = std::make_shared<QElapsedTimer>();
    timer->start();
    return [timer] { return timer->elapsed(); };
}

} // namespace

RecordingPlayer::RecordingPlayer(QObject* parent, Clock clock)
    : QObject(parent)
    , m_clock(clock ? std::move(clock) : steadyClock())
{
    m_timer.setInterval(TickMs);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &RecordingPlayer::tick);
    m_store.setClock([this] { return m_storeTime; });
}

void RecordingPlayer::open(Recording recording)
{
    pause();
    m_recording = std::move(recording);
    m_history.build(m_recording);
    m_store.SetPidMap(m_recording.Header.PidMap);
    m_firstIndex.fill(std::numeric_limits<size_t>::max());
    for (size_t i = m_recording.Words.size(); i-- > 0;)
        m_firstIndex[m_recording.Words[i].Slot] = i;
    m_open = true;
    m_position = 0;
    m_lastMark.reset();
    m_next = 0;
    // Nothing has played yet: even a word at 0 ms is still to come.
    for (int pid = 0; pid < 256; ++pid)
        m_store.SetHistory(uint8_t(pid), {});
    setStoreTime(0);
    emit slotsCleared();
    emit positionChanged(0);
}

void RecordingPlayer::close()
{
    pause();
    m_open = false;
    m_recording = Recording();
    m_history.clear();
    for (int pid = 0; pid < 256; ++pid)
        m_store.SetHistory(uint8_t(pid), {});
    m_position = 0;
    m_next = 0;
}

void RecordingPlayer::play()
{
    if (!m_open || playing())
        return;
    if (m_next >= m_recording.Words.size())
        seek(0);
    m_lastClock = m_clock();
    m_timer.start();
    emit playingChanged(true);
}

void RecordingPlayer::pause()
{
    if (!playing())
        return;
    tick();
    m_timer.stop();
    emit playingChanged(false);
}

void RecordingPlayer::setSpeed(double speed)
{
    // The time up to now still runs at the old speed.
    if (playing())
        tick();
    m_speed = std::clamp(speed, Speeds.front(), Speeds.back());
}

void RecordingPlayer::tick()
{
    if (!m_open || !playing())
        return;
    const qint64 now = m_clock();
    const qint64 elapsed = std::max<qint64>(0, now - m_lastClock);
    m_lastClock = now;
    m_position = std::min(m_position + double(elapsed) * m_speed, double(duration()));
    emitDue();
    emit positionChanged(position());
    if (m_next >= m_recording.Words.size()) {
        m_timer.stop();
        emit playingChanged(false);
    }
}

void RecordingPlayer::emitDue()
{
    const auto& words = m_recording.Words;
    const uint32_t until = position();
    while (m_next < words.size() && words[m_next].TimeMs <= until) {
        const RecordedWord& w = words[m_next++];
        const int index = WordPacket::mapIndex(w.Slot);
        if (index >= 0)
            m_store.AppendSample(m_recording.Header.PidMap[size_t(index)], w.Word, w.TimeMs);
        emit slotWord(w.Slot, w.Word);
    }
    setStoreTime(until);
}

void RecordingPlayer::seek(uint32_t ms)
{
    if (!m_open)
        return;
    ms = std::min(ms, duration());
    m_position = ms;
    m_lastMark.reset();
    m_lastClock = m_clock();
    const auto& words = m_recording.Words;
    m_next = size_t(std::upper_bound(words.begin(), words.end(), ms,
                        [](uint32_t t, const RecordedWord& w) { return t < w.TimeMs; })
        - words.begin());
    m_history.restore(m_store, ms);
    setStoreTime(ms);
    restoreSlots();
    emit positionChanged(ms);
}

bool RecordingPlayer::seekToNextMark()
{
    const auto& marks = m_recording.Marks;
    if (!m_open || marks.empty())
        return false;
    const auto target
        = [](const RecordedMark& m) { return m.TimeMs > MarkLeadMs ? m.TimeMs - MarkLeadMs : 0; };
    // A mark whose lead point is the position itself is next unless it was the last visited.
    size_t next = 0;
    while (next < marks.size()
        && !(target(marks[next]) > position()
            || (target(marks[next]) == position() && (!m_lastMark || next > *m_lastMark))))
        ++next;
    if (next == marks.size())
        next = 0;
    seek(target(marks[next]));
    m_lastMark = next;
    return true;
}

// The matrix and the dashboard show the moment at once: the newest word of every slot up
// to it, handed over in the recording's order.
void RecordingPlayer::restoreSlots()
{
    emit slotsCleared();
    size_t wanted = 0;
    for (size_t first : m_firstIndex)
        wanted += first < m_next ? 1 : 0;
    std::array<bool, 256> found {};
    std::vector<size_t> latest;
    latest.reserve(wanted);
    for (size_t i = m_next; i-- > 0 && latest.size() < wanted;) {
        const uint8_t slot = m_recording.Words[i].Slot;
        if (!found[slot]) {
            found[slot] = true;
            latest.push_back(i);
        }
    }
    for (auto it = latest.rbegin(); it != latest.rend(); ++it)
        emit slotWord(m_recording.Words[*it].Slot, m_recording.Words[*it].Word);
}

QString RecordingPlayer::timeText(uint32_t ms)
{
    const uint32_t seconds = ms / 1000;
    const uint32_t h = seconds / 3600, m = seconds / 60 % 60, s = seconds % 60;
    const QString mss = QStringLiteral("%1:%2").arg(m).arg(s, 2, 10, QLatin1Char('0'));
    if (h == 0)
        return mss;
    return QStringLiteral("%1:%2:%3")
        .arg(h)
        .arg(m, 2, 10, QLatin1Char('0'))
        .arg(s, 2, 10, QLatin1Char('0'));
}
