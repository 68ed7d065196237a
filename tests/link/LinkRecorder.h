// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Test event sink for the link: records log lines, link events, slot messages, panel
// messages and finished commands in the order they are delivered.
#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <chrono>
#include <cstdint>
#include <functional>

struct RecordedMessage {
    int Message;
    uint32_t WParam;
    int32_t LParam;
    // When the recorder took it (within a few milliseconds of its posting).
    std::chrono::steady_clock::time_point Taken {};
};

class LinkRecorder : public QObject {
    Q_OBJECT

public:
    QList<QString> Logs;
    // The system's words of the log lines that tell of a port's error, in order.
    QList<QString> Failures;
    QList<RecordedMessage> Events; // WM_LINK_EVENT
    QList<RecordedMessage> SlotPosts; // WM_LINK_SLOT
    QList<RecordedMessage> Panel; // WM_PID_CHANGED and other panel messages
    QList<uint8_t> Done; // command codes that have ended
    // What came, in order: WM_LINK_SLOT once per batch of words, WM_LINK_EVENT per event.
    QList<int> Order;

    // Processes posted events until the predicate holds or the real timeout passes.
    bool waitFor(const std::function<bool()>& ready,
        std::chrono::milliseconds timeout = std::chrono::seconds(20));
    bool waitDone(uint8_t code, std::chrono::milliseconds timeout = std::chrono::seconds(20));

    // The lParams of one event code, in order.
    QList<int32_t> eventArgs(uint8_t code) const;
    // "evSearching 0" style list of all events.
    QStringList eventNames() const;

    void clear();

protected:
    void customEvent(QEvent* event) override;
};
