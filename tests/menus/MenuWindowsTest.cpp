// SPDX-License-Identifier: GPL-3.0-or-later
// The settings menu's windows on a cabinet with fake services: the menu's keys and joystick,
// the screens' steps and what Select and Exit keep, the skin refused, the keys bound again.
#include "tests/browser/BrowserFixture.h"
#include "tests/menus/MenuAccess.h"
#include "zembra/input/QtKeyMap.h"
#include "zembra/menus/Keys.h"
#include "zembra/menus/SettingsWindows.h"
#include "zembra/menus/frmMenu.h"

#include <QKeyEvent>

using testing_support::BrowserTest;
using testing_support::menuParts;
using testing_support::screenParts;

namespace {

void press(QWidget* window, int windowsCode) {
    QKeyEvent event(QEvent::KeyPress, zembra::qtKeyForWindowsCode(windowsCode), Qt::NoModifier);
    QCoreApplication::sendEvent(window, &event);
}

class MenuTest : public BrowserTest {
protected:
    zembra::frmMenu& openMenu() {
        start();
        app->showMenu();
        return *app->menu();
    }

    /// Opens entry `position` of the menu with the keyboard.
    template <typename Window>
    Window& openEntry(int position) {
        zembra::frmMenu& menu = openMenu();
        for (int i = 1; i < position; ++i)
            press(&menu, kDown);
        press(&menu, kSelect);
        Window* window = shownWindow<Window>();
        EXPECT_NE(window, nullptr);
        return *window;
    }

    std::string cfgText() { return cab.read("quarn.cfg"); }
};

TEST_F(MenuTest, KeysAndJoystickWordsMoveWrapAndClose) {
    cab.write("joystick.ini", "' buttons then the stick\r\nbut1 = DOWN\r\nbut2 = CONFIG\r\n"
                              "but3 = EXIT\r\n");
    // The joystick's Config opens the menu from the browser.
    start().shootinput(1);
    ASSERT_NE(app->menu(), nullptr);
    zembra::frmMenu& menu = *app->menu();
    press(&menu, kUp);
    EXPECT_EQ(menu.menuPos(), 5); // Up from Font Size is Exit
    press(&menu, kDown);
    EXPECT_EQ(menu.menuPos(), 1);

    auto poll = [&](std::uint32_t buttons) {
        joystick().state = zembra::JoystickState{32768, 32768, buttons};
        menu.onTimjoy();
    };
    poll(1); // button 1: DOWN
    poll(2); // button 2: CONFIG does nothing in the menu
    EXPECT_EQ(menu.menuPos(), 2);
    poll(4); // button 3: EXIT
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(app->menu(), nullptr);
    EXPECT_NE(app->browser(), nullptr);
}

TEST_F(MenuTest, TheMouseSelectsAndOpensAnEntry) {
    zembra::frmMenu& menu = openMenu();
    const QPoint centre = menuParts(menu).entries()[2]->geometry().center();
    QMouseEvent click(QEvent::MouseButtonPress, centre, menu.mapToGlobal(centre), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&menu, &click);
    EXPECT_EQ(menu.menuPos(), 3);
    EXPECT_NE(shownWindow<zembra::frmSS>(), nullptr);
}

// The steps themselves are the screens' logic (SettingsScreensTest); here Exit keeps nothing
// and Select stores the value and goes back to the menu.
TEST_F(MenuTest, TheDelayScreenExitsKeepingNothingAndSelectStoresTheValue) {
    ssDelay = "-1";
    auto* screen = &openEntry<zembra::frmSS>(3);
    const std::string before = cfgText();
    press(screen, kUp);
    press(screen, kExit);
    EXPECT_EQ(cfgText(), before);
    EXPECT_TRUE(app->menu()->isVisible());

    press(app->menu(), kSelect);
    screen = shownWindow<zembra::frmSS>();
    ASSERT_NE(screen, nullptr);
    for (const int key : {kDown, kUp, kUp, kSelect}) // Down goes no lower than off
        press(screen, key);
    EXPECT_EQ(state().settings.ssDelay, 1); // what is saved with it is SettingsScreensTest's
    EXPECT_TRUE(app->menu()->isVisible());
}

TEST_F(MenuTest, ASkinFolderWithoutSkinIniIsRefusedOnTheScreen) {
    std::filesystem::create_directories(cab / "zbthemes/broken");
    auto& screen = openEntry<zembra::frmSkin>(4);
    EXPECT_EQ(screenParts(screen).lblValue()->text().toStdString(), "\\plain\\");
    const std::string before = cfgText();
    while (screenParts(screen).lblValue()->text() != "broken")
        press(&screen, kDown);
    press(&screen, kSelect);
    EXPECT_NE(screenParts(screen).lblNote()->text().toStdString().find("broken has no skin.ini"),
              std::string::npos);
    EXPECT_TRUE(screen.isVisible());
    EXPECT_EQ(cfgText(), before);
}

// A skin chosen and the browser rebuilt in it, and that the new keys act in the browser, are the
// end-to-end run's; a browser rebuilt in a new font size is the browser's own test.
TEST_F(MenuTest, ThirteenKeysWriteTheWholeKeyFileAndTheOpenMenuTakesThemAtOnce) {
    auto& keys = openEntry<zembra::Keys>(2);
    const std::vector<int> codes{87, 83, 68, 65, 82, 67, 76, 74, 32, 81, 90, 77, 73};
    for (const int code : codes)
        press(&keys, code);
    // The menu, still open, takes the new keys: the old Exit does nothing, the new one closes.
    zembra::frmMenu& menu = *app->menu();
    press(&menu, kExit);
    EXPECT_TRUE(menu.isVisible());
    press(&menu, 81);
    EXPECT_FALSE(menu.isVisible());
}

} // namespace
