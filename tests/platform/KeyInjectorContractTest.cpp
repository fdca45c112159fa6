// SPDX-License-Identifier: GPL-3.0-or-later
// What every key injector promises the launch supervision, held against XTest on a virtual
// display and against the fake the window tests use; and the keys XTest sends. Who has the
// keyboard, before and after a game's window closes, is driven end to end by the launch run.
#include "tests/fakes/FakeKeyInjector.h"
#include "tests/support/Contract.h"
#include "tests/support/Waiting.h"
#include "zembra/platform/KeyInjector.h"
#include "zembra/platform/linux/XKeysyms.h"

#include <X11/keysym.h>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <vector>
// After the test framework: Xlib's macros (None) collide with its names.
#include <X11/Xlib.h>

namespace {

/// XTest on the display the test runs under.
class RealKeys {
public:
    RealKeys() {
        // Another program's connection, made first: Xvfb now and then refuses a client that
        // connects just as another leaves (the previous test's), and the injector, unlike this
        // connection, does not try again.
        if (std::getenv("DISPLAY") != nullptr &&
            testing_support::waitUntil([this] { return (other_ = XOpenDisplay(nullptr)); },
                                       std::chrono::seconds(2)))
            keys_ = zembra::makeKeyInjector();
    }
    ~RealKeys() {
        if (other_ != nullptr)
            XCloseDisplay(other_);
    }
    RealKeys(const RealKeys&) = delete;
    RealKeys& operator=(const RealKeys&) = delete;

    /// Why this world cannot be had here; empty when it can.
    const char* missing() const {
        return other_ == nullptr ? "needs an X display (ctest runs it under with-display.sh)" : "";
    }
    zembra::KeyInjector& keys() { return *keys_; }

private:
    std::unique_ptr<zembra::KeyInjector> keys_;
    Display* other_ = nullptr;
};

class FakeKeys {
public:
    zembra::KeyInjector& keys() { return fake_; }

private:
    testing_fakes::FakeKeyInjector fake_;
};

template <typename World>
using KeyInjectorContract = testing_support::Contract<World>;

using Injectors = ::testing::Types<RealKeys, FakeKeys>;
TYPED_TEST_SUITE(KeyInjectorContract, Injectors);

// The exit watch reads the Exit key while an emulator is in front, and the keys sent to an
// emulator must not stay down after it.
TYPED_TEST(KeyInjectorContract, KeysSentGoDownAndUpAndClearingReleasesThem) {
    zembra::KeyInjector& keys = this->world.keys();
    // Which of Control, Q, Escape and Enter are down.
    const auto down = [&keys] {
        std::vector<bool> held;
        for (const int key :
             {zembra::kVkControl, zembra::kVkQ, zembra::kVkEscape, zembra::kVkEnter})
            held.push_back(keys.isDown(key));
        return held;
    };
    zembra::KeySequence hold;
    hold.events = {{zembra::kVkControl, true}, {zembra::kVkQ, true}};
    keys.send(hold);
    EXPECT_EQ(down(), (std::vector{true, true, false, false}));
    keys.send(zembra::escapeTap()); // a tap leaves its key up
    EXPECT_EQ(down(), (std::vector{true, true, false, false}));
    keys.send(zembra::PressKeySim4()); // clears the keyboard, then taps Enter
    EXPECT_EQ(down(), (std::vector{false, false, false, false}));
}

TEST(KeyInjector, VirtualKeysMapToTheirKeysyms) {
    const std::pair<int, unsigned long> rows[] = {
        {27, XK_Escape}, {40, XK_Down},      {81, XK_q}, {57, XK_9},
        {113, XK_F2},    {17, XK_Control_L}, {0, 0},     {255, 0},
    };
    for (const auto& [key, keysym] : rows)
        EXPECT_EQ(zembra::keysymForVirtualKey(key), keysym) << key;
}

} // namespace
