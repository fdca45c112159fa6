// SPDX-License-Identifier: GPL-3.0-or-later
// The media player on mpv, and the fake the window tests use, keep the element's promises.
#include "zembra/platform/MpvMediaPlayer.h"

#include "tests/fakes/FakeMediaPlayer.h"
#include "tests/support/TempFolder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <chrono>
#include <cstdint>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

using testing_fakes::FakeMediaPlayer;
using testing_support::TempFolder;
using zembra::MediaPlayer;
using zembra::MpvMediaPlayer;
using Changes = std::vector<std::pair<int, int>>;

// mpv reports ends from its own threads; anything that must come gets this long.
constexpr int kPatienceMs = 20000;

void appendLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xff));
    }
}

// A WAV file of silence, 8 kHz mono 16-bit.
std::string silence(double seconds) {
    const auto dataBytes = static_cast<std::uint32_t>(seconds * 8000) * 2;
    std::string wav = "RIFF";
    appendLittleEndian(wav, 36 + dataBytes, 4);
    wav += "WAVEfmt ";
    appendLittleEndian(wav, 16, 4);
    appendLittleEndian(wav, 1, 2);        // PCM
    appendLittleEndian(wav, 1, 2);        // mono
    appendLittleEndian(wav, 8000, 4);     // samples a second
    appendLittleEndian(wav, 8000 * 2, 4); // bytes a second
    appendLittleEndian(wav, 2, 2);        // bytes a frame
    appendLittleEndian(wav, 16, 2);       // bits a sample
    wav += "data";
    appendLittleEndian(wav, dataBytes, 4);
    wav.append(dataBytes, '\0');
    return wav;
}

// A raw video (YUV4MPEG2) of grey 16x16 frames at 25 a second, without sound.
std::string greyVideo(int frames) {
    std::string video = "YUV4MPEG2 W16 H16 F25:1 Ip A1:1 C420jpeg\n";
    for (int i = 0; i < frames; ++i) {
        video += "FRAME\n";
        video.append(16 * 16 * 3 / 2, '\x80');
    }
    return video;
}

QString qs(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

template <typename Condition>
bool waitUntil(Condition condition) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > kPatienceMs) {
            return false;
        }
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

// Lets the queued calls already posted run.
void settle() {
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
    }
}

Changes& record(MediaPlayer& player, Changes& changes) {
    QObject::connect(&player, &MediaPlayer::playStateChanged,
                     [&changes](int old, int now) { changes.emplace_back(old, now); });
    return changes;
}

class MpvMediaPlayerTest : public ::testing::Test {
protected:
    MpvMediaPlayerTest() {
        folder.write("short.wav", silence(0.3));
        folder.write("long.wav", silence(30));
        folder.write("short.y4m", greyVideo(10));
        folder.write("long.y4m", greyVideo(750));
    }

    TempFolder folder;
    Changes changes;
};

TEST_F(MpvMediaPlayerTest, NamesThatAreNoReadableFileReadBackEmptyAndNothingPlays) {
    MpvMediaPlayer player;
    record(player, changes);
    folder.write("sub/keep", "");
    for (const QString& name : {qs(folder / "missing.mp3"), qs(folder / "sub"), QString()}) {
        player.setFileName(name);
        EXPECT_EQ(player.fileName(), QString()) << name.toStdString();
        player.play();
        EXPECT_EQ(player.playState(), MediaPlayer::Stopped) << name.toStdString();
    }
    settle();
    EXPECT_EQ(changes, Changes());

    // A name that cannot be opened still ends what played before.
    player.setFileName(qs(folder / "long.wav"));
    player.play();
    player.setFileName(qs(folder / "missing.mp3"));
    EXPECT_EQ(player.playState(), MediaPlayer::Stopped);
    EXPECT_TRUE(waitUntil([&] { return changes == Changes{{0, 2}, {2, 0}}; }));
}

TEST_F(MpvMediaPlayerTest, PlaysToTheEndAndAgain) {
    MpvMediaPlayer player;
    record(player, changes);
    // The name reads back as it was given, not as the player opened it.
    const QString name = qs(folder.path()) + "/./short.wav";
    player.setFileName(name);
    EXPECT_EQ(player.fileName(), name);
    EXPECT_EQ(player.playState(), MediaPlayer::Stopped);

    player.play();
    EXPECT_EQ(player.playState(), MediaPlayer::Playing);
    EXPECT_EQ(changes, Changes()) << "told from inside play()";
    ASSERT_TRUE(waitUntil([&] { return changes.size() >= 2; }));
    EXPECT_EQ(changes, (Changes{{0, 2}, {2, 0}}));
    EXPECT_EQ(player.playState(), MediaPlayer::Stopped);
    EXPECT_EQ(player.fileName(), name);

    player.play();
    EXPECT_EQ(player.playState(), MediaPlayer::Playing);
    ASSERT_TRUE(waitUntil([&] { return changes.size() >= 4; }));
    EXPECT_EQ(changes, (Changes{{0, 2}, {2, 0}, {0, 2}, {2, 0}}));
}

TEST_F(MpvMediaPlayerTest, PauseStopAndANewNameChangeTheStateAtOnce) {
    MpvMediaPlayer player;
    record(player, changes);
    player.setFileName(qs(folder / "long.wav"));
    player.play();
    ASSERT_TRUE(waitUntil([&] { return changes.size() == 1; }));

    player.pause();
    EXPECT_EQ(player.playState(), MediaPlayer::Paused);
    player.play();
    EXPECT_EQ(player.playState(), MediaPlayer::Playing);
    player.stop();
    EXPECT_EQ(player.playState(), MediaPlayer::Stopped);
    player.stop();
    settle();
    EXPECT_EQ(changes, (Changes{{0, 2}, {2, 1}, {1, 2}, {2, 0}}));

    // Playing again after a stop, then a new file: the end mpv reports for the file replaced
    // must not end the new one, which plays on (it is 30 s long; a second is given to any
    // stray end to arrive).
    changes.clear();
    player.play();
    ASSERT_TRUE(waitUntil([&] { return changes.size() == 1; }));
    folder.write("long2.wav", silence(30));
    player.setFileName(qs(folder / "long2.wav"));
    EXPECT_EQ(player.playState(), MediaPlayer::Stopped);
    player.play();
    QElapsedTimer timer;
    timer.start();
    waitUntil([&] { return timer.elapsed() > 1000; });
    EXPECT_EQ(player.playState(), MediaPlayer::Playing);
    EXPECT_EQ(changes, (Changes{{0, 2}, {2, 0}, {0, 2}}));

    player.setFileName(qs(folder / "short.wav"));
    player.play();
    ASSERT_TRUE(waitUntil([&] { return changes.size() >= 6; }));
    settle();
    EXPECT_EQ(changes, (Changes{{0, 2}, {2, 0}, {0, 2}, {2, 0}, {0, 2}, {2, 0}}));
    EXPECT_EQ(player.fileName(), qs(folder / "short.wav"));
}

TEST_F(MpvMediaPlayerTest, AFileThatDoesNotPlayStillStopsAndLosesItsName) {
    folder.write("text.mp3", "this is no sound\n");
    folder.write("empty.wav", silence(0));
    for (const char* file : {"text.mp3", "empty.wav"}) {
        // Played at once, and played after mpv has had time to find the fault while stopped.
        for (const bool waitFirst : {false, true}) {
            SCOPED_TRACE(std::string(file) + (waitFirst ? " after a wait" : " at once"));
            MpvMediaPlayer player;
            Changes seen;
            record(player, seen);
            player.setFileName(qs(folder / file));
            EXPECT_EQ(player.fileName(), qs(folder / file));
            if (waitFirst) {
                QElapsedTimer timer;
                timer.start();
                waitUntil([&] { return timer.elapsed() > 500; });
            }
            player.play();
            ASSERT_TRUE(waitUntil([&] { return seen.size() >= 2; }));
            EXPECT_EQ(seen, (Changes{{0, 2}, {2, 0}}));
            EXPECT_EQ(player.fileName(), QString());
            player.play();
            settle();
            EXPECT_EQ(player.playState(), MediaPlayer::Stopped);
        }
    }
}

TEST_F(MpvMediaPlayerTest, VolumeReadsBackWhatWasSet) {
    MpvMediaPlayer player;
    EXPECT_EQ(player.volume(), 0);
    for (const int volume : {-20, -3020, 0, -1500}) {
        player.setVolume(volume);
        EXPECT_EQ(player.volume(), volume);
    }
}

TEST_F(MpvMediaPlayerTest, DestroyingAPlayingPlayerIsSafe) {
    QWidget videoParent;
    for (QWidget* parent : {static_cast<QWidget*>(nullptr), &videoParent}) {
        for (const bool letItStart : {false, true}) {
            auto player = std::make_unique<MpvMediaPlayer>(parent);
            player->setFileName(qs(folder / "long.wav"));
            player->play();
            if (letItStart) {
                Changes seen;
                record(*player, seen);
                ASSERT_TRUE(waitUntil([&] { return !seen.empty(); }));
            }
            player.reset();
            settle();
        }
    }
}

TEST_F(MpvMediaPlayerTest, AVideoParentPassesKeysAndClicksOnAndSoundStillPlays) {
    QWidget videoParent;
    videoParent.resize(64, 48);
    auto player = MpvMediaPlayer::factory()(&videoParent);
    int keys = 0;
    int clicks = 0;
    QObject::connect(player.get(), &MediaPlayer::keyPressed, [&] { ++keys; });
    QObject::connect(player.get(), &MediaPlayer::mouseClicked, [&] { ++clicks; });

    QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QString(), true);
    QMouseEvent click(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&videoParent, &press);
    QCoreApplication::sendEvent(&videoParent, &repeat);
    QCoreApplication::sendEvent(&videoParent, &click);
    EXPECT_EQ(keys, 1);
    EXPECT_EQ(clicks, 1);

    record(*player, changes);
    for (const char* file : {"short.wav", "short.y4m"}) {
        player->setFileName(qs(folder / file));
        player->play();
    }
    ASSERT_TRUE(waitUntil([&] { return changes.size() >= 4; }));
    EXPECT_EQ(changes, (Changes{{0, 2}, {2, 0}, {0, 2}, {2, 0}}));
}

TEST_F(MpvMediaPlayerTest, AVideoParentGoingAwayStopsThePlayerButNotTheProgram) {
    auto videoParent = std::make_unique<QWidget>();
    videoParent->resize(64, 48);
    videoParent->show();
    MpvMediaPlayer player(videoParent.get());
    record(player, changes);
    player.setFileName(qs(folder / "long.y4m"));
    player.play();
    ASSERT_TRUE(waitUntil([&] { return changes.size() == 1; }));

    videoParent.reset();
    EXPECT_EQ(player.playState(), MediaPlayer::Stopped);
    // With nothing to draw into, a play() still ends with its stop.
    player.play();
    ASSERT_TRUE(waitUntil([&] { return changes.size() >= 4; }));
    EXPECT_EQ(changes, (Changes{{0, 2}, {2, 0}, {0, 2}, {2, 0}}));
}

TEST(FakeMediaPlayer, KeepsTheElementsPromises) {
    TempFolder folder;
    folder.write("pop.mp3", "x");
    std::vector<FakeMediaPlayer*> made;
    QWidget videoParent;
    auto owned = FakeMediaPlayer::factory(&made)(&videoParent);
    ASSERT_EQ(made.size(), 1u);
    FakeMediaPlayer& player = *made[0];
    EXPECT_EQ(player.videoParent, &videoParent);
    Changes changes;
    record(player, changes);

    player.setFileName(qs(folder / "missing.mp3"));
    EXPECT_EQ(player.fileName(), QString());
    player.play();
    EXPECT_EQ(player.playState(), MediaPlayer::Stopped);

    player.setFileName(qs(folder / "pop.mp3"));
    EXPECT_EQ(player.fileName(), qs(folder / "pop.mp3"));
    player.play();
    EXPECT_EQ(player.playState(), MediaPlayer::Playing);
    EXPECT_EQ(changes, Changes()) << "told from inside play()";
    player.pause();
    player.play();
    player.finish();
    EXPECT_EQ(player.playState(), MediaPlayer::Stopped);
    settle();
    EXPECT_EQ(changes, (Changes{{0, 2}, {2, 1}, {1, 2}, {2, 0}}));

    changes.clear();
    player.endsByItself = true;
    player.play();
    settle();
    EXPECT_EQ(changes, (Changes{{0, 2}, {2, 0}}));

    // A stop before the end came: only one end is told.
    changes.clear();
    player.play();
    player.stop();
    settle();
    EXPECT_EQ(changes, (Changes{{0, 2}, {2, 0}}));

    changes.clear();
    player.failNextPlay();
    player.play();
    settle();
    EXPECT_EQ(changes, (Changes{{0, 2}, {2, 0}}));
    EXPECT_EQ(player.fileName(), QString());

    player.setVolume(-20);
    EXPECT_EQ(player.volume(), -20);
    const std::vector<std::string> expected{"setFileName " + (folder / "missing.mp3").string(),
                                            "play",
                                            "setFileName " + (folder / "pop.mp3").string(),
                                            "play",
                                            "pause",
                                            "play",
                                            "play",
                                            "play",
                                            "stop",
                                            "play",
                                            "setVolume -20"};
    EXPECT_EQ(player.calls, expected);
}

} // namespace
