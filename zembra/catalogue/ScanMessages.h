// SPDX-License-Identifier: GPL-3.0-or-later
// What the scan tells the owner about each folder, the same words on a terminal and on screen.
#pragma once

#include "zembra/catalogue/Scan.h"

#include <string>

namespace zembra {

/// "12 games -> l 1.lst", or why the list file was not written and that it was left as it was.
/// Says so when more games were found than a list holds.
std::string folderOutcomeText(const FolderScan& scan);

/// The folder's caption and outcome on one line: "path 1: /cab/roms/  12 games -> l 1.lst".
/// `firstUltraFolder` is the first Ultra 64 folder, reported together with the second.
std::string folderReportLine(const FolderScan& scan, const std::string& firstUltraFolder);

} // namespace zembra
