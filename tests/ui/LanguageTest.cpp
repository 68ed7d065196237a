// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The window's language: chosen by --lang, reader.ini or the system, and in English no
// Russian text is left anywhere in the window, its pages and its dialogs.
#include "WindowTestSupport.h"
#include "common/IniFile.h"
#include "common/LanguageData.h"
#include "common/Texts.h"
#include "common/UiLanguage.h"
#include "support/InLanguage.h"
#include "ui/GlowLabel.h"
#include "ui/model/ReaderArguments.h"
#include "ui/model/ReaderSettings.h"
#include "ui/pages/FaultsPage.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLocale>
#include <QMetaProperty>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

// Every text an object shows: its string properties (text, title, tool tip, caption, the
// dashboards' own), a tab bar's tabs and a model's headings and cells.
QStringList textsOf(const QObject& object)
{
    QStringList texts;
    const QMetaObject* meta = object.metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        const int type = property.metaType().id();
        if (qstrcmp(property.name(), "objectName") == 0 || !property.isReadable()
            || (type != QMetaType::QString && type != QMetaType::QStringList))
            continue;
        const QVariant value = property.read(&object);
        texts
            += type == QMetaType::QString ? QStringList { value.toString() } : value.toStringList();
    }
    if (const auto* tabs = qobject_cast<const QTabBar*>(&object))
        for (int i = 0; i < tabs->count(); ++i)
            texts << tabs->tabText(i) << tabs->tabToolTip(i);
    if (const auto* model = qobject_cast<const QAbstractItemModel*>(&object)) {
        for (int c = 0; c < model->columnCount(); ++c)
            texts << model->headerData(c, Qt::Horizontal).toString();
        for (int r = 0; r < std::min(model->rowCount(), 200); ++r)
            for (int c = 0; c < model->columnCount(); ++c)
                for (const int role : { int(Qt::DisplayRole), int(Qt::ToolTipRole) })
                    texts << model->index(r, c).data(role).toString();
    }
    return texts;
}

// "objectName: text" for each Russian text of root and everything it holds.
QStringList russianTexts(const QObject& root)
{
    QStringList found;
    QList<QPointer<const QObject>> objects { &root };
    for (const QObject* child : root.findChildren<QObject*>())
        objects.append(child);
    for (const QPointer<const QObject>& object : objects)
        for (const QString& text : object ? textsOf(*object) : QStringList())
            if (LanguageData::isRussian(text))
                found.append(object->objectName() + u'(' + object->metaObject()->className()
                    + QStringLiteral("): ") + text.left(120));
    found.removeDuplicates();
    return found;
}

// Runs veskor-reader offscreen without a locale; its exit code, and its output in out.
int runReader(const QStringList& arguments, QString& out)
{
    QProcess reader;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    for (const char* name : { "LANG", "LC_ALL", "LC_MESSAGES", "LANGUAGE" })
        env.remove(name);
    reader.setProcessEnvironment(env);
    reader.start(qEnvironmentVariable("VESKOR_BIN") + "/veskor-reader", arguments);
    if (!reader.waitForFinished(30000))
        return -1;
    out = QString::fromUtf8(reader.readAllStandardOutput() + reader.readAllStandardError());
    return reader.exitCode();
}

} // namespace

TEST(Language, TheRunTheSettingsOrTheSystemChooseIt)
{
    struct Case {
        QStringList arguments;
        QString setting;
        QLocale system;
        bool read;
        UiLanguage language;
    };
    const QLocale russia(QLocale::Russian), usa(QLocale::English), germany(QLocale::German);
    const Case cases[] = {
        { {}, "", QLocale::c(), true, UiLanguage::Russian },
        { {}, "", russia, true, UiLanguage::Russian },
        { {}, "", usa, true, UiLanguage::English },
        // A mechanic abroad reads English rather than Russian.
        { {}, "", germany, true, UiLanguage::English },
        { {}, "ru", usa, true, UiLanguage::Russian },
        { {}, "EN", russia, true, UiLanguage::English },
        { {}, "de", russia, true, UiLanguage::Russian },
        { { "--simulator", "--lang", "en" }, "ru", russia, true, UiLanguage::English },
        { { "--lang", "ru", "--live" }, "en", usa, true, UiLanguage::Russian },
        { { "--lang", "de" }, "", russia, false, UiLanguage::Russian },
        { { "--lang" }, "", russia, false, UiLanguage::Russian },
    };
    for (const Case& c : cases) {
        QStringList arguments = c.arguments;
        std::optional<UiLanguage> asked;
        const bool read = takeLanguage(arguments, asked);
        EXPECT_EQ(read, c.read) << qPrintable(c.arguments.join(' '));
        if (!read)
            continue;
        EXPECT_FALSE(arguments.contains("--lang"));
        EXPECT_EQ(asked.value_or(Languages::chosen(c.setting, c.system)), c.language)
            << qPrintable(c.arguments.join(' ') + " / " + c.setting + " / " + c.system.name());
    }
}

TEST(Language, QtsOwnButtonsSpeakTheWindowsLanguage)
{
    const auto cancel = [] {
        QDialogButtonBox box(QDialogButtonBox::Cancel);
        return box.button(QDialogButtonBox::Cancel)->text().remove(u'&');
    };
    {
        const InLanguage russian(UiLanguage::Russian);
        EXPECT_EQ(cancel(), QString::fromUtf8("Отмена"));
    }
    const InLanguage english(UiLanguage::English);
    EXPECT_EQ(cancel(), "Cancel");
}

TEST(Language, TheProgramStartsInTheLanguageAskedForOrSaved)
{
    WindowHarness h;
    struct Case {
        QStringList arguments;
        QByteArray ini;
        int exitCode;
        const char* shows;
    };
    const Case cases[] = {
        // Without a locale, Russian, as the program is written.
        { { "--help" }, "", 0, "Использование: veskor-reader" },
        { { "--lang", "en", "--help" }, "", 0, "Usage: veskor-reader" },
        { { "--lang", "ru", "--help" }, "", 0, "Использование: veskor-reader" },
        { { "--lang", "xx" }, "", 2, "Использование: veskor-reader" },
        // A wrong option is told in the language of the settings, or of --lang.
        { { "--home", h.path(""), "--wrong" }, "[Main]\nLanguage=en\n", 2, "Usage:" },
        { { "--home", h.path(""), "--lang", "ru", "--wrong" }, "[Main]\nLanguage=en\n", 2,
            "Использование:" },
    };
    for (const Case& c : cases) {
        h.writeFile("reader.ini", c.ini);
        QString out;
        EXPECT_EQ(runReader(c.arguments, out), c.exitCode) << qPrintable(c.arguments.join(' '));
        EXPECT_TRUE(out.contains(QString::fromUtf8(c.shows))) << qPrintable(out.left(300));
    }
}

TEST(EnglishWindow, NoRussianTextIsLeftInTheWindowItsPagesOrDialogs)
{
    const InLanguage english(UiLanguage::English);
    WindowHarness h;
    h.writeFile("autos.ini", registerText({ { "Blue Sierra", "4BAA" } }));
    h.writeFile("reader.ini", "[Main]\nComPortName=sim\n");
    QStringList found;
    int dialogs = 0;
    h.Prompts.AnswerDialog = [&](QDialog& dialog) {
        ++dialogs;
        found += russianTexts(dialog);
        return false;
    };
    TfrmVeskorReader& w = h.open();
    // Every page shown with what it holds after a read of the codes and a live stream.
    ASSERT_TRUE(waitUntil([&] {
        return h.find<GlowLabel>("laWorkmode")->text() == Texts::text(Texts::ModeExchange);
    }));
    h.find<QAction>("acReadFaults")->trigger();
    ASSERT_TRUE(waitUntil([&] { return !w.faultsPage()->entries().isEmpty(); }, 30000));
    h.find<QAction>("acStartData")->trigger();
    auto* pages = h.find<QTabWidget>("pcMain");
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        waitUntil([] { return false; }, 100);
    }
    // The dialogs, each walked as it is answered (the self-test's guide, the vehicle's), and
    // the windows that stay open beside the main one (the statistics).
    for (const char* action : { "acInvokeTest", "acAddAuto", "acStatistics" })
        h.find<QAction>(action)->trigger();
    found += russianTexts(w);
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != &w && window->isVisible())
            found += russianTexts(*window);
    EXPECT_EQ(dialogs, 2);
    EXPECT_TRUE(found.isEmpty()) << qPrintable(found.join('\n'));

    // The choice of the language is kept for the next start.
    auto* language = h.find<QComboBox>("cbLanguage");
    language->setCurrentIndex(language->findData("en"));
    h.close();
    EXPECT_EQ(ReaderIni::language(h.path("reader.ini")), "en");
}
