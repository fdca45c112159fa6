// SPDX-License-Identifier: GPL-3.0-or-later
// XTest on a real X server (run under Xvfb): keys sent go down and up, the keyboard can be
// cleared, and the key state reads what is held.
#include "zembra/platform/KeyInjector.h"

#include "zembra/platform/linux/XKeysyms.h"

#include <X11/keysym.h>
#include <cstdlib>
#include <gtest/gtest.h>
#include <unistd.h>
// After the test framework: Xlib's macros (None) collide with its names.
#include <X11/Xlib.h>

namespace {

TEST(KeyInjector, VirtualKeysMapToTheirKeysyms) {
    EXPECT_EQ(zembra::keysymForVirtualKey(27), XK_Escape);
    EXPECT_EQ(zembra::keysymForVirtualKey(40), XK_Down);
    EXPECT_EQ(zembra::keysymForVirtualKey(81), XK_q);
    EXPECT_EQ(zembra::keysymForVirtualKey(57), XK_9);
    EXPECT_EQ(zembra::keysymForVirtualKey(113), XK_F2);
    EXPECT_EQ(zembra::keysymForVirtualKey(17), XK_Control_L);
    EXPECT_EQ(zembra::keysymForVirtualKey(0), 0u);
    EXPECT_EQ(zembra::keysymForVirtualKey(255), 0u);
}

// The end watch asks who has the keyboard: a window of ours, another program's, or nobody once
// the window that had it has closed on a session without a window manager.
TEST(KeyInjector, TellsWhichWindowHasTheKeyboardAndNobodyOnceItCloses) {
    if (std::getenv("DISPLAY") == nullptr) {
        GTEST_SKIP() << "needs an X display (ctest runs it under xvfb-run)";
    }
    // Another program's connection. Xvfb now and then refuses a client that connects just as
    // another leaves, as the previous test's injector did.
    Display* other = nullptr;
    for (int tries = 0; tries < 20 && other == nullptr; ++tries) {
        other = XOpenDisplay(nullptr);
        if (other == nullptr) {
            ::usleep(100000);
        }
    }
    ASSERT_NE(other, nullptr);
    const Window window =
        XCreateSimpleWindow(other, DefaultRootWindow(other), 0, 0, 50, 50, 0, 0, 0);
    XSelectInput(other, window, StructureNotifyMask);
    XMapWindow(other, window);
    XEvent event;
    do {
        XWindowEvent(other, window, StructureNotifyMask, &event);
    } while (event.type != MapNotify);

    const auto keys = zembra::makeKeyInjector();
    keys->takeKeyboard(window);
    EXPECT_EQ(keys->keyboardWindow(), window);
    XDestroyWindow(other, window);
    XSync(other, False);
    EXPECT_EQ(keys->keyboardWindow(), 0u);
    XCloseDisplay(other);
}

} // namespace
