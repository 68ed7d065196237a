#include "common/Errors.h"
#include "support/TempDir.h"
#include "vehicles/FaultCodes.h"

#include <QStringEncoder>

#include <gtest/gtest.h>

namespace {

FaultCodeDictionary parsed(const QStringList& lines)
{
    FaultCodeDictionary codes;
    codes.parse(lines);
    return codes;
}

void expectEntry(const TFaultCode& e, const char* mode, const char* en, const char* ru, const char* comment)
{
    EXPECT_EQ(e.Mode, QString::fromUtf8(mode));
    EXPECT_EQ(e.DescEn, QString::fromUtf8(en));
    EXPECT_EQ(e.DescRu, QString::fromUtf8(ru));
    EXPECT_EQ(e.Comment, QString::fromUtf8(comment));
}

} // namespace

TEST(FaultCodes, OneEntryFillsItsFourFieldsInOrder)
{
    const auto codes = parsed({"12", "KOEO", "English", "Русский", "Note"});
    expectEntry(codes[12], "KOEO", "English", "Русский", "Note");
    expectEntry(codes[11], "", "", "", "");
    expectEntry(codes[999], "", "", "", "");
    expectEntry(codes[0], "", "", "", "");
    expectEntry(codes[1000], "", "", "", "");
}

TEST(FaultCodes, AFifthTextLineClosesTheEntry)
{
    const auto codes = parsed({"12", "m", "e", "r", "c", "fifth", "sixth", "13", "m13"});
    expectEntry(codes[12], "m", "e", "r", "c");
    EXPECT_EQ(codes[13].Mode, "m13");
}

TEST(FaultCodes, NumbersBelow1000StartEntriesAndLargerOnesAreText)
{
    const auto codes = parsed({"12", "m", "e", "r", "100", "m100", "1000", " $1F ", "hexmode"});
    EXPECT_EQ(codes[12].Comment, "");
    expectEntry(codes[100], "m100", "1000", "", "");
    EXPECT_EQ(codes[31].Mode, "hexmode");
}

TEST(FaultCodes, TextBeforeTheFirstNumberAndOfEntriesUpToZeroIsIgnored)
{
    const auto codes = parsed({"stray", "0", "a", "-5", "b", "7", "seven"});
    EXPECT_EQ(codes[7].Mode, "seven");
    EXPECT_EQ(codes[7].DescEn, "");
}

TEST(FaultCodes, BlanksCommentsAndRepeatedEntries)
{
    const auto codes = parsed({" \t 12\t", "  mode  ", "   ", "; comment", "\ten", "", "ru", "c",
                               "12", "mode2"});
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
        EXPECT_TRUE(error.message().startsWith(QStringLiteral("Ошибка чтения файла кодов ошибок codes.txt: ")))
            << error.message().toStdString();
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
