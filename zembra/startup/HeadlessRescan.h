// SPDX-License-Identifier: GPL-3.0-or-later
// `zembra --rescan`: the catalogue rebuilt without a window, for set-up scripts and owners.
#pragma once

#include <ostream>
#include <string>

namespace zembra {

/// Exit statuses of the rescan besides 0 (every list file rewritten).
inline constexpr int kRescanIncomplete = 1; ///< some folder unread or some list not saved
inline constexpr int kRescanCannotRun = 2;  ///< quarn.ini or gamelist.lst cannot be used

/// Rescans the cabinet in `programFolder` and writes every list file, printing one line per
/// scanned path to `out`. Every problem goes to `err`: a folder that could not be read or a list
/// that could not be saved (its old file stays) ends with kRescanIncomplete; a quarn.ini or
/// gamelist.lst that cannot be used stops everything before a file is touched, with
/// kRescanCannotRun.
int runHeadlessRescan(const std::string& programFolder, std::ostream& out, std::ostream& err);

} // namespace zembra
