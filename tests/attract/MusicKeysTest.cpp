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
using zembra::MusicState;
using zembra::Playback;

namespace {

MusicState songs(int idx, int count, float shuffle = 0, int volume = -100) {
    return MusicState{shuffle, idx, volume, count};
}

MusicCommand play(int song) {
    return MusicCommand{song, true, Playback::Keep, std::nullopt, ""};
}

MusicCommand say(std::string message, Playback playback = Playback::Keep,
                 std::optional<int> volume = std::nullopt) {
    return MusicCommand{0, false, playback, volume, std::move(message)};
}

TEST(MusicKeys, EachKeyInTheScreensaverAndTheViewer) {
    const zembra::MusicSituation saver{false, true, false};
    const zembra::MusicSituation viewer{false, false, false};
    const zembra::MusicSituation shift{false, true, true};
    const float on = zembra::kShuffleOn;
    struct Row {
        const char* what;
        MusicState before;
        MusicKey key;
        zembra::MusicSituation now;
        MusicState after;
        MusicCommand command;
    };
    // The generator answers 0.5: with four songs the random pick is song 3. A plain skip, its
    // wrap, the pause and the viewer's previous song are seen in the attract window's tests, a
    // step down from full volume end to end.
    const std::vector<Row> rows = {
        {"shuffle on", songs(2, 4, 1), MusicKey::Refresh, saver, songs(2, 4, on),
         say("Shuffle Mode")},
        {"shuffle off", songs(2, 4, on), MusicKey::Refresh, viewer, songs(2, 4),
         say("Standard Mode")},
        {"play", songs(2, 4), MusicKey::Select, viewer, songs(2, 4),
         say("Playing....", Playback::Resume)},
        {"next shuffled", songs(1, 4, on), MusicKey::NextPage, saver, songs(3, 4, on), play(3)},
        {"viewer: next is the first", songs(2, 4, on), MusicKey::NextPage, viewer, songs(1, 4, on),
         play(1)},
        {"a number past a shrunk list", songs(9, 4), MusicKey::PrevPage, saver, songs(4, 4),
         play(4)},
        {"no songs: nothing plays", songs(0, 0), MusicKey::NextPage, saver, songs(1, 0), {}},
        {"shift holds the volume", songs(2, 4), MusicKey::Down, shift, songs(2, 4), {}},
        {"down to the floor", songs(1, 2, 0, -3000), MusicKey::Down, saver, songs(1, 2, 0, -3020),
         say("Volume = :  -20", Playback::Keep, -3020)},
        {"up at full", songs(1, 2, 0, 0), MusicKey::Up, saver, songs(1, 2, 0, 0), {}},
        {"off the grid stays inside", songs(1, 2, 0, -10), MusicKey::Up, saver, songs(1, 2, 0, 0),
         say("Volume = :   3000", Playback::Keep, 0)},
        {"viewer: no volume", songs(1, 2), MusicKey::Up, viewer, songs(1, 2), {}},
    };
    for (const auto& row : rows) {
        FakeRandom random{0.5};
        const auto out = zembra::handleMusicKey(row.before, row.key, row.now, random);
        EXPECT_EQ(out.state, row.after) << row.what;
        EXPECT_EQ(out.command, row.command) << row.what;
    }
}

TEST(MusicKeys, SongsChosenAtOpeningAndAtTheEndOfASong) {
    FakeRandom random{0.99};
    EXPECT_EQ(zembra::openingSong(2, 3, true, random), 2);
    EXPECT_EQ(zembra::openingSong(1, 0, true, random), 0);
    // A generator's value at or past its bounds never picks outside the list.
    for (const double value : {0.0, 1.0, -1.0, std::numeric_limits<double>::quiet_NaN()}) {
        FakeRandom odd{value};
        const int song = zembra::songAtEnd(songs(1, 5), odd);
        EXPECT_TRUE(song >= 1 && song <= 5) << value;
    }
}

TEST(MusicKeys, SavedValuesAndTheKeysOfTheJukebox) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float huge = std::numeric_limits<float>::max();
    EXPECT_EQ(zembra::songNumber(huge), 0);
    EXPECT_EQ(zembra::volumeLevel(-huge), zembra::kQuietestVolume);
    EXPECT_EQ(zembra::volumeLevel(nan), 0);
    zembra::KeyBindings keys;
    keys.keyUp = 38;
    keys.keySelect = 38; // Up comes first
    keys.keyRefresh = 116;
    EXPECT_EQ(zembra::musicKeyOfCode(keys, 38), MusicKey::Up);
    EXPECT_EQ(zembra::musicKeyOfCode(keys, 0), std::nullopt); // unbound keys match nothing
}

TEST(MusicVolume, EveryStepIsHeardAndTheFloorIsSilent) {
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
