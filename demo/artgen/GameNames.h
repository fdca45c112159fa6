// SPDX-License-Identifier: GPL-3.0-or-later
// The games the generator draws for: catalogue titles, set names and which kinds each one gets.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace artgen {

/// One game to draw: its set name, the title split for display, and a hash of the name that
/// picks its colours and decorations.
struct Game {
    std::string name;
    std::string title;    ///< the title up to its first " (": "Golden Axe"
    std::string subtitle; ///< the parenthesised rest, joined: "World - Sega 1992"
    std::uint32_t hash = 0;
};

/// The catalogue: set name to full title, from lines `name,"Title"` (CR LF or LF; the name may be
/// quoted too). Lines that do not fit the pattern are skipped.
std::map<std::string, std::string> readCatalogue(std::string_view text);

/// The catalogue's set names in its order, which is the order Zembra lists a path's games in.
std::vector<std::string> catalogueNames(std::string_view text);

/// The set names of a list of file names, one a line: the extension (from the last dot on) is
/// dropped, empty lines and names with a folder part are skipped, and each name counts once,
/// in the order of its first line.
std::vector<std::string> readSetNames(std::string_view text);

/// FNV-1a, 32 bits: the same name gives the same pictures on every machine.
std::uint32_t nameHash(std::string_view name);

/// A title as the pictures show it.
Game makeGame(const std::string& name, const std::string& fullTitle);

/// Which of the four kinds a game gets. `complete` gives every game all four; otherwise about
/// one game in nine gets none, one in three no flyer, one in four no cabinet and one in eight
/// no marquee, chosen by the name so that the choice never changes.
struct Kinds {
    bool marquee = true;
    bool snap = true;
    bool flyer = true;
    bool cabinet = true;

    bool any() const { return marquee || snap || flyer || cabinet; }
};

Kinds kindsFor(std::string_view name, bool complete);

/// Reads a whole file; nothing when it cannot be read.
std::optional<std::string> readFile(const std::string& path);

} // namespace artgen
