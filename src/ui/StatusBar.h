// The window's status bar: "Модуль:", "Версия:" and "Режим:", each a caption and a glowing
// value (laModule, laVersion, laWorkmode), following the link's status.
#pragma once

#include <QStatusBar>

class GlowLabel;
class LinkStatus;

class StatusBar : public QStatusBar {
    Q_OBJECT

public:
    explicit StatusBar(QWidget* parent = nullptr);
    void show(const LinkStatus& status);

private:
    GlowLabel* addField(const char* caption, const char* name);

    GlowLabel* laModule;
    GlowLabel* laVersion;
    GlowLabel* laWorkmode;
};
