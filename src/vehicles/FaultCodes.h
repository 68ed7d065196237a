// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The fault code dictionary: mode, English and Russian description and comment of
// every code from 1 to 999, loaded from codes.txt.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

struct TFaultCode {
    QString Mode;
    QString DescEn;
    QString DescRu;
    QString Comment;
};

class FaultCodeDictionary {
public:
    static constexpr int MaxCode = 999;

    // The entry of code n; codes outside 1 to 999 and codes the file leaves out read empty.
    const TFaultCode& operator[](int code) const;

    // Fills the entries from the lines of codes.txt (already decoded by the text-file rule).
    // Returns how many entries (number lines of a code from 1 to 999 followed by text)
    // it found.
    int parse(const QStringList& lines);

    // Loads codes.txt from path. A missing file raises VeskorError with the text
    // "Не найден файл кодов ошибок codes.txt!", an unreadable one (a symbolic link loop
    // included) with "Ошибка чтения файла кодов ошибок codes.txt: <reason>"; the entries
    // stay as they were. Returns the problems for the log: a file that yields no code,
    // and one whose text a NUL character ends early (the lines after it aren't read).
    QStringList load(const QString& path);

    void clear();

private:
    std::array<TFaultCode, MaxCode + 1> m_codes; // index 0 stays empty
};

// The description of a code to show: the chosen language's, else the other language's,
// else "нет описания", so that a code the dictionary doesn't describe is told so.
QString faultCodeDescription(const TFaultCode& code, bool english);

// What the fault list, its copy, the report and veskor-cli show of a code. In the Russian
// window: the mode and comment as codes.txt has them and the description english chooses
// (faultCodeDescription). In the English window nothing Russian: the English description
// (or "no description"), the mode with codes.txt's Russian word for memory translated, and
// no comment, since codes.txt has its comments in Russian only.
struct FaultCodeShown {
    QString Mode;
    QString Description;
    QString Comment;
};
FaultCodeShown faultCodeShown(const TFaultCode& code, bool english);

// Loads "codes.txt" from the program directory into codes; returns load()'s problems.
QStringList LoadFaultCodes(FaultCodeDictionary& codes);
