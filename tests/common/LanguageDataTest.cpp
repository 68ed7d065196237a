// Which file of a pair the window reads in each language, and that the shipped English
// files stand in for the Russian ones.
#include "common/LanguageData.h"

#include "common/ProgramDir.h"
#include "support/InLanguage.h"
#include "support/TempDir.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

TEST(LanguageData, TheEnglishFileIsReadInEnglishWhereItExists)
{
    TempDir dir;
    dir.write("report.htm", "ru");
    dir.write("report.en.htm", "en");
    dir.write("user-guide.html", "ru");
    QDir(dir.path()).mkpath("Help");
    dir.write("Help/guide.en", "en");
    setProgramDir(dir.path());
    struct Row {
        UiLanguage language;
        const char* file;
        const char* read;
    };
    const Row rows[] = {
        { UiLanguage::Russian, "report.htm", "report.htm" },
        { UiLanguage::English, "report.htm", "report.en.htm" },
        // An older data folder without the English guide still has a guide.
        { UiLanguage::English, "user-guide.html", "user-guide.html" },
        { UiLanguage::Russian, "user-guide.html", "user-guide.html" },
        // A name without an extension, in a folder whose name has a point.
        { UiLanguage::English, "Help/guide", "Help/guide.en" },
    };
    for (const Row& row : rows) {
        const InLanguage language(row.language);
        EXPECT_EQ(LanguageData::programFile(row.file), dir.file(row.read))
            << row.file << " " << qPrintable(Languages::code(row.language));
    }
    setProgramDir({});
}

TEST(LanguageData, ShippedEnglishFilesKeepThePlaceholdersAndHaveNoRussian)
{
    const QDir data(qEnvironmentVariable("VESKOR_DATA"));
    static const QRegularExpression placeholder("%[A-Z]+%");
    for (const char* name : { "report.htm", "user-guide.html" }) {
        const auto read = [&data](const QString& file) {
            QFile f(data.filePath(file));
            return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
        };
        const QString russian = read(name);
        const QString english = read(LanguageData::englishName(name));
        ASSERT_FALSE(english.isEmpty()) << name;
        const auto placeholders = [](const QString& text) {
            QSet<QString> found;
            for (const auto& match : placeholder.globalMatch(text))
                found.insert(match.captured());
            return found;
        };
        EXPECT_EQ(placeholders(english), placeholders(russian)) << name;
        EXPECT_FALSE(LanguageData::isRussian(english)) << name;
    }
}
