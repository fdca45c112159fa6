// SPDX-License-Identifier: GPL-3.0-or-later
// Starting games from the browser and watching them until they end.
#include "tests/browser/BrowserAccess.h"
#include "tests/browser/BrowserFixture.h"
#include "tests/launcher/SupervisorAccess.h"
#include "tests/startup/IntroAccess.h"
#include "zembra/launcher/KeySequences.h"

using testing_support::parts;

using testing_support::BrowserTest;

namespace {

class SupervisionTest : public BrowserTest {
protected:
    /// The exit watch keeps running but only the test's own calls tick it.
    static void holdTheWatch(zembra::Main& browser) {
        QCoreApplication::processEvents();
        testing_support::supervision(browser).timWfExit().start(1000000);
    }

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

TEST_F(SupervisionTest, AConfigurablePathStartsBlockingAndTheBrowserGoesOn) {
    muted = true;
    zembra::Main& browser = start();
    browser.keyDown(13, false);
    ASSERT_EQ(launcher->calls.size(), 1u);
    EXPECT_TRUE(launcher->calls[0].wait);
    EXPECT_EQ(keys->keyboardTakenBy.size(), 1u); // back to the browser when the game ends
    EXPECT_TRUE(keys->sent.empty());
    EXPECT_TRUE(browser.isEnabled());
}

TEST_F(SupervisionTest, ModelerIsLockedDrivenByKeysAndClosedByTheExitKey) {
    zembra::Main& browser = startOn(22, "ga2", &zembra::EmulatorConfig::modelerDir, "/m/");
    auto sv = testing_support::supervision(browser);
    browser.runEmu();
    EXPECT_FALSE(launcher->calls.at(0).wait);
    EXPECT_FALSE(browser.isEnabled());
    browser.supervisor().onTimkey();
    browser.supervisor().onTimfullscreen();
    EXPECT_EQ(keys->sent, (std::vector{zembra::PressKeySim("ga2"), zembra::PressKeySim4()}));
    browser.supervisor().onTimLock();
    EXPECT_TRUE(browser.isEnabled());

    // Escape is the Exit key: the emulator gets the real key; Modeler closes 200 ms later.
    holdTheWatch(browser);
    keys->held = {27};
    browser.supervisor().onTimWfExit();
    EXPECT_EQ(keys->sent.size(), 2u);
    EXPECT_FALSE(sv.timWfExit().isActive());
    browser.supervisor().onTimescape();
    EXPECT_EQ(keys->sent[2], zembra::escapeTap());
}

TEST_F(SupervisionTest, OtherPathsSendEscapeOnEveryTickOfAHeldExitAndTheJoystickNeedsItsButton) {
    cab.write("zbkeys.cfg", "38,40,34,33,116,9,39,37,13,81,83,77,73\r\n"); // Exit on Q
    cab.write("joystick.ini", "Btn 01 \r\nBtn 02 \r\nBtn 03 Exit\r\n");
    zembra::Main& browser = startOn(26, "lair", &zembra::EmulatorConfig::daphneDir, "/d/");
    browser.runEmu();
    holdTheWatch(browser);
    keys->held = {81};
    browser.supervisor().onTimWfExit();
    browser.supervisor().onTimWfExit();
    EXPECT_EQ(keys->sent, (std::vector{zembra::escapeTap(), zembra::escapeTap()}));

    keys->held.clear();
    auto& joystick = static_cast<testing_fakes::FakeJoystick&>(*app->services().joystick);
    joystick.state = zembra::JoystickState{32768, 32768, 4 | 1}; // with another button: no
    browser.supervisor().onTimWfExit();
    EXPECT_EQ(keys->sent.size(), 2u);
    joystick.state = zembra::JoystickState{32768, 32768, 4};
    browser.supervisor().onTimWfExit();
    EXPECT_EQ(keys->sent.size(), 3u);
}

TEST_F(SupervisionTest, VisualPinballClosesThroughItsMenu) {
    zembra::Main& browser = startOn(24, "Genie", &zembra::EmulatorConfig::vpDir, "/vp/");
    browser.runEmu();
    EXPECT_EQ(launcher->calls.at(0).what, "open");
    browser.supervisor().onTimescape();
    EXPECT_EQ(keys->sent, std::vector{zembra::PressKeySimVPE()});
}

// The browser takes the keyboard back only once the game is over and its window gone. A
// desktop's opener hands a table to a player and ends at once: its end must not take the
// keyboard from the player's window.
TEST_F(SupervisionTest, WhenTheGameEndsTheBrowserTakesTheKeyboardBackOnceItIsFree) {
    struct Step {
        const char* what;
        bool running;
        std::uintptr_t keyboard; ///< 0: nobody's, 1: the intro window's (ours), else foreign
        bool takenBack;
    };
    const struct {
        int path;
        std::string zembra::EmulatorConfig::*folder;
        std::vector<Step> steps;
    } runs[] = {
        {26,
         &zembra::EmulatorConfig::daphneDir,
         {{"running, before its window is up", true, 0, false},
          {"running in front", true, 4242, false},
          {"ended, its window not yet gone", false, 4242, false},
          {"ended, the keyboard back with one of ours", false, 1, true}}},
        {24,
         &zembra::EmulatorConfig::vpDir,
         {{"opener ended, the player's window not up yet", false, 0, false},
          {"the player's window has the keyboard", false, 4242, false},
          {"the player's window is gone", false, 0, true}}},
    };
    for (const auto& run : runs) {
        SCOPED_TRACE(run.path);
        app.reset();
        zembra::Main& browser = startOn(run.path, "game", run.folder, "/e/");
        auto sv = testing_support::supervision(browser);
        browser.runEmu();
        browser.supervisor().stopExitWatch(); // the closing keys are not under test here
        QWidget emulator; // stands for the game's window, which takes the keyboard
        for (const Step& step : run.steps) {
            if (step.keyboard == 4242 && !emulator.isVisible()) {
                emulator.show();
                emulator.activateWindow();
                QCoreApplication::processEvents();
            }
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
            browser.supervisor().onEmulatorEndWatch(); // still running: nothing to say yet
            EXPECT_TRUE(parts(browser).notice()->isHidden());
            launcher->alive = false;
            browser.supervisor().onEmulatorEndWatch();
            EXPECT_FALSE(sv.emulatorEndWatch().isActive());
            EXPECT_FALSE(sv.timWfExit().isActive());
        }
        EXPECT_FALSE(parts(browser).notice()->isHidden());
        EXPECT_TRUE(parts(browser).notice()->text().contains(
            opener ? "could not open /vp/tables/Genie.vpt" : "impactemu.exe"));
        EXPECT_FALSE(sv.timLock().isActive());
        EXPECT_TRUE(browser.isEnabled());
    }
}

// The message box waits in an event loop of its own, where every timer still runs: nothing may
// come up over it, and the program ends only once the owner has dismissed it.
TEST_F(SupervisionTest, ARefusedPowerOffKeepsItsMessageInFrontUntilDismissedThenEnds) {
    values.powerOffOnExit = "YES";
    muted = true;
    zembra::Main& browser = start();
    auto sv = testing_support::supervision(browser);
    power->error = zembra::SystemError{"org.freedesktop.DBus.Error.AccessDenied", "Access denied"};
    std::vector<std::string> events;
    QObject::connect(app.get(), &zembra::Application::browserLoaded,
                     [&](zembra::Main*) { events.push_back("browser loaded"); });
    QObject::connect(app.get(), &zembra::Application::finished,
                     [&](int status) { events.push_back("end " + std::to_string(status)); });
    app->showMessage = [&](const QString& message) {
        events.push_back("message: " + message.toStdString());
        // What would tick while the box is up: the intro's hand-over, and the old browser's
        // exit watch and joystick poll.
        zembra::blanker& intro = app->intro();
        EXPECT_FALSE(testing_support::introParts(intro).timexit().isActive());
        EXPECT_FALSE(sv.timWfExit().isActive());
        EXPECT_FALSE(parts(browser).timjoy().isActive());
        intro.onTimexit(); // a tick that was already due
        if (app->browser() != nullptr && app->browser()->isVisible()) {
            events.push_back("browser shown");
        }
        events.push_back("dismissed");
    };
    browser.keyDown(27, false); // Exit
    browser.keyUp();
    browser.onTimfx();
    EXPECT_EQ(events, (std::vector<std::string>{"message: ShutdownSystem failed: Access denied",
                                                "dismissed", "end 1"}));
    EXPECT_EQ(power->requests, std::vector{zembra::Power::Action::PowerOff});
    app->fatal("a second reason"); // the first message is the one the owner sees
    EXPECT_EQ(events.size(), 3u);
}

} // namespace
