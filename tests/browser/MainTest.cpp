// SPDX-License-Identifier: GPL-3.0-or-later
// The browser window on the offscreen platform: start-up, list drawing, moves, pulse, artwork,
// keys, mute with its notice, and exit. A plain run's moves and saved files are run end to end.
#include "common/picture/PictureLoader.h"
#include "common/ui/Units.h"
#include "tests/browser/BrowserFixture.h"
#include "tests/launcher/SupervisorAccess.h"
#include "zembra/attract/ScreenSav.h"
#include "zembra/browser/HighlightPulse.h"
#include "zembra/browser/frmMute.h"
#include "zembra/info/Info.h"
#include "zembra/input/KeyFile.h"
#include "zembra/startup/UserSettings.h"

using testing_support::BrowserTest;

namespace {

/// The colour of the picture an element holds; black when it holds none.
QColor centre(common::PictureElement* element) {
    const QImage& image = element->shownImage();
    return image.isNull() ? QColor(Qt::black) : image.pixelColor(image.rect().center());
}

TEST_F(BrowserTest, StartsOnTheSavedPathAndSelectionAtTheScreenSize) {
    zembra::Main& browser = start();
    EXPECT_EQ(row(browser, state().midIndex), "Game 05");
    EXPECT_EQ(parts(browser).lblPath()->text(), "Fixture");
    EXPECT_EQ(browser.size(), QSize(1920, 1080));
    EXPECT_FALSE(parts(browser).timRefreshit().isActive()); // the lists were there
    EXPECT_FALSE(app->intro().isVisible());
    EXPECT_NE(std::find(fx().calls.begin(), fx().calls.end(), "play"), fx().calls.end());
}

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

TEST_F(BrowserTest, TheSelectionPulsesInTheHighlightColour) {
    zembra::Main& browser = start();
    QLabel* selection = parts(browser).ll().at(static_cast<std::size_t>(state().midIndex));
    while (browser.pulseStep() != 0) {
        browser.onTimhigh();
    }
    browser.onTimhigh(); // the first tick of a pulse: an eighth of the highlight colour
    EXPECT_EQ(common::numberFromColour(selection->palette().color(QPalette::WindowText)), 32);
}

TEST_F(BrowserTest, ArtworkIsShownHiddenAndFallsBack) {
    writeArt("marquees", "g05");
    writeArt("flyers", "g05");
    zembra::Main& browser = start();
    EXPECT_FALSE(parts(browser).xMarquee()->isHidden());
    // The skin hides flyers: the picture is loaded but the element stays hidden.
    EXPECT_TRUE(parts(browser).xFlyer()->isHidden());
    EXPECT_TRUE(parts(browser).xFlyer()->fileName().endsWith("art/flyers/g05.png"));

    tap(browser, kDown);
    EXPECT_TRUE(parts(browser).xMarquee()->isHidden()); // g06 has no marquee
    tap(browser, kUp);
    EXPECT_FALSE(parts(browser).xMarquee()->isHidden()); // back as soon as a picture exists
}

TEST_F(BrowserTest, APictureThatCannotShowNeverLeavesTheOneBefore) {
    values.paths[1].logo = "logo1.png";
    writePicture("logo1.png", Qt::red);
    values.paths[3].logo = "missing.png";
    writeArt("snap", "g05", Qt::red);
    writePicture("zbthemes/plain/screen32.jpg", Qt::blue);
    // g06's snap exists (so the panel stays up) but is no picture inside.
    cab.write("art/snap/g06.png", "\x89PNG\r\n\x1a\n" + std::string(300, 'Z'));
    zembra::Main& browser = start();
    parts(browser).xlogo()->resize(40, 40);
    auto settle = [&] {
        app->services().pictures->waitForIdle();
        QCoreApplication::processEvents();
        browser.repaint();
    };
    settle();
    ASSERT_EQ(centre(parts(browser).xScreen()), QColor(Qt::red));
    ASSERT_EQ(centre(parts(browser).xlogo()), QColor(Qt::red));

    tap(browser, kDown);
    settle();
    EXPECT_EQ(parts(browser).xScreen()->fileName(), "");
    const QColor shown = centre(parts(browser).xScreen()); // the skin's fall-back, a JPEG
    EXPECT_LT(std::abs(shown.blue() - 255) + shown.red(), 60) << shown.name().toStdString();

    tap(browser, kNextPath); // path 3 has no logo
    settle();
    EXPECT_EQ(parts(browser).xlogo()->fileName(), "");
    EXPECT_NE(centre(parts(browser).xlogo()), QColor(Qt::red));
}

TEST_F(BrowserTest, KeysAreTriedInOrderAndAModifierOpensAPicture) {
    cab.write("zbkeys.cfg", "38,40,34,33,116,9,39,37,13,27,83,77,38\r\n"); // Info on Up too
    writeArt("snap", "g05");
    zembra::Main& browser = start();
    tap(browser, kUp);
    ASSERT_NE(app->info(), nullptr);
    EXPECT_TRUE(app->info()->isVisible());
    EXPECT_EQ(state().list1.index(), 4);
    app->info()->closeInfo();

    // A modifier with Down opens the viewer (the attract window's tests); paths still move.
    tap(browser, kNextPath, true);
    EXPECT_EQ(state().curPath, 3);
    tap(browser, 0); // a key without a code matches no unbound action
    EXPECT_FALSE(app->info()->isVisible());
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

TEST_F(BrowserTest, ExitWaitsForTheEndSoundAndRestoresTheDisplay) {
    values.runWidth = "800";
    values.runHeight = "600";
    values.exitRefresh = "60";
    values.exitDepth = "32";
    zembra::Main& browser = start();
    ASSERT_EQ(display->changes.size(), 1u);
    EXPECT_EQ(browser.width(), 800);
    int status = -1;
    QObject::connect(app.get(), &zembra::Application::finished, [&](int s) { status = s; });

    tap(browser, kExit); // the files it saves are read end to end and in the next test
    EXPECT_TRUE(fx().fileName().endsWith("end.mp3"));
    browser.onTimfx(); // the sound still plays
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

TEST_F(BrowserTest, WithoutListFilesTheFirstRunScansAndShowsPathOne) {
    scanFirst = false;
    zembra::Main& browser = start();
    EXPECT_EQ(row(browser, state().midIndex), "No Roms Found, check your Quarn.ini");
    ASSERT_TRUE(parts(browser).timRefreshit().isActive());
    browser.onTimRefreshit();
    EXPECT_TRUE(cab.exists("l 1.lst"));
    EXPECT_EQ(state().curPath, 1);
    EXPECT_EQ(row(browser, state().midIndex), "Game 01");
}

// The idle countdown and the screensaver key are the attract window's tests.
TEST_F(BrowserTest, ActivationRunsTheTimersAndTheIdleCountdownOpensTheAttractModeOnTime) {
    ssDelay = "2";
    zembra::Main& browser = start();
    browser.deactivated();
    EXPECT_FALSE(parts(browser).timjoy().isActive());
    EXPECT_TRUE(testing_support::supervision(browser).timWfExit().isActive());
    browser.activated();
    browser.gotFocus();
    EXPECT_TRUE(parts(browser).timjoy().isActive());
    EXPECT_FALSE(testing_support::supervision(browser).timWfExit().isActive());

    browser.onTimScr();
    EXPECT_EQ(app->screenSaver(), nullptr);
    browser.onTimScr();
    EXPECT_NE(app->screenSaver(), nullptr);
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
    state().settings.muted = true;
    tap(browser, kSelect);
    EXPECT_EQ(launcher->calls.size(), 3u);
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
