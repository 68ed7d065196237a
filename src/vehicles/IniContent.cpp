// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "IniContent.h"

#include "common/Texts.h"

void visitIniLines(const QByteArray& data, const std::function<bool(QByteArrayView)>& visit)
{
    QByteArrayView text(data);
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    // A line ends at CR LF, CR or LF; the end of the last line adds no line.
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != '\n' && text[end] != '\r')
            ++end;
        if (!visit(text.sliced(start, end - start)))
            return;
        start = end + (text.sliced(end).startsWith("\r\n") ? 2 : 1);
    }
}

bool isIniBlankOrComment(QByteArrayView trimmed)
{
    return trimmed.isEmpty() || trimmed.startsWith(';') || trimmed.startsWith('#');
}

std::optional<QByteArray> iniSectionName(QByteArrayView trimmed)
{
    if (!trimmed.startsWith('['))
        return std::nullopt;
    const qsizetype close = trimmed.indexOf(']');
    if (close < 0)
        return std::nullopt;
    return trimmed.sliced(1, close - 1).trimmed().toByteArray();
}

QByteArrayView iniKeyName(QByteArrayView trimmed)
{
    const qsizetype equals = trimmed.indexOf('=');
    return equals < 0 ? QByteArrayView() : trimmed.first(equals).trimmed();
}

QString iniContentProblem(const QByteArray& data)
{
    if (data.startsWith("\xFF\xFE") || data.startsWith("\xFE\xFF"))
        return Texts::text(Texts::IniUtf16);
    const qsizetype nul = data.indexOf('\0');
    if (nul >= 0)
        return Texts::text(Texts::IniNul).arg(data.left(nul).count('\n') + 1);
    bool content = false;
    bool section = false;
    // Up to the first section: what follows it changes nothing.
    visitIniLines(data, [&](QByteArrayView line) {
        const QByteArrayView trimmed = line.trimmed();
        section = iniSectionName(trimmed).has_value();
        content = content || !isIniBlankOrComment(trimmed);
        return !section;
    });
    return content && !section ? Texts::text(Texts::IniNoSection) : QString();
}
