// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "SignalClose.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QSocketNotifier>
#include <QWidget>
#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_pipe[2] = { -1, -1 };
bool g_closing = false;
QPointer<QWidget> g_window;

// Only async-signal-safe work here: one byte into the pipe.
void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_pipe[0], &byte, 1);
}

bool isModal(const QWidget* widget)
{
    return widget->isWindow() && widget->windowModality() != Qt::NonModal;
}

// A box's text still reaches someone: a failed save at close is told this way.
void dismiss(QWidget* modal)
{
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        std::fprintf(
            stderr, "%s: %s\n", qUtf8Printable(box->windowTitle()), qUtf8Printable(box->text()));
        std::fflush(stderr);
    }
    // A message box without an escape button ignores close(); reject() ends any dialog.
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
}

// Once closing, a box that opens is closed as soon as its own loop runs: the code that
// opened it goes on as if the user had cancelled it.
class LateBoxes : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (isModal(widget))
                QMetaObject::invokeMethod(
                    widget, [widget] { dismiss(widget); }, Qt::QueuedConnection);
        }
        return false;
    }
};

void onSignalByte()
{
    char byte;
    [[maybe_unused]] const ssize_t n = ::read(g_pipe[1], &byte, 1);
    if (!g_closing) {
        g_closing = true;
        qApp->installEventFilter(new LateBoxes(qApp));
    }
    // Nested boxes: the innermost first, each one's loop then returns in turn.
    for (QWidget* modal = QApplication::activeModalWidget(); modal;) {
        dismiss(modal);
        QWidget* next = QApplication::activeModalWidget();
        if (next == modal)
            break;
        modal = next;
    }
    // Queued: the window closes from the loop, not inside the handler of a box that was
    // just closed.
    if (g_window)
        QMetaObject::invokeMethod(g_window.data(), &QWidget::close, Qt::QueuedConnection);
}

} // namespace

namespace SignalClose {

void install()
{
    if (g_pipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, g_pipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(g_pipe[1], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, onSignalByte);
    struct sigaction action { };
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
}

void watch(QWidget* window)
{
    g_window = window;
}

bool closing()
{
    return g_closing;
}

} // namespace SignalClose
