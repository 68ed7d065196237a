// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The hourglass cursor for the length of a scope; nested scopes keep it until the
// outermost one ends, which restores the cursor of before.
#pragma once

#include <QGuiApplication>

class BusyCursor {
public:
    BusyCursor()
        : m_active(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr)
    {
        if (m_active)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~BusyCursor()
    {
        if (m_active)
            QGuiApplication::restoreOverrideCursor();
    }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    bool m_active;
};
