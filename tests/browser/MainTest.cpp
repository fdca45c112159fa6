// SPDX-License-Identifier: GPL-3.0-or-later
// The browser window on the offscreen platform: a second start, held moves and paths, artwork,
// keys, sound and mute, exit and refresh. A plain run's start, moves and saved files, and the
// idle countdown, are run end to end.
#include "tests/browser/BrowserFixture.h"
#include "tests/launcher/SupervisorAccess.h"
#include "zembra/browser/frmMute.h"
#include "zembra/info/Info.h"
#include "zembra/input/KeyFile.h"
#include "zembra/startup/UserSettings.h"

using testing_support::BrowserTest;

namespace {

TEST_F(BrowserTest, ABrowserStartedAgainTakesQuarnCfgAndTheSkinAsTheyAreNow) {
    zembra::Main& first = start();
    EXPECT_EQ(parts(first).ll().at(0)->font().pointSizeF(), 11); // the skin's own size
    // The owner picks a font size; quarn.ini, read once at start, is not read again.
    zembra::UserSettings chosen = state().settings;
    chosen.userFontSize = 20;
    cab.write("quarn.cfg", zembra::writeUserSettings(chosen));
    cab.write("quarn.ini", "not a configuration\r\n");
    first.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(app->browser(), nullptr);

    zembra::Main& again = app->loadBrowser();
    again.onTimer1();
    EXPECT_FALSE(app->ending());
    EXPECT_EQ(parts(again).ll().at(0)->font().pointSizeF(), 20);
    EXPECT_EQ(row(again, state().midIndex), "Game 05");
}

TEST_F(BrowserTest, HeldKeysMoveOnEveryTickAndPathsSkipEmptyOnes) {
    zembra::Main& browser = start();
    browser.keyDown(kDown, false); // held: every tick moves, the release adds nothing
    browser.tickHeldMove(zembra::Action::Down);
    browser.tickHeldMove(zembra::Action::Down);
    browser.keyUp();
    EXPECT_EQ(state().list1.index(), 6);
    EXPECT_FALSE(parts(browser).timdown().isActive());

    tap(browser, kNextPath);
    EXPECT_EQ(state().curPath, 3); // path 2 is not in use
    EXPECT_EQ(parts(browser).lblPath()->text(), "Third");
    tap(browser, kNextPath);
    EXPECT_EQ(state().curPath, 1); // 4 to 27 are empty, and 27 wraps to 1
    tap(browser, kPrevPath);
    EXPECT_EQ(state().curPath, 3); // and back the other way
}

TEST_F(BrowserTest, ArtworkShowsWhereThereIsAPictureAndTheSkinAllowsIt) {
    writeArt("marquees", "g05");
    writeArt("flyers", "g05");
    zembra::Main& browser = start();
    EXPECT_FALSE(parts(browser).xMarquee()->isHidden());
    EXPECT_TRUE(parts(browser).xFlyer()->isHidden()); // the skin hides flyers
    tap(browser, kDown);
    EXPECT_TRUE(parts(browser).xMarquee()->isHidden()); // g06 has no marquee
}

TEST_F(BrowserTest, AKeyBoundToUpAndInfoOpensTheInfoWithoutMoving) {
    cab.write("zbkeys.cfg", "38,40,34,33,116,9,39,37,13,27,83,77,38\r\n"); // Info on Up too
    zembra::Main& browser = start();
    tap(browser, kUp);
    ASSERT_NE(app->info(), nullptr);
    EXPECT_TRUE(app->info()->isVisible());
    EXPECT_EQ(state().list1.index(), 4);
}

TEST_F(BrowserTest, TheMoveSoundNeverInterruptsItselfAndMuteStopsIt) {
    zembra::Main& browser = start();
    auto& calls = fx().calls;
    fx().finish();
    calls.clear();
    browser.cabRefresh();
    browser.cabRefresh(); // the first move's sound still plays
    EXPECT_EQ(calls, (std::vector<std::string>{
                         "setFileName " + (cab / "zbthemes/plain/pop.mp3").string(), "play"}));

    tap(browser, kMute);
    EXPECT_TRUE(state().settings.muted);
    EXPECT_EQ(fx().playState(), zembra::MediaPlayer::Stopped);
    // Muted, a move is silent; sound back on replays nothing.
    calls.clear();
    browser.cabRefresh();
    browser.ToggleMute();
    EXPECT_FALSE(state().settings.muted);
    EXPECT_TRUE(calls.empty());
}

TEST_F(BrowserTest, TheMuteNoticeSaysSoAndStopsTheExitWatch) {
    zembra::Main& browser = start();
    browser.ToggleMute();
    auto* notice = shownWindow<zembra::frmMute>();
    ASSERT_NE(notice, nullptr);
    testing_support::MuteAccess parts{*notice};
    EXPECT_EQ(parts.lblMute()->text(), "Sound Fx Are Off");
    EXPECT_TRUE(parts.timexit().isActive());
    browser.deactivated(); // the browser behind starts watching for an exit request
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(notice, &activate);
    EXPECT_FALSE(testing_support::supervision(browser).timWfExit().isActive());
}

TEST_F(BrowserTest, ExitWaitsForTheEndSoundAndRestoresTheDisplay) {
    values.runWidth = "800";
    values.runHeight = "600";
    values.exitRefresh = "60";
    values.exitDepth = "32";
    zembra::Main& browser = start();
    int status = -1;
    QObject::connect(app.get(), &zembra::Application::finished, [&](int s) { status = s; });

    tap(browser, kExit); // the files it saves are read end to end and in the next test
    browser.onTimfx();   // the end sound still plays
    EXPECT_EQ(status, -1);
    fx().finish();
    browser.onTimfx();
    EXPECT_EQ(status, 0);
    ASSERT_EQ(display->changes.size(), 2u);
    EXPECT_EQ(display->changes[1], (std::array<float, 4>{1920, 1080, 32, 60}));
    EXPECT_TRUE(keys->sent.empty()); // no TV output to switch on or back
}

TEST_F(BrowserTest, ExitTriesEverySaveAndShowsWhatFailed) {
    zembra::Main& browser = start();
    std::filesystem::remove(cab / "zbkeys.cfg");
    std::filesystem::create_directory(cab / "zbkeys.cfg"); // cannot be replaced
    tap(browser, kDown);
    tap(browser, kExit);
    zembra::UserSettings saved;
    ASSERT_TRUE(zembra::openCfg(cab.text(), saved));
    EXPECT_EQ(saved.cfgListIndex, 5); // quarn.cfg is saved all the same
    EXPECT_FALSE(parts(browser).notice()->isHidden());
    EXPECT_TRUE(parts(browser).notice()->text().startsWith(
        "Not saved: cannot replace " + QString::fromStdString(cab.text()) + "/zbkeys.cfg"))
        << parts(browser).notice()->text().toStdString();
}

TEST_F(BrowserTest, RefreshShowsAFolderItCouldNotReadAndKeepsItsGames) {
    zembra::Main& browser = start();
    std::filesystem::rename(cab / "roms3", cab / "unplugged");
    browser.RescanAll();
    EXPECT_EQ(parts(browser).notice()->text().toStdString(),
              "path 3: " + cab.text() + "/roms3/  not scanned: " + cab.text() +
                  "/roms3/ does not exist; l 3.lst left as it was");
    EXPECT_EQ(state().tables.pathGames[3].count(), 3);

    // A catalogue without any game says why and keeps the games (its files are ScanTest's).
    state().tables.masterList.clear();
    browser.RescanAll();
    EXPECT_NE(parts(browser).notice()->text().indexOf("gamelist.lst holds no game"), -1);
    EXPECT_EQ(state().tables.pathGames[1].count(), 12);
}

TEST_F(BrowserTest, AMutedExitEndsAtTheFirstTickWithTheTvOutputOffBeforeThePower) {
    values.tvOut = "YES";
    values.powerOffOnExit = "YES";
    muted = true;
    zembra::Main& browser = start();
    EXPECT_EQ(keys->sent, std::vector{zembra::startTv()});
    tap(browser, kExit);
    EXPECT_TRUE(power->requests.empty()); // not before the end sound is over
    browser.onTimfx();
    EXPECT_EQ(keys->sent, (std::vector{zembra::startTv(), zembra::startMonitor()}));
    EXPECT_EQ(power->requests, std::vector{zembra::Power::Action::PowerOff});
}

TEST_F(BrowserTest, SelectLaunchesAfterTheLaunchSoundOrAtOnce) {
    zembra::Main& browser = start();
    tap(browser, kSelect);
    EXPECT_TRUE(fx().fileName().endsWith("com.mp3"));
    EXPECT_EQ(launcher->calls.size(), 0u);
    fx().finish();
    QCoreApplication::processEvents();
    EXPECT_EQ(launcher->calls.size(), 1u);

    std::filesystem::remove(cab / "zbthemes/plain/com.mp3");
    tap(browser, kSelect); // no sound to wait for
    EXPECT_EQ(launcher->calls.size(), 2u);
}

TEST_F(BrowserTest, TheJoystickMovesPagesAndActsByItsWords) {
    // Labels are seven characters; the words follow.
    cab.write("joystick.ini", "' buttons 1 to 12 and then the stick\r\n"
                              "Btn 01 select\r\nBtn 02 RIGHTPAGE\r\nBtn 03 Exit\r\n"
                              "Btn 04 \r\nBtn 05 \r\nBtn 06 \r\nBtn 07 \r\nBtn 08 \r\n"
                              "Btn 09 \r\nBtn 10 \r\nBtn 11 \r\nBtn 12 \r\n"
                              "Up     UP\r\nDown   DOWN\r\nLeft   PREVPATH\r\n"
                              "Right  NEXTPATH\r\n");
    zembra::Main& browser = start();
    auto poll = [&](std::optional<zembra::JoystickState> now) {
        joystick().state = now;
        browser.onTimjoy();
    };

    poll(zembra::JoystickState{32768, 65535, 0});
    browser.onTimjoy(); // held: moves again on every poll, with no timer of its own
    EXPECT_EQ(state().list1.index(), 6);
    poll(zembra::JoystickState{65535, 32768, 0});
    EXPECT_EQ(state().curPath, 3);

    poll(zembra::JoystickState{32768, 32768, 3}); // two buttons: nothing
    EXPECT_EQ(launcher->calls.size(), 0u);
    state().settings.muted = true;
    poll(zembra::JoystickState{32768, 32768, 1}); // "select" in lower case
    EXPECT_EQ(launcher->calls.size(), 1u);
    poll(zembra::JoystickState{32768, 32768, 4}); // "Exit" works in the browser too
    EXPECT_TRUE(parts(browser).timfx().isActive());
    poll(std::nullopt); // unplugged: nothing happens
}

} // namespace
