// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "LinkRecorder.h"

#include "link/LinkMessage.h"
#include "link/LinkTypes.h"

#include <QCoreApplication>
#include <QThread>

bool LinkRecorder::waitFor(const std::function<bool()>& ready, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!ready()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    return true;
}

bool LinkRecorder::waitDone(uint8_t code, std::chrono::milliseconds timeout)
{
    const qsizetype before = Done.count(code);
    return waitFor([&] { return Done.count(code) > before; }, timeout);
}

QList<int32_t> LinkRecorder::eventArgs(uint8_t code) const
{
    QList<int32_t> args;
    for (const RecordedMessage& message : Events)
        if (message.WParam == code)
            args.append(message.LParam);
    return args;
}

QStringList LinkRecorder::eventNames() const
{
    QStringList names;
    for (const RecordedMessage& message : Events)
        names << QStringLiteral("%1 %2")
                     .arg(QLatin1String(Link::eventName(int(message.WParam))))
                     .arg(message.LParam);
    return names;
}

void LinkRecorder::clear()
{
    Logs.clear();
    Failures.clear();
    Events.clear();
    SlotPosts.clear();
    Panel.clear();
    Done.clear();
    Order.clear();
}

void LinkRecorder::customEvent(QEvent* event)
{
    LinkEvents::takeOver(event);
    if (event->type() == TLinkLogEvent::eventType()) {
        const auto* line = static_cast<TLinkLogEvent*>(event);
        Logs.append(line->Text);
        if (!line->Failure.isEmpty())
            Failures.append(line->Failure);
    } else if (event->type() == TLinkCommandDone::eventType()) {
        Done.append(static_cast<TLinkCommandDone*>(event)->Code);
    } else if (event->type() == TWordBatchEvent::eventType()) {
        // Each word as the slot message it was before the link posted words in batches.
        const auto taken = std::chrono::steady_clock::now();
        Order.append(Link::WM_LINK_SLOT);
        for (const Link::StreamWord& w : static_cast<TWordBatchEvent*>(event)->batch())
            SlotPosts.append(
                { Link::WM_LINK_SLOT, w.Slot, Link::slotLParam(w.Word, w.Mode), taken });
    } else if (auto* message = dynamic_cast<TLinkMessage*>(event)) {
        const RecordedMessage recorded { int(event->type()), uint32_t(message->WParam),
            int32_t(message->LParam), std::chrono::steady_clock::now() };
        if (recorded.Message == Link::WM_LINK_EVENT) {
            Events.append(recorded);
            Order.append(Link::WM_LINK_EVENT);
        } else if (recorded.Message == Link::WM_LINK_SLOT)
            SlotPosts.append(recorded);
        else
            Panel.append(recorded);
    }
}
