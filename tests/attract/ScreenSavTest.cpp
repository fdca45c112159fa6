// SPDX-License-Identifier: GPL-3.0-or-later
// The attract window on the fixture cabinet: how it opens and closes, its music and rotation.
// Opening by the idle countdown, a skip, a volume step and a closing key are run end to end.
#include "zembra/attract/ScreenSav.h"

#include "common/ui/Units.h"
#include "tests/attract/ScreenSavAccess.h"
#include "tests/browser/BrowserFixture.h"
#include "tests/fakes/FakeRandom.h"
#include "zembra/attract/Rotation.h"

namespace {

using testing_support::BrowserTest;
using testing_support::saverParts;

std::string padded(std::string text, std::size_t size) {
    text.resize(size, ' ');
    return text;
}

class ScreenSavTest : public BrowserTest {
protected:
    void SetUp() override {
        BrowserTest::SetUp();
        ssDelay = "2";
        cab.write("music/one.mp3", std::string(200, 'x'));
        cab.write("music/two.mp3", std::string(100, 'x') + "TAG" + padded("  Coin Waltz", 30) +
                                       padded("The Loop", 30) + padded("Attract", 30) +
                                       std::string(35, '\0'));
        cab.write("music/three.ogg", "short");
        cab.write("default.m3u", "#EXTM3U\r\nmusic\\one.mp3\r\nmusic\\two.mp3,missing.mp3\r\n"
                                 "music\\three.ogg\r\n");
    }

    /// The browser started and the attract window opened by the idle countdown, its playlist
    /// and art folders read.
    zembra::ScreenSav& openByCountdown() {
        zembra::Main& browser = start();
        browser.onTimScr();
        browser.onTimScr();
        return opened();
    }

    zembra::ScreenSav& opened() {
        zembra::ScreenSav* saver = app->screenSaver();
        EXPECT_NE(saver, nullptr);
        saver->finishReading();
        return *saver;
    }

    testing_fakes::FakeMediaPlayer& music() { return *players.at(2); }
    QString song() { return music().fileName().section('/', -1); }
    std::string label(zembra::ScreenSav& saver, int n) {
        return saverParts(saver).lblsong().at(static_cast<std::size_t>(n))->text().toStdString();
    }
};

TEST_F(ScreenSavTest, TheScreenSaverKeyOpensItEvenWhenTheCountdownIsOff) {
    ssDelay = "-1";
    zembra::Main& browser = start();
    browser.onTimScr();
    browser.onTimScr(); // a delay of 2 would open it now
    EXPECT_EQ(app->screenSaver(), nullptr);
    browser.keyDown(kSaver, false);
    zembra::ScreenSav& saver = opened();
    EXPECT_TRUE(saver.screensaver());
    app->intro().onTimexit(); // the intro's hand-over, due two seconds after the start
    EXPECT_FALSE(browser.isVisible());
    saver.keyUp(); // the release of the key that opened it closes nothing
    EXPECT_TRUE(saver.isVisible());
    saver.keyDown(kSaver, false);
    EXPECT_FALSE(saver.isVisible());
    EXPECT_EQ(state().settings.ssCountdown, -1);
}

TEST_F(ScreenSavTest, TheSongsTagShowsOnThreeLabelsOrItsFileNameOnOne) {
    zembra::ScreenSav& saver = openByCountdown();
    saver.keyDown(kNextPage, false);
    saver.finishReading();
    EXPECT_EQ(song(), "two.mp3");
    EXPECT_EQ(label(saver, 0) + "|" + label(saver, 1) + "|" + label(saver, 2),
              "Coin Waltz|The Loop|Attract");

    saver.keyDown(kNextPage, false);
    saver.keyDown(kNextPage, false); // past the last song: the first again
    saver.finishReading();
    EXPECT_TRUE(label(saver, 0).ends_with("music/one.mp3")); // no tag: the file's name
    EXPECT_FALSE(saverParts(saver).lblsong()[1]->isVisible());

    saver.keyDown(kSelect, false);
    EXPECT_EQ(music().playState(), zembra::MediaPlayer::Paused);
    EXPECT_EQ(label(saver, 0), "Paused");
}

TEST_F(ScreenSavTest, ASongThatEndsIsFollowedByARandomOneAndAnyOtherKeyPausesIt) {
    zembra::ScreenSav& saver = openByCountdown();
    saver.setRandom(std::make_unique<testing_fakes::FakeRandom>(std::vector<double>{0.9}));
    music().finish();
    QCoreApplication::processEvents();
    EXPECT_EQ(song(), "three.ogg");
    EXPECT_EQ(state().settings.songIdx, 1);
    // Any other key brings the browser back, the music paused and the countdown restarted.
    saver.keyDown(kMute, false);
    EXPECT_EQ(music().playState(), zembra::MediaPlayer::Paused);
    EXPECT_EQ(state().settings.ssCountdown, 2);
}

TEST_F(ScreenSavTest, TheViewerShowsOnePictureAndPlaysTheFirstOrLastSong) {
    writeArt("snap", "g05");
    zembra::Main& browser = start();
    browser.keyDown(kDown, true);
    zembra::ScreenSav& saver = opened();
    EXPECT_TRUE(saverParts(saver).xPreview()->fileName().endsWith("art/snap/g05.png"));
    EXPECT_EQ(music().playState(), zembra::MediaPlayer::Stopped);

    saver.keyDown(kPrevPage, false); // the viewer's songs are the first and the last
    EXPECT_EQ(song(), "three.ogg");
    saverParts(saver).xPreview()->clicked(Qt::LeftButton);
    EXPECT_FALSE(saver.isVisible());
    EXPECT_TRUE(browser.isVisible());
}

TEST_F(ScreenSavTest, TheRotationShowsArtworkAndNeverHoldsTheWindowWithoutIt) {
    writeArt("marquees", "g05");
    zembra::ScreenSav& saver = openByCountdown();
    // Kind 1 (marquee), path 1, row 5 (g05); then nothing but kind 0.
    saver.setRandom(std::make_unique<testing_fakes::FakeRandom>(
        std::vector<double>{0.25, 0.04, 5.0 / 3300, 0.0}));
    saver.onTimrotate();
    EXPECT_TRUE(saverParts(saver).xPreview()->fileName().endsWith("art/marquees/g05.png"));
    EXPECT_EQ(saverParts(saver).timrotate().interval(), zembra::kRotationShownMs);
    saver.onTimrotate(); // every further pick names nothing: the tick gives up, the picture stays
    EXPECT_TRUE(saverParts(saver).xPreview()->fileName().endsWith("art/marquees/g05.png"));
    EXPECT_EQ(saverParts(saver).timrotate().interval(), zembra::kRotationRetryMs);
}

TEST_F(ScreenSavTest, ACabinetWithoutArtworkOrPlaylistShowsTheFallbackAndStillCloses) {
    std::filesystem::remove(cab / "default.m3u");
    cab.touch("zbthemes/plain/screen32.jpg"); // not a picture: the background shows instead
    zembra::ScreenSav& saver = openByCountdown();
    EXPECT_EQ(music().fileName(), QString());
    saver.onTimrotate();
    EXPECT_EQ(saverParts(saver).xPreview()->fileName(), QString());
    EXPECT_EQ(saverParts(saver).xPreview()->backgroundColour(), common::colourFromNumber(3342336));
    saver.keyDown(kNextPage, false); // no songs: nothing to play, nothing fails
    saver.keyDown(kMute, false);
    EXPECT_FALSE(saver.isVisible());
}

TEST_F(ScreenSavTest, TheJoystickDrivesTheMusicAndAnyOtherInputCloses) {
    zembra::Main& browser = start();
    state().joyBindings.actions[0] = zembra::Action::NextPage;
    state().joyBindings.actions[1] = zembra::Action::Saver;
    auto& joystick = this->joystick();
    joystick.state = zembra::JoystickState{32768, 32768, 2}; // button 2: the screensaver
    browser.onTimjoy();
    zembra::ScreenSav& saver = opened();
    saver.onTimjoy(); // still held from the browser: not a new input
    EXPECT_TRUE(saver.isVisible());
    joystick.state = zembra::JoystickState{};
    saver.onTimjoy();
    joystick.state = zembra::JoystickState{32768, 32768, 1};
    saver.onTimjoy();
    saver.finishReading();
    EXPECT_EQ(label(saver, 0), "Coin Waltz\nThe Loop\nAttract"); // one label, three lines
    EXPECT_FALSE(saverParts(saver).lblsong()[1]->isVisible());
    saver.shootinput(14); // an input bound to nothing
    EXPECT_FALSE(saver.isVisible());
}

} // namespace
