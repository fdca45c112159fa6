// SPDX-License-Identifier: GPL-3.0-or-later
// The media player on mpv, and the fake the window tests use, keep the element's promises.
#include "zembra/platform/linux/MpvMediaPlayer.h"

#include "tests/fakes/FakeMediaPlayer.h"
#include "tests/support/TempFolder.h"
#include "tests/support/Waiting.h"
#include "zembra/platform/linux/DeferredMediaPlayer.h"
#include "zembra/platform/linux/MpvApi.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <algorithm>
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using testing_fakes::FakeMediaPlayer;
using testing_support::TempFolder;
using zembra::MediaPlayer;
using zembra::MpvMediaPlayer;
using Changes = std::vector<std::pair<int, int>>;

// A WAV file of silence: PCM, mono, 8000 two-byte samples (0x1f40, 0x3e80 bytes) a second.
std::string silence(double seconds) {
    const auto data = static_cast<std::uint32_t>(seconds * 8000) * 2;
    std::string wav("RIFF____WAVEfmt \x10\0\0\0\1\0\1\0@\x1f\0\0\x80>\0\0\2\0\x10\0data____", 44);
    for (int i = 0; i < 4; ++i) {
        wav[4 + i] = static_cast<char>((36 + data) >> (8 * i));
        wav[40 + i] = static_cast<char>(data >> (8 * i));
    }
    return wav + std::string(data, '\0');
}

// A raw video (YUV4MPEG2) of grey 16x16 frames at 25 a second, without sound.
std::string greyVideo(int frames) {
    std::string video = "YUV4MPEG2 W16 H16 F25:1 Ip A1:1 C420jpeg\n";
    for (int i = 0; i < frames; ++i)
        video += "FRAME\n" + std::string(16 * 16 * 3 / 2, '\x80');
    return video;
}

/// Processes events until `done` holds. mpv reports ends from its own threads.
bool waitUntil(const std::function<bool()>& done) {
    return testing_support::pollUntil(done, [] { QCoreApplication::processEvents(); });
}

/// Processes events for `ms`: the calls already posted run, and a stray one has time to come.
void linger(int ms) {
    testing_support::pollUntil([] { return false; }, [] { QCoreApplication::processEvents(); },
                               std::chrono::milliseconds(ms));
}

class MpvMediaPlayerTest : public ::testing::Test {
protected:
    MpvMediaPlayerTest() {
        for (const auto& [name, seconds] : {std::pair{"short", 0.3}, {"long", 30.0}}) {
            folder.write(name + std::string(".wav"), silence(seconds));
            folder.write(name + std::string(".y4m"), greyVideo(static_cast<int>(seconds * 25)));
        }
        folder.write("empty.wav", silence(0));
    }

    QString path(const std::string& name) const {
        return QString::fromStdString((folder / name).string());
    }

    void record(MediaPlayer& player) {
        QObject::connect(&player, &MediaPlayer::playStateChanged,
                         [this](int old, int now) { changes.emplace_back(old, now); });
    }

    /// What every player promises; `breakNextPlay` makes the next play() find its file broken.
    void keepsThePromises(MediaPlayer& player, const std::function<void()>& breakNextPlay) {
        record(player);
        for (const QString& name : {path("missing.mp3"), path("")}) {
            player.setFileName(name);
            EXPECT_EQ(player.fileName(), QString()) << name.toStdString();
            player.play();
            EXPECT_EQ(player.playState(), MediaPlayer::Stopped) << name.toStdString();
        }
        const QString sound = path("./short.wav"); // reads back as given
        player.setFileName(sound);
        EXPECT_EQ(player.fileName(), sound);
        player.play();
        EXPECT_EQ(player.playState(), MediaPlayer::Playing);
        EXPECT_EQ(changes, Changes()) << "told from inside play()";
        player.pause();
        EXPECT_EQ(player.playState(), MediaPlayer::Paused);
        player.play();
        player.stop();
        player.stop();
        player.pause(); // stopped: nothing to pause
        // Played to its end, and again; then a name that cannot be opened ends a play too.
        player.play();
        ASSERT_TRUE(waitUntil([&] { return changes.size() >= 6; }));
        player.play();
        ASSERT_TRUE(waitUntil([&] { return changes.size() >= 8; }));
        player.play();
        player.setFileName(path("missing.mp3"));
        EXPECT_EQ(player.playState(), MediaPlayer::Stopped);
        linger(50);
        const Changes expected{{0, 2}, {2, 1}, {1, 2}, {2, 0}, {0, 2},
                               {2, 0}, {0, 2}, {2, 0}, {0, 2}, {2, 0}};
        EXPECT_EQ(changes, expected);

        // A file that does not play still ends its play(), and its name reads back empty; also
        // when mpv has had time to find the fault before.
        changes.clear();
        player.setFileName(path("empty.wav"));
        linger(500);
        breakNextPlay();
        player.play();
        ASSERT_TRUE(waitUntil([&] { return changes.size() >= 2; }));
        EXPECT_EQ(changes, (Changes{{0, 2}, {2, 0}}));
        EXPECT_EQ(player.fileName(), QString());

        EXPECT_EQ(player.volume(), 0); // full volume until told otherwise
    }

    TempFolder folder;
    Changes changes;
};

TEST_F(MpvMediaPlayerTest, KeepsThePromises) {
    MpvMediaPlayer player;
    keepsThePromises(player, [] {});
}

TEST_F(MpvMediaPlayerTest, TheFakeKeepsTheSamePromises) {
    std::vector<FakeMediaPlayer*> made;
    auto player = FakeMediaPlayer::factory(&made)(nullptr);
    made.at(0)->endsByItself = true;
    keepsThePromises(*player, [&] { made.at(0)->failNextPlay(); });
}

TEST_F(MpvMediaPlayerTest, TheEndOfAReplacedFileDoesNotStopTheNextOne) {
    MpvMediaPlayer player;
    record(player);
    player.setFileName(path("long.wav"));
    player.play();
    linger(200);
    // A stop and a new name each replace the file mpv plays; the new one (30 s long) plays on.
    player.stop();
    player.play();
    player.setFileName(path("./long.wav"));
    player.play();
    linger(1000);
    EXPECT_EQ(changes, (Changes{{0, 2}, {2, 0}, {0, 2}, {2, 0}, {0, 2}}));
}

TEST_F(MpvMediaPlayerTest, ASoundSetAgainBeforeEachPlayPlaysEachTime) {
    // The browser names its sound again before every play; a name set again while the file
    // waits at its beginning must not leave it waiting for ever, whatever came before.
    // Each round leaves the player in another state; the first name set again ends the pause or
    // the play it left.
    for (const bool paused : {true, false}) {
        SCOPED_TRACE(paused ? "after a pause" : "after a play of another file");
        MpvMediaPlayer player;
        record(player);
        player.setFileName(path("short.wav"));
        if (!paused)
            player.setFileName(path("long.wav"));
        player.play();
        if (paused)
            player.pause();
        linger(100);
        changes.clear();
        Changes expected{{paused ? 1 : 2, 0}};
        for (int round = 0; round < 2; ++round) {
            player.setFileName(path("short.wav"));
            player.setFileName(path("short.wav"));
            player.play();
            expected.insert(expected.end(), {{0, 2}, {2, 0}});
            ASSERT_TRUE(waitUntil([&] { return changes.size() >= expected.size(); })) << round;
        }
        EXPECT_EQ(changes, expected);
        EXPECT_EQ(player.fileName(), path("short.wav"));
    }
}

TEST_F(MpvMediaPlayerTest, PlayersOfOneFactoryEachPlayToTheirEnd) {
    // The first sound player takes over the mpv started while libmpv loaded, the others start
    // their own; the factory may go before its players, or without making any.
    { auto unused = MpvMediaPlayer::factory(); }
    std::vector<std::unique_ptr<MediaPlayer>> players;
    {
        auto factory = MpvMediaPlayer::factory();
        for (int i = 0; i < 3; ++i)
            players.push_back(factory(nullptr));
    }
    for (auto& player : players) {
        record(*player);
        player->setFileName(path("short.wav"));
        player->play();
    }
    ASSERT_TRUE(waitUntil([&] { return changes.size() >= 6; }));
    linger(50);
    EXPECT_EQ(std::count(changes.begin(), changes.end(), std::pair{2, 0}), 3);
    EXPECT_EQ(changes.size(), 6u);
}

TEST_F(MpvMediaPlayerTest, WithoutLibmpvEveryPlayStillEnds) {
    std::string error;
    EXPECT_EQ(zembra::MpvApi::load(error, "libmpv-that-is-not-there.so"), nullptr);
    EXPECT_NE(error.find("libmpv-that-is-not-there"), std::string::npos) << error;

    QWidget videoParent; // a video player, the one with a window to make
    MpvMediaPlayer player(&videoParent, nullptr, "null");
    record(player);
    player.setFileName(path("short.wav"));
    player.setVolume(-20);
    player.play();
    ASSERT_TRUE(waitUntil([&] { return changes.size() >= 2; }));
    EXPECT_EQ(changes, (Changes{{0, 2}, {2, 0}}));
    EXPECT_EQ(player.fileName(), QString());
}

TEST_F(MpvMediaPlayerTest, DestroyingAPlayingPlayerIsSafe) {
    QWidget videoParent;
    for (QWidget* parent : {static_cast<QWidget*>(nullptr), &videoParent}) {
        for (const int wait : {0, 200}) {
            MpvMediaPlayer player(parent);
            player.setFileName(path("long.wav"));
            player.play();
            linger(wait);
        }
        linger(50); // nothing posted for the players gone may run now
    }
}

TEST_F(MpvMediaPlayerTest, AVideoParentPassesKeysAndClicksOnAndMayGoAwayWhilePlaying) {
    auto videoParent = std::make_unique<QWidget>();
    auto player = MpvMediaPlayer::factory()(videoParent.get());
    // The factory's players stand in until libmpv, loaded at the first play, is there; the
    // video is watched from then on.
    const auto* standIn = dynamic_cast<zembra::DeferredMediaPlayer*>(player.get());
    ASSERT_NE(standIn, nullptr);
    player->setFileName(path("short.wav"));
    player->play();
    ASSERT_TRUE(waitUntil(
        [&] { return standIn->handedOver() && player->playState() == MediaPlayer::Stopped; }));
    linger(50);
    int keys = 0, clicks = 0;
    QObject::connect(player.get(), &MediaPlayer::keyPressed, [&] { ++keys; });
    QObject::connect(player.get(), &MediaPlayer::mouseClicked, [&] { ++clicks; });
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QString(), true);
    QMouseEvent click(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    for (QEvent* event : std::initializer_list<QEvent*>{&press, &repeat, &click})
        QCoreApplication::sendEvent(videoParent.get(), event);
    EXPECT_EQ(std::pair(keys, clicks), std::pair(1, 1)) << "keys, clicks (a held key is one press)";

    // A video plays to its end too (the sound did above).
    record(*player);
    player->setFileName(path("short.y4m"));
    player->play();
    ASSERT_TRUE(waitUntil([&] { return changes.size() >= 2; }));
    EXPECT_EQ(player->fileName(), path("short.y4m")) << "failed to play";
    // Its window going away stops the player, not the program; a play() still ends.
    player->setFileName(path("long.y4m"));
    player->play();
    linger(200);
    videoParent.reset();
    EXPECT_EQ(player->playState(), MediaPlayer::Stopped);
    player->play();
    ASSERT_TRUE(waitUntil([&] { return changes.size() >= 6; }));
    EXPECT_EQ(changes, (Changes{{0, 2}, {2, 0}, {0, 2}, {2, 0}, {0, 2}, {2, 0}}));
}

} // namespace
