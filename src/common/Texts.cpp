// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "common/Texts.h"

#include "common/UiLanguage.h"

#include <QCoreApplication>

namespace Texts {

QString text(const char* utf8)
{
    // Without a translator (the Russian window) translate() gives the text as it stands.
    return QCoreApplication::translate(Context, utf8);
}

QString countText(int count, const char* one, const char* few, const char* many)
{
    const char* form = many;
    if (Languages::current() == UiLanguage::English) {
        if (count == 1)
            form = one;
    } else {
        // 1, 21, 101 take the first form; 2–4, 22–24 the second; 11–14 and the rest the third.
        const int tens = count % 100;
        const int last = count % 10;
        if (last == 1 && tens != 11)
            form = one;
        else if (last >= 2 && last <= 4 && (tens < 12 || tens > 14))
            form = few;
    }
    return text(form).arg(count);
}

} // namespace Texts
