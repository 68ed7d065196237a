// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The language of the program's texts: Russian, in which the program is written, or English
// from its translation. Chosen once at start, before any window or link exists; the data
// files (fault codes, PID names, captions, the report) follow the same choice.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QLocale;

enum class UiLanguage { Russian, English };

namespace Languages {

UiLanguage current();
// "ru" or "en"; nothing for any other text.
std::optional<UiLanguage> fromCode(const QString& code);
QString code(UiLanguage language);
// The locale of the current language, for dates and month names.
QLocale locale();
// The language of a system locale: Russian where the locale is Russian or unset (the C
// locale), English for every other, since the English window is the one read abroad.
UiLanguage forLocale(const QLocale& locale);
// The language chosen in settings (a code, or empty for the system's), or the system's.
UiLanguage chosen(const QString& setting, const QLocale& system);
// Installs the program's translation and Qt's own for language into the running
// application, replacing those of an earlier call, and makes language current. Returns
// what could not be loaded (the program still runs, partly untranslated).
QStringList install(UiLanguage language);

} // namespace Languages
