// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "TextFile.h"

#include "AnsiCodec.h"
#include "Errors.h"
#include "common/SystemError.h"
#include "common/Texts.h"

#include <QFile>
#include <QStringDecoder>

namespace {

QString decodeWhole(const QByteArray& bytes)
{
    auto decodeWith = [&](QStringDecoder::Encoding encoding, qsizetype skip) {
        QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
        return QString(decoder(QByteArrayView(bytes).sliced(skip)));
    };
    if (bytes.startsWith("\xFF\xFE"))
        return decodeWith(QStringDecoder::Utf16LE, 2);
    if (bytes.startsWith("\xFE\xFF"))
        return decodeWith(QStringDecoder::Utf16BE, 2);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return decodeWith(QStringDecoder::Utf8, 3);
    return fromAnsi(bytes);
}

} // namespace

QStringList decodeTextLines(const QByteArray& bytes)
{
    QString text = decodeWhole(bytes);
    const qsizetype nul = text.indexOf(QChar(0));
    if (nul >= 0)
        text.truncate(nul);

    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n' && c != QChar(0x2028))
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < n && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

QStringList readTextFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw VeskorError(Texts::text(Texts::FileUnreadable).arg(path, fileErrorText(file)));
    return decodeTextLines(file.readAll());
}

QString trimBlanks(const QString& line)
{
    qsizetype begin = 0;
    qsizetype end = line.size();
    while (begin < end && line.at(begin).unicode() <= 0x20)
        ++begin;
    while (end > begin && line.at(end - 1).unicode() <= 0x20)
        --end;
    return line.mid(begin, end - begin);
}
