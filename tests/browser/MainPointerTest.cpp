// SPDX-License-Identifier: GPL-3.0-or-later
// The browser's pointer and launch guards: clicks, double clicks, right-button drags, and an
// empty list that never starts a game.
#include "tests/browser/BrowserFixture.h"

#include <QMouseEvent>

using testing_support::BrowserTest;

namespace {

constexpr int kSelect = 13;

void send(QWidget* target, QEvent::Type type, Qt::MouseButton button) {
    const QPointF at = QRectF(target->rect()).center();
    QMouseEvent event(type, at, target->mapToGlobal(at), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button),
                      Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

/// What a double click delivers: press, release, double click, release.
void doubleClick(QWidget* target) {
    send(target, QEvent::MouseButtonPress, Qt::LeftButton);
    send(target, QEvent::MouseButtonRelease, Qt::LeftButton);
    send(target, QEvent::MouseButtonDblClick, Qt::LeftButton);
    send(target, QEvent::MouseButtonRelease, Qt::LeftButton);
}

TEST_F(BrowserTest, ADoubleClickOnAnotherRowLaunchesThatGameAndStaysOnIt) {
    zembra::Main& browser = start();
    const auto mid = static_cast<std::size_t>(state().midIndex);
    ASSERT_EQ(state().list1.index(), 4);
    doubleClick(browser.ll.at(mid + 2));
    ASSERT_EQ(launcher->calls.size(), 1u);
    EXPECT_NE(launcher->calls[0].commandLine.find("g07"), std::string::npos);
    EXPECT_EQ(state().list1.index(), 6); // the trailing release moved nothing
    EXPECT_EQ(row(browser, static_cast<int>(mid)), "Game 07");

    // A plain click after it is a click again.
    send(browser.ll.at(mid - 1), QEvent::MouseButtonPress, Qt::LeftButton);
    send(browser.ll.at(mid - 1), QEvent::MouseButtonRelease, Qt::LeftButton);
    EXPECT_EQ(state().list1.index(), 5);
}

TEST_F(BrowserTest, TheRightButtonTogglesTheDragAndNeverClicks) {
    zembra::Main& browser = start();
    QLabel* below = browser.ll.at(static_cast<std::size_t>(state().midIndex) + 3);
    send(below, QEvent::MouseButtonPress, Qt::RightButton);
    EXPECT_TRUE(browser.timscroller.isActive());
    EXPECT_FALSE(browser.timScr.isActive());
    send(below, QEvent::MouseButtonRelease, Qt::RightButton);
    EXPECT_FALSE(browser.timscroller.isActive());
    EXPECT_TRUE(browser.timScr.isActive());
    EXPECT_EQ(state().list1.index(), 4);

    // A quick second right press arrives as a double click: a press, not a launch.
    send(below, QEvent::MouseButtonPress, Qt::RightButton);
    send(below, QEvent::MouseButtonRelease, Qt::RightButton);
    send(below, QEvent::MouseButtonDblClick, Qt::RightButton);
    EXPECT_TRUE(browser.timscroller.isActive());
    send(below, QEvent::MouseButtonRelease, Qt::RightButton);
    EXPECT_TRUE(launcher->calls.empty());
    EXPECT_EQ(state().list1.index(), 4);
}

TEST_F(BrowserTest, PictureCellsClickWithTheLeftButtonOnlyAndLaunchOnADoubleClick) {
    writeSkin("\"snap\"", 1, "900,200,4800,1200", "1000,1000", 0);
    zembra::Main& browser = start();
    ASSERT_EQ(state().midIndex, 2);
    common::PictureElement* next = browser.xlist.at(3);
    send(next, QEvent::MouseButtonPress, Qt::RightButton);
    EXPECT_TRUE(browser.timscroller.isActive());
    send(next, QEvent::MouseButtonRelease, Qt::RightButton);
    EXPECT_EQ(state().list1.index(), 4);

    doubleClick(browser.xlist.at(3));
    ASSERT_EQ(launcher->calls.size(), 1u);
    EXPECT_NE(launcher->calls[0].commandLine.find("g06"), std::string::npos);
    EXPECT_EQ(state().list1.index(), 5);
}

TEST_F(BrowserTest, AnEmptyListStartsNothing) {
    scanFirst = false; // no list files: the list shows "No Roms Found"
    zembra::Main& browser = start();
    ASSERT_EQ(state().list1.count(), 0);
    QLabel* message = browser.ll.at(static_cast<std::size_t>(state().midIndex));
    ASSERT_FALSE(message->text().isEmpty());
    const auto soundsBefore = fx().calls.size();

    browser.keyDown(kSelect, false);
    browser.keyUp();
    doubleClick(message);
    state().joyActions[0] = "Select";
    browser.shootinput(0);
    EXPECT_EQ(app->launchRequests, 0);
    EXPECT_TRUE(launcher->calls.empty());
    // Not even the launch sound plays.
    for (auto call = fx().calls.begin() + static_cast<std::ptrdiff_t>(soundsBefore);
         call != fx().calls.end(); ++call) {
        EXPECT_EQ(call->find("com.mp3"), std::string::npos) << *call;
    }
}

TEST_F(BrowserTest, AnIndexSavedFromAnEmptyListRestoresThePathOnly) {
    for (const int saved : {-1, -2, 12}) {
        savedIndex = saved;
        savedPath = 3;
        zembra::Main& browser = start();
        EXPECT_EQ(state().curPath, 3) << saved;
        EXPECT_EQ(state().list1.index(), 0) << saved;
        EXPECT_EQ(row(browser, state().midIndex), "Game 20") << saved;
        browser.keyDown(kSelect, false);
        browser.keyUp();
        fx().finish();
        QCoreApplication::processEvents();
        ASSERT_EQ(launcher->calls.size(), 1u) << saved;
        EXPECT_NE(launcher->calls[0].commandLine.find("g20"), std::string::npos);
        app.reset();
        players.clear();
    }
}

} // namespace
