// SPDX-License-Identifier: GPL-3.0-or-later
// Filling the item list with the games of the current path, with its caption and logo.
#pragma once

#include "zembra/browser/ItemList.h"
#include "zembra/catalogue/GameTables.h"
#include "zembra/startup/EmulatorConfig.h"

#include <optional>
#include <string>
#include <string_view>

namespace zembra {

inline constexpr std::string_view kNoRomsMessage = "No Roms Found, check your Quarn.ini";

/// The path label's caption: the configured title for paths 1 to 20, the fixed captions
/// ("Impact Roms:" ... "Extras:") for 21 to 27.
std::string pathCaption(const EmulatorConfig& config, int path);

/// True when any path has at least one game.
bool anyGames(const GameTables& tables);

struct PathHeading {
    std::string caption;  ///< for the path label
    std::string logoFile; ///< program folder + the path's logo, in program form
};

/// Fills `list` with the descriptions of `path` (at most 4000) and selects the first; the logo
/// is looked for in `programFolder`.
/// Returns nothing, leaving the list unchanged, when no path has any game: the browser then
/// shows kNoRomsMessage.
std::optional<PathHeading> populateList(const std::string& programFolder,
                                        const EmulatorConfig& config, const GameTables& tables,
                                        int path, ItemList& list);

} // namespace zembra
