// SPDX-License-Identifier: GPL-3.0-or-later
// The full rebuild of the catalogue from the disk.
#pragma once

#include "zembra/catalogue/Scan.h"

#include <optional>
#include <string>

namespace zembra {

/// Runs a scan of every configured folder (`Scan::CheckForFiles`). A folder that has not changed
/// since the last scan is answered from the listing that scan saved in the program folder
/// (kFolderCacheFile) instead of being read again; the listings are saved for the next scan.
std::optional<std::string> scanFolders(const std::string& programFolder,
                                       const EmulatorConfig& config, GameTables& tables,
                                       ScanObserver observer = {});

/// Empties the game tables of paths 1 to 26, scans every configured folder with the master list
/// in memory and rewrites every list file; the tables are not loaded again (the lists are on
/// the disk for whoever reads them next). Returns the scan's message, if any; a catalogue
/// without any listable game changes nothing at all.
std::optional<std::string> rescanCatalogue(const std::string& programFolder,
                                           const EmulatorConfig& config, GameTables& tables,
                                           ScanObserver observer = {});

} // namespace zembra
