#include "common/TextFile.h"

#include <gtest/gtest.h>

TEST(TextFile, ByteOrderMarksPickTheEncoding)
{
    const QStringList expected { QStringLiteral("Привет"), QStringLiteral("b") };
    EXPECT_EQ(decodeTextLines(QByteArray("\xEF\xBB\xBF") + QStringLiteral("Привет\nb").toUtf8()),
        expected);

    QByteArray le("\xFF\xFE");
    for (QChar c : QStringLiteral("Привет\r\nb"))
        le.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    EXPECT_EQ(decodeTextLines(le), expected);

    QByteArray be("\xFE\xFF");
    for (QChar c : QStringLiteral("Привет\rb"))
        be.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
    EXPECT_EQ(decodeTextLines(be), expected);
}

TEST(TextFile, WithoutMarkBytesAreWindows1251)
{
    EXPECT_EQ(decodeTextLines("\xCF\xF0\xE8\xE2\xE5\xF2\r\nb"),
        (QStringList { QStringLiteral("Привет"), QStringLiteral("b") }));
}

TEST(TextFile, EveryLineEndCountsAndAFinalOneAddsNoLine)
{
    const QByteArray mixed
        = QByteArray("\xEF\xBB\xBF") + QStringLiteral("a\rb\nc\r\nd\u2028e\r\n\r\n").toUtf8();
    EXPECT_EQ(decodeTextLines(mixed), (QStringList { "a", "b", "c", "d", "e", "" }));
    EXPECT_EQ(decodeTextLines("x"), QStringList { "x" });
    EXPECT_TRUE(decodeTextLines("").isEmpty());
}

TEST(TextFile, NulEndsTheText)
{
    EXPECT_EQ(decodeTextLines(QByteArray("a\nb\0c\nd", 7)), (QStringList { "a", "b" }));
}

TEST(TextFile, MissingFileRaisesAnError)
{
    EXPECT_ANY_THROW(readTextFile(QStringLiteral("/nonexistent/dir/codes.txt")));
}
