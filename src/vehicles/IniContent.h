// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// What the INI reader would make of a file's bytes, found before it reads them: it stops
// at a NUL character and knows no UTF-16, so such files quietly yield fewer sections.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>
#include <optional>

// The reason the bytes hold no usable INI text, or an empty string: UTF-16 text, a NUL
// character (with its line), or lines that are neither blank nor comments without any
// section. A file of blanks and comments only is usable (it holds nothing).
QString iniContentProblem(const QByteArray& data);

// Gives the file's lines one by one, without their line ends (a UTF-8 byte order mark
// dropped) and without copying them, until visit returns false.
void visitIniLines(const QByteArray& data, const std::function<bool(QByteArrayView)>& visit);
// A trimmed line that is blank or a comment (";" or "#").
bool isIniBlankOrComment(QByteArrayView trimmed);
// The section name of a trimmed "[name]" line, or nothing.
std::optional<QByteArray> iniSectionName(QByteArrayView trimmed);
// The key of a trimmed "key=value" line (trimmed), or an empty view.
QByteArrayView iniKeyName(QByteArrayView trimmed);
