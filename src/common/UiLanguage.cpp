// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "common/UiLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <atomic>
#include <memory>

namespace {

std::atomic<UiLanguage> g_current { UiLanguage::Russian };
std::unique_ptr<QTranslator> g_program;
std::unique_ptr<QTranslator> g_qt;

// Loads file from folder and installs it; the translator stays null when it can't be loaded.
void installFrom(std::unique_ptr<QTranslator>& slot, const QString& file, const QString& folder,
    QStringList& missing)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file, folder)) {
        missing.append(folder + u'/' + file);
        return;
    }
    QCoreApplication::installTranslator(translator.get());
    slot = std::move(translator);
}

void remove(std::unique_ptr<QTranslator>& slot)
{
    if (slot)
        QCoreApplication::removeTranslator(slot.get());
    slot.reset();
}

} // namespace

namespace Languages {

UiLanguage current()
{
    return g_current.load();
}

std::optional<UiLanguage> fromCode(const QString& code)
{
    if (code.compare(u"ru", Qt::CaseInsensitive) == 0)
        return UiLanguage::Russian;
    if (code.compare(u"en", Qt::CaseInsensitive) == 0)
        return UiLanguage::English;
    return std::nullopt;
}

QString code(UiLanguage language)
{
    return language == UiLanguage::English ? QStringLiteral("en") : QStringLiteral("ru");
}

QLocale locale()
{
    return current() == UiLanguage::English ? QLocale(QLocale::English, QLocale::UnitedStates)
                                            : QLocale(QLocale::Russian, QLocale::Russia);
}

UiLanguage forLocale(const QLocale& locale)
{
    switch (locale.language()) {
    case QLocale::C:
    case QLocale::Russian:
        return UiLanguage::Russian;
    default:
        return UiLanguage::English;
    }
}

UiLanguage chosen(const QString& setting, const QLocale& system)
{
    return fromCode(setting).value_or(forLocale(system));
}

QStringList install(UiLanguage language)
{
    remove(g_program);
    remove(g_qt);
    QStringList missing;
    // The program's texts are Russian as written; English comes from its translation.
    if (language == UiLanguage::English)
        installFrom(g_program, QStringLiteral("veskor_en.qm"), QStringLiteral(":/i18n"), missing);
    // Qt's own texts (OK, Cancel, the file dialog) are English as written.
    if (language == UiLanguage::Russian)
        installFrom(g_qt, QStringLiteral("qtbase_ru.qm"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath), missing);
    g_current = language;
    return missing;
}

} // namespace Languages
