// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// GoogleTest entry point with a Qt application object, so tests may post events,
// run event loops and (in the GUI variant) create widgets offscreen.
#include <gtest/gtest.h>

#ifdef VESKOR_TEST_GUI
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

int main(int argc, char** argv)
{
    // Tests find the built programs and the data files copied beside them here.
    if (qEnvironmentVariableIsEmpty("VESKOR_BIN"))
        qputenv("VESKOR_BIN", VESKOR_BIN_DIR);
    if (qEnvironmentVariableIsEmpty("VESKOR_DATA"))
        qputenv("VESKOR_DATA", VESKOR_BIN_DIR);
#ifdef VESKOR_TEST_GUI
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    ::testing::InitGoogleTest(&argc, argv);
    TestApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
