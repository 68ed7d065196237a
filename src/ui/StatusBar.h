// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The window's status bar: "Модуль:", "Версия:" and "Режим:", each a caption and a glowing
// value (laModule, laVersion, laWorkmode), following the link's status, and the state of a
// lost stream's reconnection (laReconnect).
#pragma once

#include <QStatusBar>

class GlowLabel;
class LinkStatus;
struct StatusText;

class StatusBar : public QStatusBar {
    Q_OBJECT

public:
    explicit StatusBar(QWidget* parent = nullptr);
    void show(const LinkStatus& status);
    // A lost stream and its reconnection (laReconnect); hidden while the text is empty.
    void showReconnect(const StatusText& status);
    // A run on the built-in simulator says so in the bar's corner (laSimulation).
    void showSimulation(bool on);
    // The last outcome of a user's action (a saved report, a failed read), with its time
    // (laNotice); it stays until the next one.
    void showNotice(const QString& text);

private:
    GlowLabel* addField(const char* caption, const char* name);

    GlowLabel* laModule;
    GlowLabel* laVersion;
    GlowLabel* laWorkmode;
    GlowLabel* laReconnect;
    GlowLabel* laNotice;
    GlowLabel* laSimulation;
};
