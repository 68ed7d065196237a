// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The program's 8-bit code page (Windows-1251 on every platform).
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

QString fromAnsi(QByteArrayView bytes);
QByteArray toAnsi(const QString& text);
