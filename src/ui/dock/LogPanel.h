// The "Журнал" panel: the log list lbLog with every line of the session and "Очистить".
#pragma once

#include <QWidget>

class QAction;
class QListWidget;

class LogPanel : public QWidget {
    Q_OBJECT

public:
    explicit LogPanel(QWidget* parent = nullptr);

    // Appends a line and scrolls so that it is visible. The list has no limit.
    void AddToLog(const QString& text);
    QListWidget* list() const { return lbLog; }

private:
    QListWidget* lbLog;
    QAction* acCleanLog;
};
