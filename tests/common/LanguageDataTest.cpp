// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Which file of a pair the window reads in each language.
#include "common/LanguageData.h"

#include "common/ProgramDir.h"
#include "support/InLanguage.h"
#include "support/TempDir.h"

#include <QDir>
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
