// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// SIGTERM and SIGINT end the program in order (settings and register saved) instead of
// ending the process where it stands, whatever waits for the user at that moment: a box of
// start-up, one of closing, or the main loop.
#pragma once

class QWidget;

namespace SignalClose {
// Installs the handlers; needs the application object. From a signal on, every box or
// dialog open or opening is closed at once (a message box's text goes to stderr), so that
// nothing waits for the user any more.
void install();
// From now on a signal closes window too, from the event loop. Until then the caller
// looks at closing() and closes the window itself.
void watch(QWidget* window);
// A signal has asked the program to end.
bool closing();
} // namespace SignalClose
