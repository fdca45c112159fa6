// SPDX-License-Identifier: GPL-3.0-or-later
// The jukebox keys: the song, the pause, shuffle and the volume, in the screensaver and the viewer.
#include "zembra/attract/MusicKeys.h"

#include "tests/fakes/FakeRandom.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using testing_fakes::FakeRandom;
using zembra::MusicCommand;
using zembra::MusicKey;
using zembra::MusicSituation;
using zembra::MusicState;
using zembra::Playback;

namespace {

constexpr bool kRotating = true;
constexpr bool kViewer = false;

MusicState songs(int idx, int count, float shuffle = 0, int volume = -100) {
    return MusicState{shuffle, idx, volume, count};
}

MusicCommand play(int song) {
    MusicCommand c;
    c.playSong = song;
    c.showTitle = true;
    return c;
}

MusicCommand say(std::string message, Playback playback = Playback::Keep) {
    MusicCommand c;
    c.message = std::move(message);
    c.playback = playback;
    return c;
}

MusicCommand volume(int level, std::string message) {
    MusicCommand c;
    c.volume = level;
    c.message = std::move(message);
    return c;
}

struct Row {
    const char* what;
    MusicState before;
    MusicKey key;
    MusicSituation now;
    MusicState after;
    MusicCommand command;
};

TEST(MusicKeys, EachKeyInTheScreensaverAndTheViewer) {
    const MusicSituation saver{false, kRotating, false};
    const MusicSituation viewer{false, kViewer, false};
    const MusicSituation playing{true, kRotating, false};
    const MusicSituation shift{false, kRotating, true};
    const float on = zembra::kShuffleOn;
    // The generator answers 0.5: with four songs the random pick is song 3.
    const std::vector<Row> rows = {
        {"shuffle on", songs(2, 4), MusicKey::Refresh, saver, songs(2, 4, on), say("Shuffle Mode")},
        {"shuffle off", songs(2, 4, on), MusicKey::Refresh, viewer, songs(2, 4, 0),
         say("Standard Mode")},
        {"any other value is off", songs(2, 4, 1), MusicKey::Refresh, saver, songs(2, 4, on),
         say("Shuffle Mode")},
        {"pause", songs(2, 4), MusicKey::Select, playing, songs(2, 4),
         say("Paused", Playback::Pause)},
        {"play", songs(2, 4), MusicKey::Select, viewer, songs(2, 4),
         say("Playing....", Playback::Resume)},

        {"next", songs(2, 4), MusicKey::NextPage, saver, songs(3, 4), play(3)},
        {"next wraps", songs(4, 4), MusicKey::NextPage, saver, songs(1, 4), play(1)},
        {"previous", songs(2, 4), MusicKey::PrevPage, saver, songs(1, 4), play(1)},
        {"previous wraps", songs(1, 4), MusicKey::PrevPage, saver, songs(4, 4), play(4)},
        {"next shuffled", songs(1, 4, on), MusicKey::NextPage, saver, songs(3, 4, on), play(3)},
        {"previous shuffled", songs(1, 4, on), MusicKey::PrevPage, saver, songs(3, 4, on), play(3)},
        {"viewer: next is the first", songs(2, 4), MusicKey::NextPage, viewer, songs(1, 4),
         play(1)},
        {"viewer: previous is the last", songs(2, 4), MusicKey::PrevPage, viewer, songs(4, 4),
         play(4)},
        {"viewer ignores shuffle", songs(2, 4, on), MusicKey::NextPage, viewer, songs(1, 4, on),
         play(1)},
        {"a number past a shrunk list", songs(9, 4), MusicKey::PrevPage, saver, songs(4, 4),
         play(4)},
        {"no songs: nothing plays", songs(0, 0), MusicKey::NextPage, saver, songs(1, 0), {}},
        {"no songs, shuffled", songs(0, 0, on), MusicKey::PrevPage, saver, songs(0, 0, on), {}},

        {"shift holds the song", songs(2, 4), MusicKey::NextPage, shift, songs(2, 4), {}},
        {"shift holds it back", songs(2, 4), MusicKey::PrevPage, shift, songs(2, 4), {}},
        {"shift holds the volume", songs(2, 4), MusicKey::Up, shift, songs(2, 4), {}},
        {"shift holds it down", songs(2, 4), MusicKey::Down, shift, songs(2, 4), {}},
        {"shift still shuffles", songs(2, 4), MusicKey::Refresh, shift, songs(2, 4, on),
         say("Shuffle Mode")},
    };
    for (const auto& row : rows) {
        FakeRandom random{0.5};
        const auto out = zembra::handleMusicKey(row.before, row.key, row.now, random);
        EXPECT_EQ(out.state, row.after) << row.what;
        EXPECT_EQ(out.command, row.command) << row.what;
    }
}

TEST(MusicKeys, VolumeStepsWithinItsLimitsOnlyInTheScreensaver) {
    const MusicSituation saver{true, kRotating, false};
    const MusicSituation viewer{true, kViewer, false};
    const std::vector<Row> rows = {
        {"down from full", songs(1, 2, 0, 0), MusicKey::Down, saver, songs(1, 2, 0, -20),
         volume(-20, "Volume = :   2980")},
        {"down to the floor", songs(1, 2, 0, -3000), MusicKey::Down, saver, songs(1, 2, 0, -3020),
         volume(-3020, "Volume = :  -20")},
        {"down at the floor",
         songs(1, 2, 0, -3020),
         MusicKey::Down,
         saver,
         songs(1, 2, 0, -3020),
         {}},
        {"up to full", songs(1, 2, 0, -20), MusicKey::Up, saver, songs(1, 2, 0, 0),
         volume(0, "Volume = :   3000")},
        {"up at full", songs(1, 2, 0, 0), MusicKey::Up, saver, songs(1, 2, 0, 0), {}},
        {"up from the floor", songs(1, 2, 0, -3020), MusicKey::Up, saver, songs(1, 2, 0, -3000),
         volume(-3000, "Volume = :   0")},
        {"off the grid stays inside", songs(1, 2, 0, -10), MusicKey::Up, saver, songs(1, 2, 0, 0),
         volume(0, "Volume = :   3000")},
        {"viewer: up", songs(1, 2, 0, -100), MusicKey::Up, viewer, songs(1, 2, 0, -100), {}},
        {"viewer: down", songs(1, 2, 0, -100), MusicKey::Down, viewer, songs(1, 2, 0, -100), {}},
    };
    for (const auto& row : rows) {
        FakeRandom random{0.5};
        const auto out = zembra::handleMusicKey(row.before, row.key, row.now, random);
        EXPECT_EQ(out.state, row.after) << row.what;
        EXPECT_EQ(out.command, row.command) << row.what;
    }

    // From full volume to the floor and back takes 151 steps each way.
    MusicState state = songs(1, 2, 0, 0);
    FakeRandom random{0.5};
    int steps = 0;
    while (zembra::handleMusicKey(state, MusicKey::Down, saver, random).command.volume) {
        state = zembra::handleMusicKey(state, MusicKey::Down, saver, random).state;
        ++steps;
    }
    EXPECT_EQ(steps, 151);
    EXPECT_EQ(state.volume, zembra::kQuietestVolume);
}

TEST(MusicKeys, SongsChosenAtOpeningAndAtTheEndOfASong) {
    FakeRandom random{0.99};
    EXPECT_EQ(zembra::openingSong(2, 3, true, random), 2);
    EXPECT_EQ(zembra::openingSong(0, 3, true, random), 3);
    EXPECT_EQ(zembra::openingSong(4, 3, true, random), 3);
    EXPECT_EQ(zembra::openingSong(4, 3, false, random), 1);
    EXPECT_EQ(zembra::openingSong(-2, 3, false, random), 1);
    EXPECT_EQ(zembra::openingSong(1, 0, true, random), 0);
    EXPECT_EQ(zembra::openingSong(1, 0, false, random), 0);

    // The end of a song is random even with shuffle off.
    EXPECT_EQ(zembra::songAtEnd(songs(1, 5), random), 5);
    EXPECT_EQ(zembra::songAtEnd(songs(1, 0), random), 0);
    // A generator's value at or past its bounds never picks outside the list.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const double value : {0.0, 1.0, 7.0, -1.0, nan}) {
        FakeRandom odd{value};
        const int song = zembra::songAtEnd(songs(1, 5), odd);
        EXPECT_GE(song, 1) << value;
        EXPECT_LE(song, 5) << value;
    }
}

TEST(MusicKeys, JoystickActionNamesAndSavedValues) {
    EXPECT_EQ(zembra::musicKeyOfAction("select"), MusicKey::Select);
    EXPECT_EQ(zembra::musicKeyOfAction("LeftPage"), MusicKey::PrevPage);
    EXPECT_EQ(zembra::musicKeyOfAction("RIGHTPAGE"), MusicKey::NextPage);
    EXPECT_EQ(zembra::musicKeyOfAction("Refresh"), MusicKey::Refresh);
    EXPECT_EQ(zembra::musicKeyOfAction("EXIT"), std::nullopt);
    EXPECT_EQ(zembra::musicKeyOfAction("SCREENSAVER"), std::nullopt);

    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float huge = std::numeric_limits<float>::max();
    EXPECT_EQ(zembra::songNumber(2.5f), 2);
    EXPECT_EQ(zembra::songNumber(3.5f), 4);
    EXPECT_EQ(zembra::songNumber(nan), 0);
    EXPECT_EQ(zembra::songNumber(huge), 0);
    EXPECT_EQ(zembra::volumeLevel(-260), -260);
    EXPECT_EQ(zembra::volumeLevel(15), 0);
    EXPECT_EQ(zembra::volumeLevel(-huge), zembra::kQuietestVolume);
    EXPECT_EQ(zembra::volumeLevel(nan), 0);
}

TEST(MusicVolume, EveryStepIsHeardAndTheFloorIsSilent) {
    EXPECT_DOUBLE_EQ(zembra::mpvMusicVolume(0), 100.0);
    EXPECT_DOUBLE_EQ(zembra::mpvMusicVolume(50), 100.0);
    const double floor = zembra::mpvMusicVolume(zembra::kQuietestVolume);
    EXPECT_DOUBLE_EQ(zembra::mpvMusicVolume(-100000), floor);
    // mpv's amplitude is (volume / 100) cubed: the floor lies more than 80 dB down.
    EXPECT_LT(60.0 * std::log10(floor / 100.0), -80.0);
    for (int level = zembra::kQuietestVolume; level < 0; level += zembra::kVolumeStep) {
        const double quieter = zembra::mpvMusicVolume(level);
        const double louder = zembra::mpvMusicVolume(level + zembra::kVolumeStep);
        // Half a decibel is about the least change a listener notices.
        EXPECT_GE(60.0 * std::log10(louder / quieter), 0.5) << level;
    }
}

} // namespace
