// SPDX-License-Identifier: GPL-3.0-or-later
// The sound notice: it flashes its label like the menu's screens and stops the exit watch.
#include "common/ui/Units.h"
#include "tests/browser/BrowserFixture.h"
#include "zembra/browser/HighlightPulse.h"
#include "zembra/menus/frmMute.h"

#include <QApplication>

using testing_support::BrowserTest;

namespace {

zembra::frmMute* muteNotice() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* notice = qobject_cast<zembra::frmMute*>(window)) {
            return notice;
        }
    }
    return nullptr;
}

TEST_F(BrowserTest, TheMuteNoticeFlashesItsLabelAndStopsTheExitWatch) {
    zembra::Main& browser = start();
    browser.ToggleMute();
    zembra::frmMute* notice = muteNotice();
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(notice->timhigh.isActive());
    EXPECT_EQ(notice->timhigh.interval(), 150);

    // One pulse of the highlight colour, then an idle tick that leaves the last colour.
    const std::int32_t high = state().scheme.highColour;
    auto text = [&] { return notice->lblMute->palette().color(QPalette::WindowText); };
    for (int tick = 0; tick < 8; ++tick) {
        const QColor before = text();
        notice->onTimhigh();
        if (const auto colour = zembra::pulseColour(tick, high)) {
            EXPECT_EQ(text(), common::colourFromNumber(*colour)) << "tick " << tick;
        } else {
            EXPECT_EQ(text(), before) << "tick " << tick;
        }
    }
    EXPECT_EQ(notice->flashStep(), 0);

    // The browser behind it starts watching for an exit request; the notice stops that.
    browser.deactivated();
    ASSERT_TRUE(browser.timWfExit.isActive());
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(notice, &activate);
    EXPECT_FALSE(browser.timWfExit.isActive());
}

} // namespace
