// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "common/TextFile.h"

#include "common/Errors.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

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

// A file that cannot be read is told in the program's language with the reason, never in
// Qt's English.
TEST(TextFile, AnUnreadableFileSaysWhyInRussian)
{
    const QTemporaryDir dir;
    const QString locked = dir.filePath("locked.txt");
    QFile(locked).open(QIODevice::WriteOnly);
    QFile::setPermissions(locked, QFileDevice::Permissions());
    const struct {
        QString path;
        const char* reason;
    } cases[] = {
        { "/nonexistent/dir/codes.txt", "файл не найден" },
        { dir.path(), "это папка, а не файл" },
        { locked, "нет доступа" },
    };
    for (const auto& c : cases) {
        if (c.path == locked && ::geteuid() == 0)
            continue; // root reads any file
        try {
            readTextFile(c.path);
            ADD_FAILURE() << qPrintable(c.path);
        } catch (const VeskorError& e) {
            EXPECT_EQ(e.message().toStdString(),
                ("Не удалось открыть " + c.path + ": " + QString::fromUtf8(c.reason))
                    .toStdString());
        }
    }
}
