// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Decoding of an item definition's value bytes as UTF-8: sequences of one, two or three
// bytes; any broken or cut-off sequence makes the whole value the empty text.
#pragma once

#include <QByteArrayView>
#include <QString>

// A byte at or above 0x80 starts a sequence of two bytes, or of three when its 0x20 bit is
// set too; every further byte must lie in 0x80 … 0xBF. Each sequence gives one UTF-16 unit.
QString decodeDefinitionUtf8(QByteArrayView bytes);
