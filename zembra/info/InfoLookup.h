// SPDX-License-Identifier: GPL-3.0-or-later
// What the information window shows: which file, which game, and the entry's text.
#pragma once

#include "zembra/catalogue/GameTables.h"

#include <optional>
#include <string>
#include <string_view>

namespace zembra {

/// Shown when the game has no entry or the information file cannot be read.
inline constexpr std::string_view kNoEntry = "No entry available :(";

/// The mode the window opens in: empty at program start, "info" from the first opening on;
/// otherwise the mode it was left in.
std::string infoModeOnLoad(std::string_view mode);

/// What either page key makes of the mode: "info" becomes "history", anything else "info".
std::string switchInfoMode(std::string_view mode);

/// The information file of a mode, as a program path: `mameDir` + "mameinfo.dat" in info
/// mode, `mameDir` + "history.dat" in any other.
std::string infoFilePath(std::string_view mameDir, std::string_view mode);

/// The name a game is looked up under: the set name (column 1) of the item at `listIndex`
/// for paths 1 to 20; "null" for the fixed emulators and the extras, and for an item without
/// a set name.
std::string infoGameKey(const GameTables& tables, int curPath, int listIndex);

/// The entry of `key` in information-file text, read item by item: leading comment items
/// are passed over; the first item that is the key itself, or whose text from its seventh
/// character on (trimmed) is the key, starts the entry. The other names on that line are not
/// text. Each further item, trimmed, is one line of text, preceded by CR LF, unless it starts
/// with "$" (a section marker) or "#"; the entry ends at an item starting with "$end", or at
/// the end of the text, keeping what was read. Empty when the key is not found or is empty.
std::optional<std::string> lookUpEntry(std::string_view text, std::string_view key);

/// Whether the item's text matches `key` by either rule of lookUpEntry.
bool itemNamesKey(std::string_view item, std::string_view key);

} // namespace zembra
