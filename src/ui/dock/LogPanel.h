// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The "Журнал" panel: the log list lbLog with every line of the session and "Очистить".
#pragma once

#include <QString>
#include <QTime>
#include <QWidget>

class QAction;
class QListWidget;
class QListWidgetItem;

class LogPanel : public QWidget {
    Q_OBJECT

public:
    explicit LogPanel(QWidget* parent = nullptr);

    // Appends a line with the time it came, "hh:mm:ss text", and scrolls so that it is
    // visible. A line that begins with a time of its own (a page's stamped notice) keeps
    // it. The list has no limit.
    void AddToLog(const QString& text, const QTime& time = QTime::currentTime());
    QListWidget* list() const { return lbLog; }
    // A line of the list without its time, as it was handed over.
    static QString lineText(const QListWidgetItem& item);
    // The line as the list shows it.
    static QString timedLine(const QString& text, const QTime& time);

private:
    QListWidget* lbLog;
    QAction* acCleanLog;
};
