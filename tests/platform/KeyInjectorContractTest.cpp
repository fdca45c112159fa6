// SPDX-License-Identifier: GPL-3.0-or-later
// What every key injector promises the launch supervision, held against XTest on a virtual
// display and against the fake the window tests use; and the keys XTest sends.
#include "tests/fakes/FakeKeyInjector.h"
#include "tests/support/Contract.h"
#include "tests/support/Waiting.h"
#include "zembra/platform/KeyInjector.h"
#include "zembra/platform/linux/XKeysyms.h"

#include <X11/keysym.h>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
// After the test framework: Xlib's macros (None) collide with its names.
#include <X11/Xlib.h>

namespace {

/// XTest on the display the test runs under, and a window of another client to give the
/// keyboard to.
class RealKeys {
public:
    RealKeys() {
        if (std::getenv("DISPLAY") == nullptr) {
            return;
        }
        // Another program's connection, made first: Xvfb now and then refuses a client that
        // connects just as another leaves (the previous test's), and the injector, unlike this
        // connection, does not try again.
        if (!testing_support::waitUntil([this] { return (other_ = XOpenDisplay(nullptr)); },
                                        std::chrono::seconds(2))) {
            return;
        }
        keys_ = zembra::makeKeyInjector();
        window_ = XCreateSimpleWindow(other_, DefaultRootWindow(other_), 0, 0, 50, 50, 0, 0, 0);
        XSelectInput(other_, window_, StructureNotifyMask);
        XMapWindow(other_, window_);
        XEvent event;
        do {
            XWindowEvent(other_, window_, StructureNotifyMask, &event);
        } while (event.type != MapNotify);
    }
    ~RealKeys() {
        if (other_ != nullptr) {
            closeWindow();
            XCloseDisplay(other_);
        }
    }
    void closeWindow() {
        if (window_ != 0) {
            XDestroyWindow(other_, window_);
            XSync(other_, False);
            window_ = 0;
        }
    }
    RealKeys(const RealKeys&) = delete;
    RealKeys& operator=(const RealKeys&) = delete;

    /// Why this world cannot be had here; empty when it can.
    const char* missing() const {
        return other_ == nullptr ? "needs an X display (ctest runs it under with-display.sh)" : "";
    }
    zembra::KeyInjector& keys() { return *keys_; }
    std::uintptr_t window() const { return window_; }

private:
    std::unique_ptr<zembra::KeyInjector> keys_;
    Display* other_ = nullptr;
    Window window_ = 0;
};

class FakeKeys {
public:
    zembra::KeyInjector& keys() { return fake_; }
    std::uintptr_t window() const { return 4242; }
    void closeWindow() { fake_.focus = 0; }

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
    zembra::KeySequence hold;
    hold.events = {{zembra::kVkControl, true}, {zembra::kVkQ, true}};
    keys.send(hold);
    EXPECT_TRUE(keys.isDown(zembra::kVkControl));
    EXPECT_TRUE(keys.isDown(zembra::kVkQ));
    EXPECT_FALSE(keys.isDown(zembra::kVkEscape));

    keys.send(zembra::escapeTap()); // a tap leaves its key up
    EXPECT_FALSE(keys.isDown(zembra::kVkEscape));
    keys.send(zembra::PressKeySim4()); // clears the keyboard, then taps Enter
    for (const int key : {zembra::kVkControl, zembra::kVkQ, zembra::kVkEnter}) {
        EXPECT_FALSE(keys.isDown(key)) << key;
    }
}

// The end watch asks who has the keyboard: a window of ours, another program's, or nobody once
// the window that had it has closed on a session without a window manager.
TYPED_TEST(KeyInjectorContract, TheWindowGivenTheKeyboardHasItUntilItCloses) {
    zembra::KeyInjector& keys = this->world.keys();
    keys.takeKeyboard(this->world.window());
    EXPECT_EQ(keys.keyboardWindow(), this->world.window());
    this->world.closeWindow();
    EXPECT_EQ(keys.keyboardWindow(), 0u);
}

TEST(KeyInjector, VirtualKeysMapToTheirKeysyms) {
    const std::pair<int, unsigned long> rows[] = {
        {27, XK_Escape}, {40, XK_Down},      {81, XK_q}, {57, XK_9},
        {113, XK_F2},    {17, XK_Control_L}, {0, 0},     {255, 0},
    };
    for (const auto& [key, keysym] : rows) {
        EXPECT_EQ(zembra::keysymForVirtualKey(key), keysym) << key;
    }
}

} // namespace
