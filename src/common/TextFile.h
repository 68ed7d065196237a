// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The text-file rule shared by codes.txt, models.txt, autos.txt, report.htm and the
// calibration database: byte order mark picks the encoding, else Windows-1251.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Decodes a whole file's bytes into lines. Lines end at CR, LF, CR LF or U+2028;
// a terminator at the very end adds no empty line; a NUL character ends the text.
QStringList decodeTextLines(const QByteArray& bytes);

// The line without the characters at or below U+0020 at both ends (other Unicode spaces stay).
QString trimBlanks(const QString& line);

// Reads a file by the rule above. Throws VeskorError when it cannot be read.
QStringList readTextFile(const QString& path);
