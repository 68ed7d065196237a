#include "IniContent.h"

#include "common/Texts.h"

QByteArrayList iniLines(const QByteArray& data)
{
    QByteArray text = data.startsWith("\xEF\xBB\xBF") ? data.mid(3) : data;
    text.replace("\r\n", "\n").replace('\r', '\n');
    QByteArrayList lines = text.split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast(); // the end of the last line adds no line
    return lines;
}

bool isIniBlankOrComment(const QByteArray& trimmed)
{
    return trimmed.isEmpty() || trimmed.startsWith(';') || trimmed.startsWith('#');
}

std::optional<QByteArray> iniSectionName(const QByteArray& trimmed)
{
    if (!trimmed.startsWith('['))
        return std::nullopt;
    const qsizetype close = trimmed.indexOf(']');
    if (close < 0)
        return std::nullopt;
    return trimmed.mid(1, close - 1).trimmed();
}

QByteArray iniKeyName(const QByteArray& trimmed)
{
    const qsizetype equals = trimmed.indexOf('=');
    return equals < 0 ? QByteArray() : trimmed.left(equals).trimmed();
}

QString iniContentProblem(const QByteArray& data)
{
    if (data.startsWith("\xFF\xFE") || data.startsWith("\xFE\xFF"))
        return Texts::text(Texts::IniUtf16);
    const qsizetype nul = data.indexOf('\0');
    if (nul >= 0)
        return Texts::text(Texts::IniNul).arg(data.left(nul).count('\n') + 1);
    bool content = false;
    for (const QByteArray& line : iniLines(data)) {
        const QByteArray trimmed = line.trimmed();
        if (iniSectionName(trimmed))
            return {};
        content = content || !isIniBlankOrComment(trimmed);
    }
    return content ? Texts::text(Texts::IniNoSection) : QString();
}
