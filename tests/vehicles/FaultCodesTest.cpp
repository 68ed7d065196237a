// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "vehicles/FaultCodes.h"

#include "common/Errors.h"
#include "support/TempDir.h"

#include <QFile>
#include <QStringEncoder>
#include <gtest/gtest.h>

namespace {

FaultCodeDictionary parsed(const QStringList& lines)
{
    FaultCodeDictionary codes;
    codes.parse(lines);
    return codes;
}

QString u8(const char* s)
{
    return QString::fromUtf8(s);
}

void expectEntry(
    const TFaultCode& e, const char* mode, const char* en, const char* ru, const char* comment)
{
    EXPECT_EQ(e.Mode, QString::fromUtf8(mode));
    EXPECT_EQ(e.DescEn, QString::fromUtf8(en));
    EXPECT_EQ(e.DescRu, QString::fromUtf8(ru));
    EXPECT_EQ(e.Comment, QString::fromUtf8(comment));
}

} // namespace

TEST(FaultCodes, OneEntryFillsItsFourFieldsInOrder)
{
    const auto codes = parsed({ "12", "KOEO", "English", "Русский", "Note" });
    expectEntry(codes[12], "KOEO", "English", "Русский", "Note");
    expectEntry(codes[11], "", "", "", "");
    expectEntry(codes[999], "", "", "", "");
    expectEntry(codes[0], "", "", "", "");
    expectEntry(codes[1000], "", "", "", "");
}

TEST(FaultCodes, AFifthTextLineClosesTheEntry)
{
    const auto codes = parsed({ "12", "m", "e", "r", "c", "fifth", "sixth", "13", "m13" });
    expectEntry(codes[12], "m", "e", "r", "c");
    EXPECT_EQ(codes[13].Mode, "m13");
}

TEST(FaultCodes, NumbersBelow1000StartEntriesAndLargerOnesAreText)
{
    const auto codes = parsed({ "12", "m", "e", "r", "100", "m100", "1000", " $1F ", "hexmode" });
    EXPECT_EQ(codes[12].Comment, "");
    expectEntry(codes[100], "m100", "1000", "", "");
    EXPECT_EQ(codes[31].Mode, "hexmode");
}

TEST(FaultCodes, TextBeforeTheFirstNumberAndOfEntriesUpToZeroIsIgnored)
{
    const auto codes = parsed({ "stray", "0", "a", "-5", "b", "7", "seven" });
    EXPECT_EQ(codes[7].Mode, "seven");
    EXPECT_EQ(codes[7].DescEn, "");
}

TEST(FaultCodes, BlanksCommentsAndRepeatedEntries)
{
    const auto codes = parsed(
        { " \t 12\t", "  mode  ", "   ", "; comment", "\ten", "", "ru", "c", "12", "mode2" });
    expectEntry(codes[12], "mode2", "en", "ru", "c");
}

TEST(FaultCodes, AnsiUtf8AndUtf16FilesGiveTheSameDictionary)
{
    TempDir dir;
    const QString text = QStringLiteral("112\r\nKOEO\r\nACT low\r\nДатчик\r\nСовет\r\n");
    QStringEncoder ansi("windows-1251");
    QStringEncoder utf16(QStringEncoder::Utf16LE);
    const QByteArray variants[] = {
        QByteArray(ansi(text)),
        QByteArray("\xEF\xBB\xBF") + text.toUtf8(),
        QByteArray("\xFF\xFE") + QByteArray(utf16(text)),
    };
    for (const QByteArray& bytes : variants) {
        FaultCodeDictionary codes;
        codes.load(dir.write("codes.txt", bytes));
        expectEntry(codes[112], "KOEO", "ACT low", "Датчик", "Совет");
    }
}

TEST(FaultCodes, AMissingFileRaisesItsMessageAndLeavesTheDictionaryEmpty)
{
    FaultCodeDictionary codes;
    try {
        codes.load("/nonexistent/codes.txt");
        FAIL() << "no error";
    } catch (const VeskorError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("Не найден файл кодов ошибок codes.txt!"));
    }
    EXPECT_EQ(codes[112].Mode, "");
}

TEST(FaultCodes, AnUnreadableFileRaisesTheReadMessage)
{
    TempDir dir;
    FaultCodeDictionary codes;
    try {
        codes.load(dir.path()); // a directory exists but cannot be read as a file
        FAIL() << "no error";
    } catch (const VeskorError& error) {
        EXPECT_TRUE(error.message().startsWith(
            QStringLiteral("Ошибка чтения файла кодов ошибок codes.txt: ")))
            << error.message().toStdString();
    }
}

TEST(FaultCodes, AFileThatYieldsNoCodeOrStopsEarlyIsTold)
{
    TempDir dir;
    const QByteArray entry = "\xEF\xBB\xBF; codes\r\n112\r\nKOEO\r\nACT low\r\n";
    const QByteArray after = "\r\n113\r\nKOEO\r\nACT high\r\n";
    QStringEncoder utf16(QStringEncoder::Utf16LE);
    const QString utf16Text
        = QStringLiteral("112\nKOEO\n") + QChar(0) + QStringLiteral("\n113\nKOEO\n");
    const struct {
        QByteArray bytes;
        QStringList problems;
        int lastCode; // the last code read, 0 for none
    } cases[] = {
        { QByteArray(), { u8("В файле кодов ошибок codes.txt нет ни одного кода: файл пуст") }, 0 },
        { "\xEF\xBB\xBF", { u8("В файле кодов ошибок codes.txt нет ни одного кода: файл пуст") },
            0 },
        { "garbage\n1000\n\xFF\xFE\x01 text\n",
            { u8("В файле кодов ошибок codes.txt нет ни одного кода: ни одна из 3 строк не номер "
                 "кода с текстами") },
            0 },
        { "12\n\n;only numbers\n13\n",
            { u8("В файле кодов ошибок codes.txt нет ни одного кода: ни одна из 4 строк не номер "
                 "кода с текстами") },
            0 },
        { entry + "\xD0\x94\xD0" + '\0' + "\x90\xD1\x82" + after,
            { u8("Файл кодов ошибок codes.txt прочитан не до конца: символ NUL в строке 5, не "
                 "прочитано строк: 3") },
            112 },
        { QByteArray("\xFF\xFE") + QByteArray(utf16(utf16Text)),
            { u8("Файл кодов ошибок codes.txt прочитан не до конца: символ NUL в строке 3, не "
                 "прочитано строк: 2") },
            112 },
        { QByteArray(1, '\0') + "112\nKOEO\n",
            { u8("В файле кодов ошибок codes.txt нет ни одного кода: ни одна из 0 строк не номер "
                 "кода с текстами"),
                u8("Файл кодов ошибок codes.txt прочитан не до конца: символ NUL в строке 1, не "
                   "прочитано строк: 1") },
            0 },
        { entry + after, {}, 113 },
    };
    for (const auto& c : cases) {
        FaultCodeDictionary codes;
        const QStringList problems = codes.load(dir.write("codes.txt", c.bytes));
        EXPECT_EQ(problems, c.problems) << problems.join('|').toStdString();
        EXPECT_EQ(codes[112].Mode.isEmpty(), c.lastCode < 112) << c.bytes.toHex().toStdString();
        EXPECT_EQ(codes[113].Mode.isEmpty(), c.lastCode < 113) << c.bytes.toHex().toStdString();
    }
}

TEST(FaultCodes, ASymbolicLinkLoopIsToldAsSuchNotAsAMissingFile)
{
    TempDir dir;
    const QString loop = dir.file("codes.txt");
    ASSERT_TRUE(QFile::link(loop, loop));
    try {
        FaultCodeDictionary codes;
        codes.load(loop);
        FAIL() << "no error";
    } catch (const VeskorError& error) {
        EXPECT_EQ(error.message(),
            u8("Ошибка чтения файла кодов ошибок codes.txt: цикл символических ссылок"));
    }
    const QString dangling = dir.file("dangling.txt");
    ASSERT_TRUE(QFile::link(dir.file("nowhere.txt"), dangling));
    try {
        FaultCodeDictionary codes;
        codes.load(dangling);
        FAIL() << "no error";
    } catch (const VeskorError& error) {
        EXPECT_TRUE(error.message().contains(u8("ссылка ведёт к несуществующему файлу")))
            << error.message().toStdString();
        EXPECT_TRUE(error.message().contains("nowhere.txt")) << error.message().toStdString();
    }
}

TEST(FaultCodes, TheShippedFileDescribesEveryCodeFully)
{
    FaultCodeDictionary codes;
    codes.load(qEnvironmentVariable("VESKOR_DATA") + "/codes.txt");
    int described = 0;
    for (int n = 1; n <= FaultCodeDictionary::MaxCode; ++n) {
        const TFaultCode& e = codes[n];
        if (e.Mode.isEmpty())
            continue;
        ++described;
        EXPECT_FALSE(e.DescEn.isEmpty()) << n;
        EXPECT_FALSE(e.DescRu.isEmpty()) << n;
        EXPECT_FALSE(e.Comment.isEmpty()) << n;
    }
    EXPECT_GE(described, 50);
    EXPECT_EQ(codes[111].DescEn, "System pass");
}

TEST(FaultCodes, TheShippedFileCoversTwoAndThreeDigitCodesWithTheirPublicModes)
{
    FaultCodeDictionary codes;
    EXPECT_TRUE(codes.load(QStringLiteral(VESKOR_DATA_SOURCE_DIR "/codes.txt")).isEmpty());
    int twoDigit = 0;
    int threeDigit = 0;
    for (int n = 1; n <= FaultCodeDictionary::MaxCode; ++n) {
        if (!codes[n].Mode.isEmpty())
            ++(n < 100 ? twoDigit : threeDigit);
    }
    EXPECT_GE(twoDigit, 45);
    EXPECT_GE(threeDigit, 100);
    for (int n : { 11, 12, 13, 15, 19, 21, 22, 23, 24, 25, 29, 31, 33, 35, 41, 42, 98 })
        EXPECT_FALSE(codes[n].DescRu.isEmpty()) << n;
    // Continuous memory only, and KOEO with continuous memory.
    EXPECT_EQ(codes[157].Mode, u8("память"));
    EXPECT_EQ(codes[158].Mode, u8("KOEO, память"));
    EXPECT_EQ(codes[11].Mode, u8("KOEO, KOER, память"));
    EXPECT_EQ(codes[12].Mode, "KOER");
    EXPECT_EQ(codes[111].DescEn, "System pass");
}
