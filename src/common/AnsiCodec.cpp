// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "AnsiCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <array>

namespace {

// The code page maps each byte to one character on its own, so the converter is asked once
// for all 256 and strings are then decoded by table: setting up a converter for every string
// was a tenth of the time it took to build a dashboard.
std::array<char16_t, 256> ansiTable()
{
    std::array<char16_t, 256> table {};
    QStringDecoder decoder("windows-1251");
    for (int b = 0; b < 256; ++b) {
        const QString c = decoder(QByteArray(1, char(b)));
        table[size_t(b)]
            = c.size() == 1 ? c.front().unicode() : char16_t(QChar::ReplacementCharacter);
    }
    return table;
}

} // namespace

QString fromAnsi(QByteArrayView bytes)
{
    static const std::array<char16_t, 256> table = ansiTable();
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (const char b : bytes)
        *out++ = table[uint8_t(b)];
    return text;
}

QByteArray toAnsi(const QString& text)
{
    QStringEncoder encoder("windows-1251");
    return encoder(text);
}
