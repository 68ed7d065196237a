// What the INI reader would make of a file's bytes, found before it reads them: it stops
// at a NUL character and knows no UTF-16, so such files quietly yield fewer sections.
#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QString>
#include <optional>

// The reason the bytes hold no usable INI text, or an empty string: UTF-16 text, a NUL
// character (with its line), or lines that are neither blank nor comments without any
// section. A file of blanks and comments only is usable (it holds nothing).
QString iniContentProblem(const QByteArray& data);

// The file's lines without their line ends (a UTF-8 byte order mark dropped).
QByteArrayList iniLines(const QByteArray& data);
// A trimmed line that is blank or a comment (";" or "#").
bool isIniBlankOrComment(const QByteArray& trimmed);
// The section name of a trimmed "[name]" line, or nothing.
std::optional<QByteArray> iniSectionName(const QByteArray& trimmed);
// The key of a trimmed "key=value" line (trimmed), or an empty array.
QByteArray iniKeyName(const QByteArray& trimmed);
