// SPDX-License-Identifier: GPL-3.0-or-later
// The sound notice: its words, its label flashing like the menu's screens, and the exit watch.
#include "common/ui/Units.h"
#include "tests/browser/BrowserFixture.h"
#include "tests/launcher/SupervisorAccess.h"
#include "zembra/browser/HighlightPulse.h"
#include "zembra/browser/frmMute.h"

using testing_support::BrowserTest;

namespace {

TEST_F(BrowserTest, TheMuteNoticeFlashesItsLabelAndStopsTheExitWatch) {
    zembra::Main& browser = start();
    browser.ToggleMute();
    auto* notice = shownWindow<zembra::frmMute>();
    ASSERT_NE(notice, nullptr);
    testing_support::MuteAccess parts{*notice};
    EXPECT_EQ(parts.lblMute()->text(), "Sound Fx Are Off");
    EXPECT_TRUE(parts.timexit().isActive());

    // One pulse of the highlight colour: seven colours, then an idle tick.
    auto text = [&] { return parts.lblMute()->palette().color(QPalette::WindowText); };
    for (int tick = 0; tick < 8; ++tick) {
        const QColor before = text();
        notice->onTimhigh();
        const auto colour = zembra::pulseColour(tick, state().scheme.highColour);
        EXPECT_EQ(text(), colour ? common::colourFromNumber(*colour) : before) << tick;
    }

    browser.deactivated(); // the browser behind starts watching for an exit request
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(notice, &activate);
    EXPECT_FALSE(testing_support::supervision(browser).timWfExit().isActive());
}

} // namespace
