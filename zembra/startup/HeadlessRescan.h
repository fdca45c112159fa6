// SPDX-License-Identifier: GPL-3.0-or-later
// `zembra --rescan`: the catalogue rebuilt without a window, for set-up scripts and owners.
#pragma once

#include <ostream>
#include <string>

namespace zembra {

/// Rescans the cabinet in `programFolder` and writes every list file, printing one line per
/// scanned path to `out`. Returns the exit status: 0 when done, 2 when quarn.ini cannot be used
/// or gamelist.lst is missing (the reason goes to `err`).
int runHeadlessRescan(const std::string& programFolder, std::ostream& out, std::ostream& err);

} // namespace zembra
