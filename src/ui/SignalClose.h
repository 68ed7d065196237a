// SIGTERM and SIGINT close the window in order (settings and register saved) instead of
// ending the process where it stands.
#pragma once

#include <QObject>

class QWidget;

namespace SignalClose {
// Installs the handlers; a signal then closes window on the GUI thread.
void install(QWidget* window);
} // namespace SignalClose
