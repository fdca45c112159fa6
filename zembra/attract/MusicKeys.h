// SPDX-License-Identifier: GPL-3.0-or-later
// The jukebox of the attract mode: what each music key does to the song, the pause and the
// volume, as a rule the window applies to its player.
#pragma once

#include "zembra/input/Action.h"
#include "zembra/input/KeyFile.h"

#include <optional>
#include <string>

namespace zembra {

class RandomSource;

inline constexpr int kVolumeStep = 20;
inline constexpr int kQuietestVolume = -3020; ///< the program's scale: 0 is full volume
inline constexpr float kShuffleOn = -1;       ///< `shuffle` holds this when shuffle is on

/// The six keys the attract window gives to the jukebox; any other key closes the window.
enum class MusicKey { Refresh, Select, PrevPage, NextPage, Down, Up };

/// The music key an action stands for (Select, Up, Down, Previous Page, Next Page, Refresh);
/// nothing for any other action, which closes the attract window.
std::optional<MusicKey> musicKeyOf(Action action);

/// The music key bound to key `code`: the first of Up, Down, Next Page, Previous Page, Refresh
/// and Select bound to it; nothing for any other key (an unbound action matches no key).
std::optional<MusicKey> musicKeyOfCode(const KeyBindings& keys, int code);

/// What the jukebox keeps between keys; the first three are saved in quarn.cfg.
struct MusicState {
    float shuffle = 0; ///< kShuffleOn, or anything else for the playlist's order
    int songIdx = 0;   ///< the current song, from 1
    int volume = 0;    ///< kQuietestVolume to 0
    int songCount = 0; ///< entries of the playlist

    bool shuffled() const { return shuffle == kShuffleOn; }
    bool operator==(const MusicState&) const = default;
};

/// What the window knows at the moment of the key.
struct MusicSituation {
    bool playing = false;  ///< the player is playing (not paused, not stopped)
    bool rotating = false; ///< the artwork rotation runs: the window is the screensaver
    bool shift = false;    ///< Shift is held
};

enum class Playback { Keep, Pause, Resume };

/// What the window does to its player and labels, in this order.
struct MusicCommand {
    int playSong = 0;       ///< entry to give the player and play; 0 for none
    bool showTitle = false; ///< show the title of `playSong` (its tag, or its file name)
    Playback playback = Playback::Keep;
    std::optional<int> volume; ///< the player's new level
    std::string message;       ///< shown in the middle of the window; empty for none

    bool operator==(const MusicCommand&) const = default;
};

struct MusicOutcome {
    MusicState state;
    MusicCommand command;
};

/// One music key. Refresh and Select always act. Up and Down act only while the rotation runs;
/// PrevPage and NextPage step through the list (or, with shuffle on, jump at random) while it
/// runs, and in the picture viewer go to the last song and the first. With Shift held, Up,
/// Down, PrevPage and NextPage do nothing. A playlist without songs plays nothing.
MusicOutcome handleMusicKey(const MusicState& state, MusicKey key, const MusicSituation& now,
                            RandomSource& random);

/// The song played when the window opens: a song number outside the playlist becomes a random
/// one in the screensaver and the first in the picture viewer; 0 when the playlist is empty.
int openingSong(int songIdx, int songCount, bool screensaver, RandomSource& random);

/// The song played when one ends by itself: always a random one, whatever `shuffle` says, and
/// `songIdx` stays as it is. 0 when the playlist is empty.
int songAtEnd(const MusicState& state, RandomSource& random);

/// quarn.cfg's `songIdx` as a song number: rounded, halves to even; 0 when it is no number or
/// too large to be one.
int songNumber(float songIdx);

/// quarn.cfg's `musicVolume` as a level the keys step from: rounded, halves to even, and kept
/// between kQuietestVolume and 0 (no number at all is full volume).
int volumeLevel(float musicVolume);

/// The message after Up or Down: "Volume = :  " and the level above -3000, a non-negative
/// number with a blank before it ("Volume = :   2980").
std::string volumeMessage(int volume);

/// libmpv's volume (0 to 100, a cubic curve: amplitude = (v / 100)^3) for a level of the
/// program's scale. Every step of 20 is 0.6 dB, and kQuietestVolume is about 90 dB below full
/// volume, where nothing is heard.
double mpvMusicVolume(int volume);

} // namespace zembra
