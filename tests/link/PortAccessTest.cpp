#include "link/serial/PortAccess.h"

#include "common/ScaledClock.h"
#include "link/serial/PosixSerialPort.h"
#include "support/TempDir.h"

#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <grp.h>
#include <gtest/gtest.h>
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

// Root opens any file, so a child process gives up root before opening the port.
TEST(PortAccessDeathTest, ADeniedOpenOfThePortSaysWhichGroupToJoin)
{
    // The child starts afresh rather than forking a process that runs threads.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    TempDir dir;
    const QString device = dir.write(QStringLiteral("ttyUSB0"), {});
    const QByteArray path = QFile::encodeName(device);
    const group* dialout = getgrnam("dialout");
    if (!dialout || chown(path.constData(), uid_t(-1), dialout->gr_gid) != 0
        || chmod(QFile::encodeName(dir.path()).constData(), 0755) != 0)
        GTEST_SKIP() << "cannot give the file to the group dialout";
    ASSERT_EQ(chmod(path.constData(), 0660), 0);
    const auto openAsStranger = [&] {
        if (geteuid() == 0
            && (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0))
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
    EXPECT_EXIT(openAsStranger(), ::testing::ExitedWithCode(0), "usermod -aG dialout");
}
