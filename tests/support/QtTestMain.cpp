// SPDX-License-Identifier: GPL-3.0-or-later
// The main of the window tests: one QApplication on the offscreen platform, then the tests.
#include <QApplication>
#include <cstdlib>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Tests never need a real screen; a display in the environment must not be used.
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
