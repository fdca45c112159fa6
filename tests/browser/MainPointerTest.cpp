// SPDX-License-Identifier: GPL-3.0-or-later
// The browser's pointer and launch guards: clicks, double clicks, right-button drags, and an
// empty list that never starts a game.
#include "tests/browser/BrowserFixture.h"

#include <QMouseEvent>
#include <algorithm>

using testing_support::BrowserTest;

namespace {

void send(QWidget* target, QEvent::Type type, Qt::MouseButton button) {
    const QPointF at = QRectF(target->rect()).center();
    QMouseEvent event(type, at, target->mapToGlobal(at), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button),
                      Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

/// What a double click delivers: press, release, double click, release.
void doubleClick(QWidget* target) {
    for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                            QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease})
        send(target, type, Qt::LeftButton);
}

TEST_F(BrowserTest, ADoubleClickLaunchesOnceAndOnlyTheLeftButtonClicks) {
    zembra::Main& browser = start();
    const auto mid = static_cast<std::size_t>(state().midIndex);
    // A right press toggles the drag, a quick second one too; neither moves nor launches.
    QLabel* below = parts(browser).ll().at(mid + 3);
    for (const auto type :
         {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick}) {
        send(below, type, Qt::RightButton);
    }
    EXPECT_TRUE(parts(browser).timscroller().isActive());
    send(below, QEvent::MouseButtonRelease, Qt::RightButton);
    EXPECT_EQ(state().list1.index(), 4);

    doubleClick(parts(browser).ll().at(mid + 2));
    ASSERT_EQ(launcher->calls.size(), 1u);
    EXPECT_TRUE(std::ranges::count(launcher->calls[0].arguments, "g07") == 1);
    EXPECT_EQ(state().list1.index(), 6); // the trailing release moved nothing

    writeSkin("\"snap\"", 1, "900,200,4800,1200", "1000,1000", 0);
    zembra::Main& strip = restart();
    ASSERT_EQ(state().midIndex, 2);
    send(parts(strip).xlist().at(3), QEvent::MouseButtonRelease, Qt::RightButton);
    EXPECT_EQ(state().list1.index(), 4);
    doubleClick(parts(strip).xlist().at(3));
    EXPECT_TRUE(std::ranges::count(launcher->calls.at(0).arguments, "g06") == 1);
    EXPECT_EQ(state().list1.index(), 5);
}

TEST_F(BrowserTest, AnEmptyListStartsNothingAndTheNextStartRestoresTheSavedPath) {
    scanFirst = false; // no list files
    zembra::Main& browser = start();
    ASSERT_EQ(row(browser, state().midIndex), "No Roms Found, check your Quarn.ini");
    browser.keyDown(kSelect, false);
    doubleClick(parts(browser).ll().at(static_cast<std::size_t>(state().midIndex))); // the message
    state().joyBindings.actions[0] = zembra::Action::Select;
    browser.shootinput(0);
    EXPECT_EQ(launcher->calls.size(), 0u);
    EXPECT_FALSE(fx().fileName().endsWith("com.mp3"));

    // The browser applies the start-up session's answer: a saved path other than the first,
    // its index (saved from the empty list) not restored. The index rules have their table.
    savedIndex = -1;
    savedPath = 3;
    scanFirst = true;
    zembra::Main& again = restart();
    EXPECT_EQ(state().curPath, 3);
    EXPECT_EQ(row(again, state().midIndex), "Game 20");
}

} // namespace
