// SPDX-License-Identifier: GPL-3.0-or-later
// The tests' view of the browser's and the sound notice's elements and timers, which they keep
// to themselves.
#pragma once

#include "zembra/browser/Main.h"
#include "zembra/browser/frmMute.h"

namespace testing_support {

struct BrowserAccess {
    zembra::Main& browser;

    // The list view.
    std::vector<QLabel*>& ll() { return browser.list().ll; }
    std::vector<common::PictureElement*>& xlist() { return browser.list().xlist; }

    // The artwork panel.
    common::PictureElement* xMarquee() { return browser.artwork().xMarquee; }
    common::PictureElement* xScreen() { return browser.artwork().xScreen; }
    common::PictureElement* xFlyer() { return browser.artwork().xFlyer; }

    // The held moves.
    QTimer& timdown() { return browser.moves().timdown; }

    // The window's own.
    QTimer& Timer1() { return browser.Timer1; } // the benchmark runs the start-up itself
    QTimer& timjoy() { return browser.timjoy; }
    QTimer& timscroller() { return browser.timscroller; }
    QLabel* lblPath() { return browser.lblPath; }
    QTimer& timfx() { return browser.timfx; }
    QLabel* notice() { return browser.notice; }
};

inline BrowserAccess parts(zembra::Main& browser) {
    return {browser};
}

struct MuteAccess {
    zembra::frmMute& notice;

    QTimer& timexit() { return notice.timexit; }
    QLabel* lblMute() { return notice.lblMute; }
};

} // namespace testing_support
