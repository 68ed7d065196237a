// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "vehicles/FaultCodeText.h"

#include "common/Texts.h"
#include "support/InLanguage.h"

#include <gtest/gtest.h>

TEST(FaultCodeText, EntryWithItsDictionaryTextsAsThePageCopiesIt)
{
    FaultCodeDictionary codes;
    codes.parse({ "112", "KOEO", "Air temperature low", "Температура воздуха", "Проверьте %s" });
    EXPECT_EQ(faultCodeText("112", codes, false),
        QString::fromUtf8("Код: 112\r\nРежим: KOEO\r\nОписание: Температура воздуха\r\n"
                          "Комментарий: Проверьте %s\r\n\r\n"));
    EXPECT_TRUE(faultCodeText("112", codes, true).contains("Описание: Air temperature low\r\n"));
    // A code the file leaves out is told to have no description rather than left blank.
    EXPECT_EQ(faultCodeText("335", codes, false),
        QString::fromUtf8(
            "Код: 335\r\nРежим: \r\nОписание: нет описания\r\nКомментарий: \r\n\r\n"));
}

TEST(FaultCodeText, ADescriptionMissingInOneLanguageComesFromTheOther)
{
    FaultCodeDictionary codes;
    codes.parse({ "21", "KOEO", "ECT out of range", "22", "KOER", "; no English", "" });
    codes.parse({ "23", "m", "en", "ru" });
    EXPECT_EQ(faultCodeDescription(codes[21], false), "ECT out of range");
    EXPECT_EQ(faultCodeDescription(codes[21], true), "ECT out of range");
    EXPECT_EQ(faultCodeDescription(codes[22], false), QString::fromUtf8("нет описания"));
    EXPECT_EQ(faultCodeDescription(codes[22], true), QString::fromUtf8("нет описания"));
    EXPECT_EQ(faultCodeDescription(codes[23], false), "ru");
    EXPECT_EQ(faultCodeDescription(codes[23], true), "en");
}

TEST(FaultCodeText, EntriesThatAreNoDecimalNumberStandForCode1)
{
    EXPECT_EQ(faultCodeNumber("112"), 112);
    EXPECT_EQ(faultCodeNumber("999"), 999);
    EXPECT_EQ(faultCodeNumber("0A3"), 1);
    FaultCodeDictionary codes;
    codes.parse({ "1", "mode of 1" });
    // The entry is shown as listed; the texts are code 1's.
    EXPECT_TRUE(faultCodeText("0A3", codes, false)
                    .startsWith(QString::fromUtf8("Код: 0A3\r\nРежим: mode of 1\r\n")));
}

TEST(FaultCodeText, ShippedDictionaryDescribesTheSimulatorsCodes)
{
    FaultCodeDictionary codes;
    codes.load(QStringLiteral(VESKOR_DATA_SOURCE_DIR "/codes.txt"));
    for (int code : { 111, 112, 335 }) {
        EXPECT_FALSE(codes[code].Mode.isEmpty()) << code;
        EXPECT_FALSE(codes[code].DescEn.isEmpty()) << code;
        EXPECT_FALSE(codes[code].DescRu.isEmpty()) << code;
    }
}

TEST(FaultCodeText, TheEnglishWindowShowsNothingRussian)
{
    const auto u8 = [](const char* text) { return QString::fromUtf8(text); };
    const TFaultCode both { u8("KOEO, память"), "Air low", u8("Воздух"), u8("Проверьте датчик") };
    const TFaultCode russianOnly { "KOER", "", u8("Только по-русски"), "Check the wiring" };
    const char* const NoDescription = nullptr; // the text table's, in the row's language
    struct Row {
        UiLanguage language;
        bool english; // the description language the options page chose
        const TFaultCode& code;
        QString mode;
        const char* description;
        QString comment;
    };
    const Row rows[] = {
        { UiLanguage::Russian, false, both, u8("KOEO, память"), "Воздух", u8("Проверьте датчик") },
        { UiLanguage::Russian, true, both, u8("KOEO, память"), "Air low", u8("Проверьте датчик") },
        { UiLanguage::English, false, both, "KOEO, memory", "Air low", "" },
        { UiLanguage::English, true, both, "KOEO, memory", "Air low", "" },
        { UiLanguage::Russian, true, russianOnly, "KOER", "Только по-русски", "Check the wiring" },
        { UiLanguage::English, false, russianOnly, "KOER", NoDescription, "Check the wiring" },
    };
    for (const Row& row : rows) {
        const InLanguage language(row.language);
        const FaultCodeShown shown = faultCodeShown(row.code, row.english);
        const QString description
            = row.description ? u8(row.description) : Texts::text(Texts::NoDescription);
        const auto where = [&] { return Languages::code(row.language) + " " + row.code.Mode; };
        EXPECT_EQ(shown.Mode, row.mode) << qPrintable(where());
        EXPECT_EQ(shown.Description, description) << qPrintable(where());
        EXPECT_EQ(shown.Comment, row.comment) << qPrintable(where());
    }
}
