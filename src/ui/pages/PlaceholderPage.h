// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// A page whose controls come in a later version: it names itself and says so.
#pragma once

#include <QWidget>

class PlaceholderPage : public QWidget {
    Q_OBJECT

public:
    PlaceholderPage(const QString& objectName, const QString& caption, QWidget* parent = nullptr);
};
