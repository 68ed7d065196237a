// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "link/serial/PortAccess.h"

#include "common/ScaledClock.h"
#include "common/Texts.h"
#include "link/serial/PosixSerialPort.h"
#include "support/TempDir.h"

#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <grp.h>
#include <gtest/gtest.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

TEST(PortAccess, OnlyADeniedOpenNamesTheGroupAndANewLogin)
{
    const QString port = QStringLiteral("/dev/ttyUSB0");
    const QString text = openDeniedText(port, EACCES, QStringLiteral("uucp"));
    EXPECT_TRUE(text.contains(port)) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("usermod -aG uucp $USER"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("войдите в систему заново")));
    // One sentence: a single full stop, at the end.
    EXPECT_EQ(text.count(u'.'), 1);
    EXPECT_TRUE(text.endsWith(u'.'));

    // No group to name: still the device and the new login, no usermod of nothing.
    const QString noGroup = openDeniedText(port, EACCES, QString());
    EXPECT_TRUE(noGroup.contains(port));
    EXPECT_FALSE(noGroup.contains(QStringLiteral("usermod")));
    EXPECT_TRUE(noGroup.contains(QStringLiteral("войдите в систему заново")));

    // Other failures keep the system's reason.
    for (const int other : { ENOENT, EBUSY, EIO, EPERM, ENXIO, 0 })
        EXPECT_TRUE(openDeniedText(port, other, QStringLiteral("dialout")).isEmpty()) << other;
}

TEST(PortAccess, TheGroupIsTheDeviceFilesOwnerWhenItMayReadAndWrite)
{
    TempDir dir;
    const QString device = dir.write(QStringLiteral("ttyUSB0"), {});
    const QByteArray path = QFile::encodeName(device);
    const group* dialout = getgrnam("dialout");
    if (!dialout || chown(path.constData(), uid_t(-1), dialout->gr_gid) != 0)
        GTEST_SKIP() << "cannot give the file to the group dialout";
    ASSERT_EQ(chmod(path.constData(), 0660), 0);
    EXPECT_EQ(deviceAccessGroup(device), QStringLiteral("dialout"));
    // Membership would not help: the group may only read, or it is root's group.
    ASSERT_EQ(chmod(path.constData(), 0640), 0);
    EXPECT_EQ(deviceAccessGroup(device), QString());
    ASSERT_EQ(chmod(path.constData(), 0660), 0);
    if (chown(path.constData(), uid_t(-1), 0) == 0) {
        EXPECT_EQ(deviceAccessGroup(device), QString());
    }
    EXPECT_EQ(deviceAccessGroup(dir.file(QStringLiteral("no-such-device"))), QString());
}

// The device file's group may use it, its owner and everyone else may not: neither root
// (which opens any file, so a child process gives up root first) nor the file's owner
// can open it, and the message names the file's group.
TEST(PortAccessDeathTest, ADeniedOpenOfThePortSaysWhichGroupToJoin)
{
    // The child starts afresh rather than forking a process that runs threads.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    TempDir dir;
    const QString device = dir.write(QStringLiteral("ttyUSB0"), {});
    const QByteArray path = QFile::encodeName(device);
    const bool root = geteuid() == 0;
    const group* dialout = getgrnam("dialout");
    if (root && (!dialout || chown(path.constData(), uid_t(-1), dialout->gr_gid) != 0))
        GTEST_SKIP() << "cannot give the file to the group dialout";
    ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    ASSERT_EQ(chmod(path.constData(), 0060), 0);
    const QString group = deviceAccessGroup(device);
    if (group.isEmpty())
        GTEST_SKIP() << "the file's group is root's";
    const auto openAsStranger = [&] {
        if (root && (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0))
            std::_Exit(3);
        ScaledClock clock(0.1);
        SerialConfig config;
        config.Name = device;
        PosixSerialPort port(config, clock);
        try {
            port.open();
        } catch (const SerialError& error) {
            std::fprintf(stderr, "%s\n", error.message().toUtf8().constData());
            std::_Exit(0);
        }
        std::_Exit(1);
    };
    EXPECT_EXIT(
        openAsStranger(), ::testing::ExitedWithCode(0), "usermod -aG " + group.toStdString() + " ");
}

// Every failure of the port says first what to do, by the stage and the system's error;
// the log line adds the system's words after it.
TEST(PortAccess, EachFailureSaysWhatToDoFirst)
{
    struct Case {
        const char* what;
        int error;
        const char* advice;
    };
    const QString port = QStringLiteral("/dev/ttyUSB0");
    for (const Case& c : {
             Case { "open", ENOENT, Texts::PortNotFound },
             Case { "open", ENODEV, Texts::PortNotFound },
             Case { "open", ENXIO, Texts::PortNotFound },
             Case { "open", EBUSY, Texts::PortBusy },
             Case { "open", EIO, Texts::PortFailed },
             Case { "tcgetattr", ENOTTY, Texts::PortNotSerial },
             Case { "tcsetattr", EINVAL, Texts::PortNotSerial },
             Case { "read", EIO, Texts::PortGone },
             Case { "write", ENXIO, Texts::PortGone },
             Case { "poll", ENOMEM, Texts::PortFailed },
         }) {
        EXPECT_EQ(portFailureText(port, c.what, c.error), Texts::text(c.advice).arg(port))
            << c.what << ' ' << c.error;
    }
    // A denied open names the fix, whatever the device's group.
    EXPECT_TRUE(portFailureText(port, "open", EACCES).startsWith("Нет доступа к порту " + port));

    struct Line {
        const char* name;
        SerialError error;
        QString expected;
    };
    for (const Line& l :
        {
            Line { "advice and detail",
                SerialError(Texts::text(Texts::PortNotFound).arg(port),
                    QStringLiteral("ttyUSB0 (open): No such file or directory")),
                Texts::text(Texts::PortNotFound).arg(port)
                    + ". Подробности: ttyUSB0 (open): No such file or directory" },
            Line { "an advice of one sentence loses its full stop",
                SerialError(QStringLiteral("Нет доступа к порту X: войдите заново."),
                    QStringLiteral("X (open): Permission denied")),
                "Нет доступа к порту X: войдите заново. Подробности: X (open): Permission denied" },
            Line { "a message alone", SerialError(QStringLiteral("write failed")),
                "Ошибка порта: write failed" },
        }) {
        EXPECT_EQ(portErrorLine(l.error, Texts::LogPortError), l.expected) << l.name;
    }
    EXPECT_EQ(portErrorDetail(SerialError(QStringLiteral("a"), QStringLiteral("b"))), "b");
    EXPECT_EQ(portErrorDetail(SerialError(QStringLiteral("a"))), "a");
    EXPECT_EQ(portErrorDetail(std::runtime_error("c")), "c");
}
