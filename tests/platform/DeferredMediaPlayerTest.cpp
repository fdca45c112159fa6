// SPDX-License-Identifier: GPL-3.0-or-later
// The stand-in player: what it is told before its library is loaded reaches the real player.
#include "zembra/platform/linux/DeferredMediaPlayer.h"

#include "tests/fakes/FakeMediaPlayer.h"
#include "tests/support/TempFolder.h"
#include "tests/support/Waiting.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {

using testing_fakes::FakeMediaPlayer;
using zembra::MediaPlayer;
using Strings = std::vector<std::string>;

class DeferredMediaPlayerTest : public ::testing::Test {
protected:
    DeferredMediaPlayerTest() {
        folder.write("pop.wav", "x");
        QObject::connect(&player, &MediaPlayer::playStateChanged,
                         [this](int from, int to) { changes.emplace_back(from, to); });
    }

    /// Processes events until the real player has been made.
    bool handedOver() {
        return testing_support::pollUntil([this] { return made != nullptr; },
                                          [] { QCoreApplication::processEvents(); });
    }

    QString file(const char* name) const {
        return QString::fromStdString((folder / name).string());
    }

    testing_support::TempFolder folder;
    bool ready = false;
    FakeMediaPlayer* made = nullptr;
    zembra::DeferredMediaPlayer player{[this] { return ready; },
                                       [this] {
                                           auto real = std::make_unique<FakeMediaPlayer>();
                                           made = real.get();
                                           return real;
                                       },
                                       [](const QString& name) { return QFileInfo(name).isFile(); },
                                       [] {}};
    std::vector<std::pair<int, int>> changes;
};

TEST_F(DeferredMediaPlayerTest, WhatItIsToldMeanwhileIsHandedOverInEffect) {
    player.setVolume(-200);
    player.setFileName(file("missing.wav"));
    EXPECT_EQ(player.fileName(), QString()); // at once, as the real player says it
    player.setFileName(file("pop.wav"));
    EXPECT_EQ(player.fileName(), file("pop.wav"));
    player.play();
    EXPECT_EQ(player.playState(), MediaPlayer::Playing);

    ready = true;
    ASSERT_TRUE(handedOver());
    EXPECT_EQ(made->calls,
              (Strings{"setVolume -200", "setFileName " + file("pop.wav").toStdString(), "play"}));
    QCoreApplication::processEvents();
    made->finish();
    QCoreApplication::processEvents();
    EXPECT_EQ(changes, (std::vector<std::pair<int, int>>{{0, 2}, {2, 0}}));

    // From then on every call goes straight to the real player.
    player.pause();
    EXPECT_EQ(made->calls.back(), "pause");
}

TEST_F(DeferredMediaPlayerTest, AStopBeforeTheLibraryKeepsTheSoundFromStartingAndIsTold) {
    for (const bool pause : {false, true}) {
        SCOPED_TRACE(pause ? "pause" : "stop");
        player.setFileName(file("pop.wav"));
        player.play();
        pause ? player.pause() : player.stop();
    }
    ready = true;
    ASSERT_TRUE(handedOver());
    EXPECT_EQ(player.fileName(), file("pop.wav"));
    EXPECT_EQ(made->calls, Strings{"setFileName " + file("pop.wav").toStdString()});
    EXPECT_EQ(player.playState(), MediaPlayer::Stopped);
    // Every play was followed by its stop, as a window waiting for the end (the intro) needs.
    EXPECT_EQ(changes, (std::vector<std::pair<int, int>>{{0, 2}, {2, 0}, {0, 2}, {2, 0}}));
}

} // namespace
