// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "common/AtomicFile.h"

#include "common/Errors.h"
#include "support/FileSizeLimit.h"
#include "support/TempDir.h"

#include <QImage>
#include <gtest/gtest.h>

TEST(AtomicFile, AFailedWriteLeavesTheOldFileWhole)
{
    TempDir dir;
    const QString path = dir.file("reader.ini");
    writeFileAtomically(path, "old contents\n");
    // Both a write that fits Qt's buffer and one that doesn't must fail whole.
    for (const qsizetype size : { 1000, 100000 }) {
        bool raised = false;
        {
            FileSizeLimit limit(100);
            try {
                writeFileAtomically(path, QByteArray(size, 'x'));
            } catch (const VeskorError& e) {
                raised = true;
                EXPECT_TRUE(e.message().contains(path));
            }
        }
        EXPECT_TRUE(raised) << size;
        EXPECT_EQ(dir.read("reader.ini"), "old contents\n") << size;
    }
    writeFileAtomically(path, "new\n");
    EXPECT_EQ(dir.read("reader.ini"), "new\n");
}

TEST(AtomicFile, AnImageArrivesWholeOrNotAtAll)
{
    TempDir dir;
    const QString path = dir.file("page.png");
    QImage image(64, 32, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    writeImageAtomically(path, image);
    const QByteArray first = dir.read("page.png");
    EXPECT_EQ(QImage(path).pixel(5, 5), image.pixel(5, 5));

    image = QImage(640, 480, QImage::Format_RGB32);
    image.fill(Qt::red);
    {
        FileSizeLimit limit(first.size() + 10);
        EXPECT_THROW(writeImageAtomically(path, image), VeskorError);
    }
    EXPECT_EQ(dir.read("page.png"), first);
}
