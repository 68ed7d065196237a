// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "FaultCodes.h"

#include "FileLink.h"
#include "common/Errors.h"
#include "common/IntegerText.h"
#include "common/LanguageData.h"
#include "common/Placeholders.h"
#include "common/ProgramDir.h"
#include "common/SystemError.h"
#include "common/TextFile.h"
#include "common/Texts.h"
#include "common/UiLanguage.h"

#include <QFile>
#include <QFileInfo>
#include <optional>

const TFaultCode& FaultCodeDictionary::operator[](int code) const
{
    static const TFaultCode empty;
    return code >= 1 && code <= MaxCode ? m_codes[size_t(code)] : empty;
}

void FaultCodeDictionary::clear()
{
    m_codes.fill(TFaultCode {});
}

int FaultCodeDictionary::parse(const QStringList& lines)
{
    int entries = 0;
    int code = 0;
    int field = 10; // past the last field: text lines are skipped until a number line
    for (const QString& raw : lines) {
        const QString line = trimBlanks(raw);
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        const auto number = parseInteger(line);
        if (number && *number < 1000) {
            code = *number;
            field = 0;
            continue;
        }
        if (code <= 0)
            continue;
        if (field == 0)
            ++entries;
        TFaultCode& entry = m_codes[size_t(code)];
        switch (field) {
        case 0:
            entry.Mode = line;
            break;
        case 1:
            entry.DescEn = line;
            break;
        case 2:
            entry.DescRu = line;
            break;
        case 3:
            entry.Comment = line;
            break;
        default:
            code = 0;
            break; // a fifth text line closes the entry
        }
        ++field;
    }
    return entries;
}

namespace {

// The text-file rule ends the text at a NUL character: where that happens (1-based line)
// and how many lines of the file it leaves unread.
struct NulStop {
    int line;
    int linesLost;
};

std::optional<NulStop> nulStop(const QByteArray& bytes)
{
    const bool utf16 = bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
    const qsizetype start = utf16 ? 2 : bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    const qsizetype width = utf16 ? 2 : 1;
    QByteArray filled = bytes; // every NUL character replaced, to count the lines they hide
    qsizetype first = -1;
    for (qsizetype i = start; i + width <= bytes.size(); i += width) {
        if (bytes[i] != 0 || (utf16 && bytes[i + 1] != 0))
            continue;
        if (first < 0)
            first = i;
        filled.replace(i, width, QByteArray(width, 'x'));
    }
    if (first < 0)
        return std::nullopt;
    const int line = int(decodeTextLines(filled.left(first + width)).size());
    return NulStop { line, int(decodeTextLines(filled).size()) - line };
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw VeskorError(fileErrorText(file));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw VeskorError(fileErrorText(file));
    return bytes;
}

} // namespace

QStringList FaultCodeDictionary::load(const QString& path)
{
    const QString link = brokenLinkReason(path);
    if (!link.isEmpty())
        throw VeskorError(fillPlaceholders(Texts::text(Texts::FaultCodesReadError), { link }));
    if (!QFileInfo::exists(path))
        throw VeskorError(Texts::text(Texts::FaultCodesMissing));
    QByteArray bytes;
    try {
        bytes = readBytes(path);
    } catch (const VeskorError& error) {
        throw VeskorError(
            fillPlaceholders(Texts::text(Texts::FaultCodesReadError), { error.message() }));
    }
    const QStringList lines = decodeTextLines(bytes);
    const int entries = parse(lines);

    QStringList problems;
    const auto stop = nulStop(bytes);
    if (entries == 0) {
        const QString why = lines.isEmpty() && !stop
            ? Texts::text(Texts::FaultCodesEmpty)
            : Texts::text(Texts::FaultCodesNoNumber).arg(lines.size());
        problems.append(Texts::text(Texts::FaultCodesNone).arg(why));
    }
    if (stop)
        problems.append(Texts::text(Texts::FaultCodesStopped).arg(stop->line).arg(stop->linesLost));
    return problems;
}

QString faultCodeDescription(const TFaultCode& code, bool english)
{
    const QString& chosen = english ? code.DescEn : code.DescRu;
    const QString& other = english ? code.DescRu : code.DescEn;
    if (!chosen.isEmpty())
        return chosen;
    return other.isEmpty() ? Texts::text(Texts::NoDescription) : other;
}

FaultCodeShown faultCodeShown(const TFaultCode& code, bool english)
{
    if (Languages::current() != UiLanguage::English)
        return { code.Mode, faultCodeDescription(code, english), code.Comment };
    const auto unlessRussian
        = [](const QString& text) { return LanguageData::isRussian(text) ? QString() : text; };
    QString mode = code.Mode;
    mode.replace(QString::fromUtf8(Texts::FaultModeMemory), Texts::text(Texts::FaultModeMemory));
    const QString description = unlessRussian(code.DescEn);
    return { unlessRussian(mode),
        description.isEmpty() ? Texts::text(Texts::NoDescription) : description,
        unlessRussian(code.Comment) };
}

QStringList LoadFaultCodes(FaultCodeDictionary& codes)
{
    return codes.load(programFile(QStringLiteral("codes.txt")));
}
