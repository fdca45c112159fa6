// SPDX-License-Identifier: GPL-3.0-or-later
// What every display mode promises the browser, held against XRandR on a virtual display and
// against the fake the window tests use.
#include "tests/fakes/FakeDisplayMode.h"
#include "tests/support/Contract.h"
#include "zembra/platform/DisplayMode.h"

#include <QGuiApplication>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

namespace {

/// XRandR on the X display the test runs under (800 x 600, its only mode).
class XWorld {
public:
    XWorld() : display_(zembra::makeDisplayMode()) {}
    const char* missing() const {
        return QGuiApplication::platformName() == QLatin1String("xcb")
                   ? ""
                   : "needs an X display (ctest runs it under with-display.sh)";
    }
    zembra::DisplayMode& display() { return *display_; }

private:
    std::unique_ptr<zembra::DisplayMode> display_;
};

class FakeWorld {
public:
    zembra::DisplayMode& display() { return fake_; }

private:
    testing_fakes::FakeDisplayMode fake_{800, 600};
};

template <typename World>
using DisplayModeContract = testing_support::Contract<World>;

using Displays = ::testing::Types<XWorld, FakeWorld>;
TYPED_TEST_SUITE(DisplayModeContract, Displays);

// quarn.ini's run and exit sizes are whatever the owner typed: a size no screen has is let go,
// and the screen keeps the size it had.
TYPED_TEST(DisplayModeContract, TheCurrentSizeStaysAndASizeNoScreenHasChangesNothing) {
    zembra::DisplayMode& display = this->world.display();
    ASSERT_EQ(display.desktopWidth(), 800);
    ASSERT_EQ(display.desktopHeight(), 600);
    const float rows[][4] = {
        {800, 600, 32, 60}, {800.4f, 599.6f, 0, 0},  {0, 0, 0, 0},         {-800, 600, 24, 60},
        {NAN, 600, 32, 60}, {800, INFINITY, 32, 60}, {800, 600, NAN, NAN},
    };
    for (const auto& row : rows) {
        display.ChangeRes(row[0], row[1], row[2], row[3]);
        EXPECT_EQ(display.desktopWidth(), 800) << row[0] << "x" << row[1];
        EXPECT_EQ(display.desktopHeight(), 600) << row[0] << "x" << row[1];
    }
}

} // namespace
