// SPDX-License-Identifier: GPL-3.0-or-later
// The full rebuild of the catalogue from the disk.
#pragma once

#include "zembra/catalogue/Scan.h"

#include <optional>
#include <string>

namespace zembra {

/// Empties the game tables, scans every configured folder with the master list in memory,
/// rewrites every list file and loads everything again. Returns the scan's or loadLists'
/// message, if any; a catalogue without any listable game changes nothing at all.
/// The browser's Refresh adds its own drawing around this.
/// `curPath` is left at the path loaded last.
std::optional<std::string> rescanCatalogue(const std::string& programFolder,
                                           const EmulatorConfig& config, GameTables& tables,
                                           std::int16_t& curPath, ScanObserver observer = {});

} // namespace zembra
