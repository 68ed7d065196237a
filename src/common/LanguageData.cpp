// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "common/LanguageData.h"

#include "common/ProgramDir.h"
#include "common/UiLanguage.h"

#include <QFileInfo>

namespace LanguageData {

bool isRussian(QStringView text)
{
    for (QChar c : text)
        if (c.script() == QChar::Script_Cyrillic)
            return true;
    return false;
}

QString englishName(const QString& relative)
{
    const qsizetype slash = relative.lastIndexOf(u'/');
    const qsizetype dot = relative.lastIndexOf(u'.');
    const qsizetype at = dot > slash ? dot : relative.size();
    return relative.left(at) + QStringLiteral(".en") + relative.mid(at);
}

QString programFile(const QString& relative)
{
    if (Languages::current() == UiLanguage::English) {
        const QString english = ::programFile(englishName(relative));
        if (QFileInfo::exists(english))
            return english;
    }
    return ::programFile(relative);
}

} // namespace LanguageData
