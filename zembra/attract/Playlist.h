// SPDX-License-Identifier: GPL-3.0-or-later
// default.m3u: the songs the attract mode plays, as the cabinet owner lists them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zembra {

class FileProbe;

inline constexpr int kMaxSongs = 8000; ///< entries kept at most

/// The songs, numbered from 1 as the settings count them (`songIdx`).
struct Playlist {
    std::vector<std::string> songs; ///< program paths; entry n is songs[n - 1]

    int songCount() const { return static_cast<int>(songs.size()); }
    /// Entry `n`, or an empty name when there is no such entry (nothing is played then).
    const std::string& entry(int n) const;
};

/// Whether the song file exists.
bool CheckMp3(FileProbe& probe, std::string_view path);

/// Reads the playlist's text (already decoded). Each line is split at its commas into fields;
/// every field naming an existing file becomes the next entry, the rest are passed over. A
/// line that starts with "#" is a comment of the m3u format and is passed over whole, with any
/// commas it holds. A relative field is taken from the program folder. At most kMaxSongs
/// entries are kept; later lines are not even looked at.
Playlist readPlaylist(std::string_view text, std::string_view programFolder, FileProbe& probe);

/// Reads the program folder's "default.m3u"; a missing or unreadable file is an empty list
/// (the attract mode is then silent).
Playlist setarray(const std::string& programFolder, FileProbe& probe);

} // namespace zembra
