// SPDX-License-Identifier: GPL-3.0-or-later
// Starting games from the browser and watching them until they end.
#include "tests/browser/BrowserAccess.h"
#include "tests/browser/BrowserFixture.h"
#include "tests/launcher/SupervisorAccess.h"
#include "zembra/launcher/KeySequences.h"

using testing_support::parts;

using testing_support::BrowserTest;

namespace {

class SupervisionTest : public BrowserTest {
protected:
    /// Starts the browser showing one game on a fixed emulator's path, that emulator in `folder`.
    zembra::Main& startOn(int path, const std::string& name,
                          std::string zembra::EmulatorConfig::*emulatorFolder, const char* folder) {
        zembra::Main& browser = start();
        state().config.*emulatorFolder = folder;
        state().curPath = static_cast<std::int16_t>(path);
        state().tables.pathGames[path].set(1, 1, name);
        state().list1.clear();
        state().list1.add(name);
        state().list1.setIndex(0);
        return browser;
    }
};

// Its close by the Exit key (the real key, then Escape) is driven end to end on Impact's path.
TEST_F(SupervisionTest, ModelerIsLockedAndDrivenByKeys) {
    zembra::Main& browser = startOn(22, "ga2", &zembra::EmulatorConfig::modelerDir, "/m/");
    browser.runEmu();
    EXPECT_FALSE(launcher->calls.at(0).wait);
    EXPECT_FALSE(browser.isEnabled());
    browser.supervisor().onTimkey();
    browser.supervisor().onTimfullscreen();
    EXPECT_EQ(keys->sent, (std::vector{zembra::PressKeySim("ga2"), zembra::PressKeySim4()}));
    browser.supervisor().onTimLock();
    EXPECT_TRUE(browser.isEnabled());
}

TEST_F(SupervisionTest, TheJoysticksExitButtonClosesOtherPathsOnlyWhenPressedAlone) {
    cab.write("joystick.ini", "Btn 01 \r\nBtn 02 \r\nBtn 03 Exit\r\n");
    zembra::Main& browser = startOn(26, "lair", &zembra::EmulatorConfig::daphneDir, "/d/");
    browser.runEmu();
    QCoreApplication::processEvents();
    // The exit watch keeps running but only the test's own calls tick it.
    testing_support::supervision(browser).timWfExit().start(1000000);
    auto& joystick = static_cast<testing_fakes::FakeJoystick&>(*app->services().joystick);
    joystick.state = zembra::JoystickState{32768, 32768, 4 | 1};
    browser.supervisor().onTimWfExit();
    EXPECT_TRUE(keys->sent.empty());
    joystick.state = zembra::JoystickState{32768, 32768, 4};
    browser.supervisor().onTimWfExit();
    EXPECT_EQ(keys->sent, std::vector{zembra::escapeTap()});
}

TEST_F(SupervisionTest, VisualPinballClosesThroughItsMenu) {
    zembra::Main& browser = startOn(24, "Genie", &zembra::EmulatorConfig::vpDir, "/vp/");
    browser.runEmu();
    EXPECT_EQ(launcher->calls.at(0).what, "open");
    browser.supervisor().onTimescape();
    EXPECT_EQ(keys->sent, std::vector{zembra::PressKeySimVPE()});
}

// The browser takes the keyboard back only once the game is over and its window gone (the
// table whose opener ends at once is driven end to end).
TEST_F(SupervisionTest, WhenTheGameEndsTheBrowserTakesTheKeyboardBackOnceItIsFree) {
    struct Step {
        const char* what;
        bool running;
        std::uintptr_t keyboard; ///< 0: nobody's, 1: the intro window's (ours), else foreign
        bool takenBack;
    } steps[] = {{"running, before its window is up", true, 0, false},
                 {"running in front", true, 4242, false},
                 {"ended, its window not yet gone", false, 4242, false},
                 {"ended, the keyboard back with one of ours", false, 1, true}};
    zembra::Main& browser = startOn(26, "game", &zembra::EmulatorConfig::daphneDir, "/e/");
    auto sv = testing_support::supervision(browser);
    browser.runEmu();
    browser.supervisor().stopExitWatch(); // the closing keys are not under test here
    QWidget emulator;                     // stands for the game's window, which takes the keyboard
    emulator.show();
    emulator.activateWindow();
    QCoreApplication::processEvents();
    for (const Step& step : steps) {
        launcher->alive = step.running;
        keys->focus = step.keyboard == 1 ? app->intro().winId() : step.keyboard;
        browser.supervisor().onEmulatorEndWatch();
        QCoreApplication::processEvents();
        EXPECT_EQ(keys->keyboardTakenBy.size(), step.takenBack ? 1u : 0u) << step.what;
        EXPECT_EQ(sv.emulatorEndWatch().isActive(), !step.takenBack) << step.what;
    }
    EXPECT_TRUE(browser.isActiveWindow());
    EXPECT_EQ(keys->keyboardTakenBy, std::vector{static_cast<std::uintptr_t>(browser.winId())});
}

// An opener that finds no player for the table ends with a failure and no window ever comes:
// the browser says so instead of waiting for a table that will not start. A start that fails
// at once is shown too, and nothing stays locked.
TEST_F(SupervisionTest, AStartOrAnOpenerThatFailsIsShownAndNothingStaysLocked) {
    for (const bool opener : {true, false}) {
        SCOPED_TRACE(opener ? "opener" : "start");
        app.reset();
        zembra::Main& browser =
            opener ? startOn(24, "Genie", &zembra::EmulatorConfig::vpDir, "/vp/")
                   : startOn(21, "sfex", &zembra::EmulatorConfig::impactDir, "/i/");
        launcher->fail = !opener;
        auto sv = testing_support::supervision(browser);
        browser.runEmu();
        if (opener) {
            launcher->openFailed = "the program xdg-open could not open /vp/tables/Genie.vpt";
            launcher->alive = false;
            browser.supervisor().onEmulatorEndWatch();
        }
        EXPECT_FALSE(parts(browser).notice()->isHidden());
        EXPECT_TRUE(parts(browser).notice()->text().contains(
            opener ? "could not open /vp/tables/Genie.vpt" : "impactemu.exe"));
        EXPECT_FALSE(sv.timLock().isActive());
        EXPECT_TRUE(browser.isEnabled());
    }
}

// The message box waits in an event loop of its own, where every timer still runs: the closed
// browser's exit watch would answer a held Exit key with an Escape into the box. (That nothing
// comes up over the message, and the end once it is dismissed, are driven end to end.)
TEST_F(SupervisionTest, ARefusedPowerOffStopsTheBrowsersTimersAndIsTheOneMessageShown) {
    values.powerOffOnExit = "YES";
    muted = true;
    zembra::Main& browser = start();
    auto sv = testing_support::supervision(browser);
    power->error = zembra::SystemError{"org.freedesktop.DBus.Error.AccessDenied", "Access denied"};
    int shown = 0;
    app->showMessage = [&](const QString&) {
        ++shown;
        EXPECT_FALSE(sv.timWfExit().isActive());
        EXPECT_FALSE(parts(browser).timjoy().isActive());
    };
    browser.keyDown(27, false); // Exit
    browser.keyUp();
    browser.onTimfx();
    app->fatal("a second reason"); // the first message is the one the owner sees
    EXPECT_EQ(shown, 1);
}

} // namespace
