// SPDX-License-Identifier: GPL-3.0-or-later
// The song title shown after a skip: the ID3v1 tag at the end of the file, or the file's name.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zembra {

inline constexpr std::size_t kId3v1Size = 128; ///< the tag is the file's last 128 bytes

struct SongTag {
    std::string title;
    std::string artist;
    std::string album;

    bool operator==(const SongTag&) const = default;
};

/// The tag in a file's final bytes (`tail`, up to kId3v1Size of them). Nothing when there are
/// fewer than kId3v1Size or they do not begin with "TAG". Each field ends at its first NUL and
/// loses the blanks around it; its text is UTF-8 when it is valid UTF-8, Windows-1252 otherwise.
std::optional<SongTag> parseId3v1(std::string_view tail);

/// Reads the tag of a song file (a program path). Nothing when the file is short, has no tag or
/// cannot be read. Reads only the last kId3v1Size bytes; never call it on the window thread.
std::optional<SongTag> readId3v1(const std::string& programPath);

/// What the three labels show after a skip by key: title, artist and album on labels 0 to 2,
/// or, without a tag, the song's file name alone on label 0.
std::array<std::string, 3> keyboardLabels(const std::optional<SongTag>& tag,
                                          std::string_view programPath);

/// What the single label shows after a skip by joystick: title, artist and album as three
/// lines of one text, or, without a tag, the song's file name.
std::string joystickLabel(const std::optional<SongTag>& tag, std::string_view programPath);

} // namespace zembra
