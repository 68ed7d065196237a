// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The page "Справка": the program's emblem, the title and a link that opens the user
// guide shipped beside the program.
#pragma once

#include <QWidget>

struct ReaderContext;

// The program's own emblem: a dial with a needle inside an oval badge, drawn, not loaded.
class Emblem : public QWidget {
    Q_OBJECT

public:
    static constexpr int Width = 256, Height = 102;
    explicit Emblem(QWidget* parent = nullptr);
    QSize sizeHint() const override { return { Width, Height }; }

protected:
    void paintEvent(QPaintEvent* event) override;
};

class HelpPage : public QWidget {
    Q_OBJECT

public:
    static constexpr const char* GuideFile = "user-guide.html";
    HelpPage(ReaderContext& context, QWidget* parent = nullptr);
    // Hands the guide to the system's viewer.
    void openGuide();

private:
    ReaderContext& m_context;
};
