#include "common/AtomicFile.h"

#include "common/Errors.h"
#include "support/FileSizeLimit.h"
#include "support/TempDir.h"

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
