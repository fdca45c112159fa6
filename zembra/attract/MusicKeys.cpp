// SPDX-License-Identifier: GPL-3.0-or-later
// The music keys' rules, the song chosen at the start and the end of a song, and the volume.
#include "zembra/attract/MusicKeys.h"

#include "common/text/Numbers.h"
#include "zembra/attract/RandomSource.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zembra {

namespace {

MusicOutcome playSong(MusicState state, int song) {
    MusicOutcome out{state, {}};
    out.state.songIdx = song;
    if (state.songCount > 0) {
        out.command.playSong = song;
        out.command.showTitle = true;
    }
    return out;
}

MusicOutcome changeVolume(const MusicState& state, int by) {
    MusicOutcome out{state, {}};
    // The level is kept inside the scale: a quarn.cfg edited by hand may hold -3010 or 15, and
    // a step from there must not leave it.
    out.state.volume = std::clamp(state.volume + by, kQuietestVolume, 0);
    out.command.volume = out.state.volume;
    out.command.message = volumeMessage(out.state.volume);
    return out;
}

} // namespace

std::optional<MusicKey> musicKeyOf(Action action) {
    switch (action) {
    case Action::Select:
        return MusicKey::Select;
    case Action::Up:
        return MusicKey::Up;
    case Action::Down:
        return MusicKey::Down;
    case Action::PrevPage:
        return MusicKey::PrevPage;
    case Action::NextPage:
        return MusicKey::NextPage;
    case Action::Refresh:
        return MusicKey::Refresh;
    default:
        return std::nullopt;
    }
}

std::optional<MusicKey> musicKeyOfCode(const KeyBindings& keys, int code) {
    for (const Action action : {Action::Up, Action::Down, Action::NextPage, Action::PrevPage,
                                Action::Refresh, Action::Select}) {
        const KeyBindings::Code& bound = keys.of(action);
        if (bound && *bound == code) {
            return musicKeyOf(action);
        }
    }
    return std::nullopt;
}

MusicOutcome handleMusicKey(const MusicState& state, MusicKey key, const MusicSituation& now,
                            RandomSource& random) {
    const MusicOutcome nothing{state, {}};
    const bool moves = key == MusicKey::PrevPage || key == MusicKey::NextPage ||
                       key == MusicKey::Up || key == MusicKey::Down;
    if (moves && now.shift) {
        return nothing;
    }
    switch (key) {
    case MusicKey::Refresh: {
        MusicOutcome out = nothing;
        out.state.shuffle = state.shuffled() ? 0 : kShuffleOn;
        out.command.message = out.state.shuffled() ? "Shuffle Mode" : "Standard Mode";
        return out;
    }
    case MusicKey::Select: {
        MusicOutcome out = nothing;
        out.command.playback = now.playing ? Playback::Pause : Playback::Resume;
        out.command.message = now.playing ? "Paused" : "Playing....";
        return out;
    }
    case MusicKey::PrevPage:
        if (state.shuffled() && now.rotating) {
            return playSong(state, randomEntry(random, state.songCount));
        }
        if (state.songIdx > 1 && now.rotating) {
            // A number left beyond a playlist that has since shrunk steps back from its end.
            return playSong(state, std::min(state.songIdx - 1, state.songCount));
        }
        return playSong(state, state.songCount);
    case MusicKey::NextPage:
        if (state.shuffled() && now.rotating) {
            return playSong(state, randomEntry(random, state.songCount));
        }
        if (state.songIdx < state.songCount && now.rotating) {
            return playSong(state, std::max(state.songIdx + 1, 1));
        }
        return playSong(state, 1);
    case MusicKey::Down:
        if (!now.rotating || state.volume < kQuietestVolume + kVolumeStep) {
            return nothing;
        }
        return changeVolume(state, -kVolumeStep);
    case MusicKey::Up:
        if (!now.rotating || state.volume >= 0) {
            return nothing;
        }
        return changeVolume(state, kVolumeStep);
    }
    return nothing;
}

int openingSong(int songIdx, int songCount, bool screensaver, RandomSource& random) {
    if (songCount <= 0) {
        return 0;
    }
    if (songIdx >= 1 && songIdx <= songCount) {
        return songIdx;
    }
    return screensaver ? randomEntry(random, songCount) : 1;
}

int songAtEnd(const MusicState& state, RandomSource& random) {
    return randomEntry(random, state.songCount);
}

int songNumber(float songIdx) {
    return common::toInt32(songIdx).value_or(0);
}

int volumeLevel(float musicVolume) {
    if (std::isnan(musicVolume)) {
        return 0;
    }
    const double rounded = common::roundHalfEven(musicVolume);
    return static_cast<int>(std::clamp(rounded, double(kQuietestVolume), 0.0));
}

std::string volumeMessage(int volume) {
    return "Volume = :  " + common::blankNumber(volume + 3000);
}

double mpvMusicVolume(int volume) {
    const int level = std::clamp(volume, kQuietestVolume, 0);
    // Three times the decibels of the program's hundredths: a step of 20 is 0.6 dB, which is
    // heard, and the scale's end is 90 dB down. mpv cubes its volume, so the amplitude's cube
    // root is what it is given.
    const double decibels = 3.0 * level / 100.0;
    return 100.0 * std::pow(10.0, decibels / 60.0);
}

} // namespace zembra
